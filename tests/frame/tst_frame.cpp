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
#include <vtkSmartPointer.h>

#include <cstdio>
#include <unistd.h>

using Severity = util::ApplicationLogger::Severity;

class TestFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void gateIsClosedAfterCreation();
    void severities_data();
    void severities();
    void nullTextIsEmptyMessage();
    void realVtkWarningReachesLogOnlyWhenForwarded();
    void nothingReachesStderr();
    void forwardingAppliesToLaterRedirectors();
    void valueTypeNames();
};

void TestFrame::initTestCase()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Frame Test"));
}

void TestFrame::cleanup()
{
    util::setVtkDiagnosticsForwarded(false);
}

void TestFrame::gateIsClosedAfterCreation()
{
    LogCapture capture;
    vtkNew<OutputRedirector> redirector;
    QVERIFY(!redirector->isEnabled());
    QCOMPARE(redirector->GetClassName(), "OutputRedirector");
    QVERIFY(redirector->IsA("vtkOutputWindow"));
    redirector->DisplayText("text");
    redirector->DisplayErrorText("error");
    redirector->DisplayWarningText("warning");
    redirector->DisplayGenericWarningText("generic");
    QVERIFY(capture.entries().isEmpty());
}

void TestFrame::severities_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("severity");
    QTest::newRow("text") << 0 << int(Severity::Info);
    QTest::newRow("error") << 1 << int(Severity::Error);
    QTest::newRow("warning") << 2 << int(Severity::Warning);
    QTest::newRow("generic warning") << 3 << int(Severity::Warning);
}

void TestFrame::severities()
{
    QFETCH(int, call);
    QFETCH(int, severity);
    LogCapture capture;
    vtkNew<OutputRedirector> redirector;
    redirector->setEnabled(true);
    QTest::ignoreMessage(severity == int(Severity::Info) ? QtInfoMsg
            : severity == int(Severity::Error)           ? QtCriticalMsg
                                                         : QtWarningMsg,
        "[Frame Test] héllo");
    const char* text = "héllo";
    switch (call) {
    case 0: redirector->DisplayText(text); break;
    case 1: redirector->DisplayErrorText(text); break;
    case 2: redirector->DisplayWarningText(text); break;
    default: redirector->DisplayGenericWarningText(text); break;
    }
    QCOMPARE(capture.entries().size(), 1);
    QCOMPARE(int(capture.entries().at(0).severity), severity);
    QCOMPARE(capture.entries().at(0).message, QStringLiteral("héllo"));
    QCOMPARE(capture.entries().at(0).source, QStringLiteral("Frame Test"));
}

void TestFrame::nullTextIsEmptyMessage()
{
    LogCapture capture;
    vtkNew<OutputRedirector> redirector;
    redirector->setEnabled(true);
    QTest::ignoreMessage(QtWarningMsg, "[Frame Test] ");
    redirector->DisplayWarningText(nullptr);
    QCOMPARE(capture.entries().size(), 1);
    QVERIFY(capture.entries().at(0).message.isEmpty());
}

void TestFrame::realVtkWarningReachesLogOnlyWhenForwarded()
{
    OutputRedirector::install();
    vtkNew<vtkChartXY> chart;
    auto* plot = chart->AddPlot(vtkChart::POINTS);
    LogCapture capture;

    chart->SetPlotCorner(plot, 7); // VTK refuses the corner with a warning
    QVERIFY(capture.entries().isEmpty());

    util::setVtkDiagnosticsForwarded(true);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Invalid corner specified"));
    chart->SetPlotCorner(plot, 7);
    QCOMPARE(capture.entries().size(), 1);
    QCOMPARE(capture.entries().at(0).severity, Severity::Warning);
    QVERIFY(capture.entries().at(0).message.contains(QLatin1String("Invalid corner specified")));
    QCOMPARE(capture.entries().at(0).source, QStringLiteral("Frame Test"));
}

void TestFrame::nothingReachesStderr()
{
    OutputRedirector::install();
    vtkNew<vtkChartXY> chart;
    auto* plot = chart->AddPlot(vtkChart::POINTS);

    QTemporaryFile capture;
    QVERIFY(capture.open());
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    QVERIFY(dup2(capture.handle(), STDERR_FILENO) >= 0);
    chart->SetPlotCorner(plot, 7);
    vtkGenericWarningMacro("generic");
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);

    QFile written(capture.fileName());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray());
}

void TestFrame::forwardingAppliesToLaterRedirectors()
{
    QVERIFY(!util::vtkDiagnosticsForwarded());
    util::setVtkDiagnosticsForwarded(true);
    OutputRedirector::install();
    auto* installed = OutputRedirector::SafeDownCast(vtkOutputWindow::GetInstance());
    QVERIFY(installed);
    QVERIFY(installed->isEnabled());

    util::setVtkDiagnosticsForwarded(false);
    QVERIFY(!installed->isEnabled());
    OutputRedirector::install();
    QVERIFY(!OutputRedirector::SafeDownCast(vtkOutputWindow::GetInstance())->isEnabled());
}

void TestFrame::valueTypeNames()
{
    QCOMPARE(QMetaType::type("ValueType"), int(QMetaType::LongLong));
    QCOMPARE(QMetaType::type("UnsignedValueType"), int(QMetaType::ULongLong));
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
