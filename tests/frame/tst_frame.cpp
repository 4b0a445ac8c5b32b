// The VTK message bridge and the load-time registrations.
#include "frame/output_redirector.h"
#include "log_capture.h"

#include <util/vtk_diagnostics.h>

#include <QFile>
#include <QGuiApplication>
#include <QMetaType>
#include <QTemporaryFile>
#include <QtTest>

#include <vtkChartXY.h>
#include <vtkLogger.h>
#include <vtkNew.h>
#include <vtkPlotPoints.h>

#include <cstdio>
#include <functional>
#include <thread>
#include <unistd.h>

using Severity = util::ApplicationLogger::Severity;

class TestFrame : public QObject
{
    Q_OBJECT

    /// Makes VTK itself warn: a chart refuses an invalid plot corner.
    static void vtkWarns()
    {
        vtkNew<vtkChartXY> chart;
        chart->SetPlotCorner(chart->AddPlot(vtkChart::POINTS), 7);
    }

    /// What @p action writes to file descriptor 2.
    static QByteArray stderrOf(const std::function<void()>& action)
    {
        QTemporaryFile capture;
        if (!capture.open())
            return "(no capture file)";
        std::fflush(stderr);
        const int saved = dup(STDERR_FILENO);
        dup2(capture.handle(), STDERR_FILENO);
        action();
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        QFile written(capture.fileName());
        written.open(QIODevice::ReadOnly);
        return written.readAll();
    }

    /// A host's own messages, logged through vtkLogger alone.
    static void hostLogs()
    {
        vtkLogF(WARNING, "host warning %d", 7);
        vtkLog(ERROR, "host error");
        vtkLog(INFO, "host info");
        vtkVLog(vtkLogger::VERBOSITY_1, "host detail");
    }

private Q_SLOTS:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Frame Test")); }
    void cleanup() { util::setVtkDiagnosticsForwarded(false); }

    void gateAndSeverities_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("severity");
        QTest::newRow("text") << 0 << QByteArray("héllo") << int(Severity::Info);
        QTest::newRow("error") << 1 << QByteArray("héllo") << int(Severity::Error);
        QTest::newRow("warning") << 2 << QByteArray("héllo") << int(Severity::Warning);
        QTest::newRow("generic warning") << 3 << QByteArray("héllo") << int(Severity::Warning);
        QTest::newRow("null text") << 2 << QByteArray() << int(Severity::Warning);
    }

    void gateAndSeverities()
    {
        QFETCH(int, call);
        QFETCH(QByteArray, text);
        QFETCH(int, severity);
        LogCapture capture;
        vtkNew<OutputRedirector> redirector;
        const auto display = [&] {
            const char* message = text.isNull() ? nullptr : text.constData();
            switch (call) {
            case 0: redirector->DisplayText(message); break;
            case 1: redirector->DisplayErrorText(message); break;
            case 2: redirector->DisplayWarningText(message); break;
            default: redirector->DisplayGenericWarningText(message); break;
            }
        };
        // A new redirector's gate is closed.
        QVERIFY(!redirector->isEnabled());
        display();
        QVERIFY(capture.entries().isEmpty());

        redirector->setEnabled(true);
        QTest::ignoreMessage(severity == int(Severity::Info) ? QtInfoMsg
                : severity == int(Severity::Error)           ? QtCriticalMsg
                                                             : QtWarningMsg,
            ("[Frame Test] " + text).constData());
        display();
        QCOMPARE(capture.entries().size(), 1);
        QCOMPARE(int(capture.entries().at(0).severity), severity);
        QCOMPARE(capture.entries().at(0).message, QString::fromUtf8(text));
        QCOMPARE(capture.entries().at(0).source, QStringLiteral("Frame Test"));
    }

    void realVtkWarningReachesLogOnlyWhenForwarded()
    {
        OutputRedirector::install();
        LogCapture capture;
        vtkWarns();
        QVERIFY(capture.entries().isEmpty());

        util::setVtkDiagnosticsForwarded(true);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Invalid corner specified"));
        vtkWarns();
        QCOMPARE(capture.entries().size(), 1);
        QCOMPARE(capture.entries().at(0).severity, Severity::Warning);
        QVERIFY(capture.entries().at(0).message.contains(QLatin1String("Invalid corner specified")));
        QCOMPARE(capture.entries().at(0).source, QStringLiteral("Frame Test"));
    }

    void nothingReachesStderr()
    {
        OutputRedirector::install();
        const QByteArray written = stderrOf([] {
            vtkWarns();
            vtkGenericWarningMacro("generic");
        });
        QCOMPARE(written, QByteArray());
    }

    void hostVtkLogKeepsStderr()
    {
        // The host asks vtkLogger for INFO and above on stderr; then a chart is built.
        vtkLogger::SetStderrVerbosity(vtkLogger::VERBOSITY_INFO);
        OutputRedirector::install();
        const QByteArray written = stderrOf([] {
            hostLogs();
            vtkWarns();
        });
        QCOMPARE(written.count("host warning 7"), 1);
        QCOMPARE(written.count("host error"), 1);
        QCOMPARE(written.count("host info"), 1);
        QVERIFY(!written.contains("host detail"));
        QVERIFY(!written.contains("Invalid corner specified"));

        // A later chart keeps the host's level.
        OutputRedirector::install();
        QCOMPARE(stderrOf(hostLogs).count("host info"), 1);
    }

    void hostStderrSettingAfterAChartIsObeyed()
    {
        vtkLogger::SetStderrVerbosity(vtkLogger::VERBOSITY_INFO);
        OutputRedirector::install();
        vtkLogger::SetStderrVerbosity(vtkLogger::VERBOSITY_WARNING);
        QByteArray written = stderrOf(hostLogs);
        QCOMPARE(written.count("host warning 7"), 1);
        QVERIFY(!written.contains("host info"));

        // The next chart takes over at the host's new level.
        OutputRedirector::install();
        written = stderrOf([] {
            hostLogs();
            vtkWarns();
        });
        QCOMPARE(written.count("host warning 7"), 1);
        QVERIFY(!written.contains("host info"));
        QVERIFY(!written.contains("Invalid corner specified"));

        vtkLogger::SetStderrVerbosity(vtkLogger::VERBOSITY_OFF);
        OutputRedirector::install();
        QCOMPARE(stderrOf(hostLogs), QByteArray());
    }

    void vtkLoggerOnlyMessagesForwarded()
    {
        OutputRedirector::install();
        LogCapture capture;
        stderrOf(hostLogs);
        QVERIFY(capture.entries().isEmpty());

        util::setVtkDiagnosticsForwarded(true);
        QTest::ignoreMessage(QtWarningMsg, "[Frame Test] host warning 7");
        QTest::ignoreMessage(QtCriticalMsg, "[Frame Test] host error");
        QTest::ignoreMessage(QtInfoMsg, "[Frame Test] host info");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Invalid corner specified"));
        stderrOf([] {
            hostLogs();
            vtkWarns();
        });
        // Each once: the output window alone forwards what it receives.
        QCOMPARE(capture.entries().size(), 4);
        QCOMPARE(capture.entries().at(0).severity, Severity::Warning);
        QCOMPARE(capture.entries().at(0).message, QStringLiteral("host warning 7"));
        QCOMPARE(capture.entries().at(0).source, QStringLiteral("Frame Test"));
        QCOMPARE(capture.entries().at(1).severity, Severity::Error);
        QCOMPARE(capture.entries().at(1).message, QStringLiteral("host error"));
        QCOMPARE(capture.entries().at(2).severity, Severity::Info);
        QCOMPARE(capture.entries().at(2).message, QStringLiteral("host info"));
        QCOMPARE(capture.entries().at(3).severity, Severity::Warning);
        QVERIFY(capture.entries().at(3).message.contains(QLatin1String("Invalid corner specified")));

        // A message logged on another thread reaches the log on the GUI thread.
        capture.clear();
        QTest::ignoreMessage(QtWarningMsg, "[Frame Test] from a worker");
        stderrOf([] { std::thread([] { vtkLog(WARNING, "from a worker"); }).join(); });
        QVERIFY(capture.entries().isEmpty());
        QTRY_COMPARE(capture.entries().size(), 1);
        QCOMPARE(capture.entries().at(0).message, QStringLiteral("from a worker"));
    }

    void forwardingAppliesToLaterRedirectors()
    {
        QVERIFY(!util::vtkDiagnosticsForwarded());
        util::setVtkDiagnosticsForwarded(true);
        OutputRedirector::install();
        auto* installed = OutputRedirector::SafeDownCast(vtkOutputWindow::GetInstance());
        QVERIFY(installed && installed->isEnabled());
        util::setVtkDiagnosticsForwarded(false);
        QVERIFY(!installed->isEnabled());
        OutputRedirector::install();
        QVERIFY(!OutputRedirector::SafeDownCast(vtkOutputWindow::GetInstance())->isEnabled());
    }

    void valueTypeNames()
    {
        QCOMPARE(QMetaType::type("ValueType"), int(QMetaType::LongLong));
        QCOMPARE(QMetaType::type("UnsignedValueType"), int(QMetaType::ULongLong));
    }
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
