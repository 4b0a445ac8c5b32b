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
#include <vtkNew.h>
#include <vtkPlotPoints.h>

#include <cstdio>
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
        QTemporaryFile capture;
        QVERIFY(capture.open());
        std::fflush(stderr);
        const int saved = dup(STDERR_FILENO);
        QVERIFY(dup2(capture.handle(), STDERR_FILENO) >= 0);
        vtkWarns();
        vtkGenericWarningMacro("generic");
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        QFile written(capture.fileName());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray());
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
