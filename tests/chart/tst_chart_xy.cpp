// util::ChartXY: construction, corners, equal scale and tooltip text (no rendering needed).
#include "chart/chart_callbacks.h"
#include "chart/chart_xy.h"
#include "chart/chart_xy_p.h"
#include "chart/plot.h"
#include "frame/output_redirector.h"

#include <util/vtk_diagnostics.h>

#include "log_capture.h"

#include <QtTest>

#include <vtkAxis.h>
#include <vtkChartLegend.h>
#include <vtkContextMouseEvent.h>
#include <vtkObjectFactory.h>
#include <vtkStringArray.h>
#include <vtkTooltipItem.h>

#include <limits>

namespace {

/// Reaches the protected layout state of the chart.
class ChartProbe : public util::ChartXY
{
public:
    static ChartProbe* New();
    vtkTypeMacro(ChartProbe, util::ChartXY);
    const int* borders() const { return ChartPrivate->Borders; }
};
vtkStandardNewMacro(ChartProbe);

QVector<double> range(util::ChartXY* chart, int axis)
{
    double r[2];
    chart->GetAxis(axis)->GetRange(r);
    return { r[0], r[1] };
}

} // namespace

class TstChartXY : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void freshChart();
    void plotsAndCorners();
    void equalScale_data();
    void equalScale();
    void tooltipText_data();
    void tooltipText();
    void tooltipPlacement();
};

void TstChartXY::initTestCase()
{
    OutputRedirector::install();
    util::setVtkDiagnosticsForwarded(true);
}

void TstChartXY::freshChart()
{
    vtkNew<ChartProbe> chart;
    for (int axis : { vtkAxis::LEFT, vtkAxis::BOTTOM, vtkAxis::RIGHT, vtkAxis::TOP })
        QCOMPARE(chart->GetAxis(axis)->GetVisible(), axis == vtkAxis::LEFT || axis == vtkAxis::BOTTOM);
    QCOMPARE(QString::fromStdString(chart->GetAxis(vtkAxis::LEFT)->GetTitle()), QString("Y Axis"));
    QCOMPARE(QString::fromStdString(chart->GetAxis(vtkAxis::BOTTOM)->GetTitle()), QString("X Axis"));
    QVERIFY(!chart->GetLegend()->GetVisible());
    QVERIFY(chart->GetTooltip() && !chart->GetTooltip()->GetVisible());
    const int* borders = chart->borders();
    QCOMPARE(
        QVector<int>({ borders[0], borders[1], borders[2], borders[3] }), QVector<int>({ 60, 50, 20, 20 }));
}

void TstChartXY::plotsAndCorners()
{
    LogCapture log;
    vtkNew<util::ChartXY> chart;
    vtkPlot* a = chart->AddPlot(1);
    vtkPlot* b = chart->AddPlot(1);
    vtkPlot* c = chart->AddPlot(0);
    QCOMPARE(chart->LowerPlot(c), vtkIdType(0));
    QCOMPARE(chart->GetPlotIndex(a), vtkIdType(1));
    QCOMPARE(chart->StackPlotAbove(c, b), vtkIdType(2));
    QCOMPARE(chart->StackPlotUnder(c, a), vtkIdType(0));
    // Plots in different corners are not restacked.
    chart->SetPlotCorner(b, 1);
    QCOMPARE(chart->StackPlotAbove(a, b), chart->GetPlotIndex(a));
    QVERIFY(chart->RemovePlot(0));
    QCOMPARE(chart->GetPlot(0), b);

    // A plot of VTK's own classes has no util::Plot part: refused, like null and bad indices.
    vtkNew<vtkPlotPoints> foreign;
    QCOMPARE(chart->AddPlot(foreign), vtkIdType(-1));
    QCOMPARE(chart->AddPlot(static_cast<vtkPlot*>(nullptr)), vtkIdType(-1));
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(2));
    QCOMPARE(log.count(util::ApplicationLogger::Severity::Warning), 1);
    QVERIFY(!chart->RemovePlot(-1) && !chart->RemovePlot(2) && !chart->GetPlot(-1) && !chart->GetPlot(2));
    QVERIFY(!chart->GetAxis(4) && !chart->GetAxis(-1));
    QCOMPARE(chart->LowerPlot(foreign), vtkIdType(-1));
    log.clear();
    chart->SetPlotCorner(b, 4);
    chart->SetPlotCorner(b, -1);
    QCOMPARE(chart->GetPlotCorner(b), 1);
    QCOMPARE(log.count(util::ApplicationLogger::Severity::Warning), 2);
    QVERIFY(log.entries().first().message.contains("Invalid corner specified, should be between 0 and 3: 4"));

    // Corners drive the axes: corner 2 shows top and right, corner 3 adds left; hidden plots count for
    // nothing.
    chart->ClearPlots();
    QCOMPARE(chart->GetNumberOfPlots(), vtkIdType(0));
    vtkPlot* plot = chart->AddPlot(1);
    chart->SetPlotCorner(plot, 2);
    QCOMPARE(plot->GetXAxis(), chart->GetAxis(vtkAxis::TOP));
    QCOMPARE(plot->GetYAxis(), chart->GetAxis(vtkAxis::RIGHT));
    chart->Update();
    for (int axis : { vtkAxis::LEFT, vtkAxis::BOTTOM, vtkAxis::RIGHT, vtkAxis::TOP })
        QCOMPARE(chart->GetAxis(axis)->GetVisible(), axis == vtkAxis::RIGHT || axis == vtkAxis::TOP);
    vtkPlot* other = chart->AddPlot(1);
    chart->SetPlotCorner(other, 3);
    plot->SetVisible(false);
    chart->Update();
    QVERIFY(chart->GetAxis(vtkAxis::LEFT)->GetVisible() && !chart->GetAxis(vtkAxis::RIGHT)->GetVisible());
    chart->SetAutoAxes(false);
    chart->GetAxis(vtkAxis::RIGHT)->SetVisible(true);
    chart->Update();
    QVERIFY(chart->GetAxis(vtkAxis::RIGHT)->GetVisible());
}

void TstChartXY::equalScale_data()
{
    QTest::addColumn<QSizeF>("area");
    QTest::addColumn<QVector<double>>("x");
    QTest::addColumn<QVector<double>>("y");
    QTest::addColumn<QVector<double>>("right");
    QTest::addColumn<QVector<double>>("expectedX");
    QTest::addColumn<QVector<double>>("expectedY");
    QTest::addColumn<QVector<double>>("expectedRight");
    const QVector<double> unit { 0, 10 };
    QTest::newRow("wide area widens x")
        << QSizeF(800, 400) << unit << unit << unit << QVector<double> { -5, 15 } << unit << unit;
    QTest::newRow("wide data widens y around each centre")
        << QSizeF(800, 400) << QVector<double> { 0, 40 } << unit << QVector<double> { 100, 110 }
        << QVector<double> { 0, 40 } << QVector<double> { -5, 15 } << QVector<double> { 95, 115 };
    // The pixel ratio is fractional: 800 / 300 = 2.667, so x spans 26.67 units.
    QTest::newRow("fractional ratio") << QSizeF(800, 300) << unit << unit << unit
                                      << QVector<double> { 5 - 40.0 / 3, 5 + 40.0 / 3 } << unit << unit;
    QTest::newRow("tall area widens y") << QSizeF(400, 800) << unit << unit << unit << unit
                                        << QVector<double> { -5, 15 } << QVector<double> { -5, 15 };
    QTest::newRow("already equal") << QSizeF(800, 400) << QVector<double> { 0, 20 } << unit << unit
                                   << QVector<double> { 0, 20 } << unit << unit;
}

void TstChartXY::equalScale()
{
    QFETCH(QSizeF, area);
    QFETCH(QVector<double>, x);
    QFETCH(QVector<double>, y);
    QFETCH(QVector<double>, right);
    vtkNew<util::ChartXY> chart;
    for (int axis : { vtkAxis::BOTTOM, vtkAxis::LEFT })
        chart->GetAxis(axis)->SetPoint1(0, 0);
    chart->GetAxis(vtkAxis::BOTTOM)->SetPoint2(float(area.width()), 0);
    chart->GetAxis(vtkAxis::LEFT)->SetPoint2(0, float(area.height()));
    chart->GetAxis(vtkAxis::BOTTOM)->SetRange(x[0], x[1]);
    chart->GetAxis(vtkAxis::LEFT)->SetRange(y[0], y[1]);
    chart->GetAxis(vtkAxis::RIGHT)->SetRange(right[0], right[1]);
    chart->GetAxis(vtkAxis::TOP)->SetRange(1, 2);

    chart->Update(); // equal scale is off by default
    QCOMPARE(range(chart, vtkAxis::BOTTOM), x);
    chart->SetKeepAspectRatio(true);
    chart->Update();
    const auto fuzzy = [](const QVector<double>& a, const QVector<double>& b) {
        return qFuzzyCompare(a[0] + 1000, b[0] + 1000) && qFuzzyCompare(a[1] + 1000, b[1] + 1000);
    };
    QFETCH(QVector<double>, expectedX);
    QFETCH(QVector<double>, expectedY);
    QFETCH(QVector<double>, expectedRight);
    QVERIFY(fuzzy(range(chart, vtkAxis::BOTTOM), expectedX));
    QVERIFY(fuzzy(range(chart, vtkAxis::LEFT), expectedY));
    QVERIFY(fuzzy(range(chart, vtkAxis::RIGHT), expectedRight));
    QCOMPARE(range(chart, vtkAxis::TOP), QVector<double>({ 1, 2 }));

    // Without a laid-out plot area nothing changes.
    vtkNew<util::ChartXY> unplaced;
    unplaced->SetKeepAspectRatio(true);
    unplaced->GetAxis(vtkAxis::BOTTOM)->SetRange(x[0], x[1]);
    unplaced->Update();
    QCOMPARE(range(unplaced, vtkAxis::BOTTOM), x);
}

void TstChartXY::tooltipText_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("mappers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default format") << "" << 2.0 << false << "P: 1.5,  2";
    QTest::newRow("plot format") << "%x|%y" << 2.0 << false << "1.5|2";
    QTest::newRow("hex") << "%h" << 255.9 << false << "0xFF";
    QTest::newRow("hex of negative") << "%h" << -1.0 << false << "0xFFFF";
    QTest::newRow("hex of huge") << "%h" << 1e300 << false << "0xFFFF";
    QTest::newRow("hex of NaN") << "%h" << nan << false << "0x0";
    QTest::newRow("indexed label") << "%i" << 2.0 << false << "seven";
    QTest::newRow("unknown code, index, trailing percent") << "%q %% #%j%" << 2.0 << false << "%q %% #7";
    QTest::newRow("mappers absent") << "[%a %b %r]" << 2.0 << false << "[  ]";
    QTest::newRow("mappers") << "[%a %b %r]" << 2.0 << true << "[17.5 4 2147483647]";
}

void TstChartXY::tooltipText()
{
    QFETCH(QString, format);
    QFETCH(double, y);
    QFETCH(bool, mappers);
    vtkNew<util::ChartXY> chart;
    vtkPlot* plot = chart->AddPlot(1);
    plot->SetLabel("P");
    plot->SetTooltipLabelFormat(format.toStdString());
    vtkNew<vtkStringArray> labels;
    labels->SetNumberOfValues(8);
    labels->SetValue(7, "seven");
    plot->SetIndexedLabels(labels);
    util::ChartCallbacks callbacks;
    if (mappers) {
        callbacks.xTooltip = [](int index, double x) { return x == 0.0 ? 1e300 : x + index + 9; };
        callbacks.yTooltip = [](int, double value) { return value * 2; };
        chart->SetCallbacks(&callbacks);
    }
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(chart->BuildTooltipLabel(plot, { 1.5, y }, 7, -1)), expected);
}

void TstChartXY::tooltipPlacement()
{
    vtkNew<util::ChartXY> chart;
    vtkPlot* plot = chart->AddPlot(1);
    plot->SetLabel("P");
    vtkContextMouseEvent mouse;
    mouse.SetScreenPos(vtkVector2i(100, 200));
    chart->SetTooltipInfo(mouse, { 1.5, 2 }, 0, plot, -1);
    QCOMPARE(chart->GetTooltip()->GetPositionVector(), vtkVector2f(102, 160));
    // Without a tooltip item nothing happens.
    chart->SetTooltip(nullptr);
    chart->SetTooltipInfo(mouse, { 1.5, 2 }, 0, plot, -1);
    QVERIFY(chart->BuildTooltipLabel(nullptr, { 0, 0 }, 0, -1).empty());
}

QTEST_MAIN(TstChartXY)
#include "tst_chart_xy.moc"
