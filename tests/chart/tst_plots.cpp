// The plot classes and their nearest-point search.
#include "chart/chart_xy.h"
#include "chart/nearest_point_index.h"
#include "chart/plot.h"

#include <QtTest>

#include <vtkContextMouseEvent.h>
#include <vtkFloatArray.h>
#include <vtkNew.h>
#include <vtkTable.h>

#include <cmath>
#include <limits>

class TstPlots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classNamesAndTypes();
    void indexOverUnsortedPoints();
    void indexOverSortedPoints();
    void plotPointsSearch();
};

void TstPlots::classNamesAndTypes()
{
    const QStringList names { "PlotLine", "PlotPoints", "PlotBar", "PlotStacked", "PlotBag",
        "PlotFunctionalBag", "PlotArea" };
    vtkNew<util::ChartXY> chart;
    QVERIFY(!chart->AddPlot(7));
    for (int type = 0; type < names.size(); ++type) {
        vtkPlot* plot = chart->AddPlot(type);
        QVERIFY(plot && util::plotInfo(plot));
        QCOMPARE(QString(plot->GetClassName()), names[type]);
        // The creation reference was dropped: the chart holds the only one.
        QCOMPARE(plot->GetReferenceCount(), 2); // chart + its corner transform
        vtkSmartPointer<vtkObjectBase> twin = plot->NewInstance();
        twin->Delete();
        QCOMPARE(QString(twin->GetClassName()), names[type]);
    }
}

void TstPlots::indexOverUnsortedPoints()
{
    // Ids 1 and 4 are inside the box around (5, 5), id 4 is the closer one: the lowest id wins.
    // Points at and far beyond the data's upper x are found like any other.
    const float xy[] = { 0, 0, 5.9f, 5.9f, 20, 20, 1e6f, 4, 5.0f, 5.0f, -1e6f, 5, 100.5f, 3 };
    util::NearestPointIndex index;
    index.build(xy, 7);
    QVERIFY(!index.searchesInPlace());
    vtkVector2f location(-1, -1);
    QCOMPARE(index.find({ 5, 5 }, { 1, 1 }, &location), vtkIdType(1));
    QCOMPARE(location, vtkVector2f(5.9f, 5.9f));
    // The box is open: a point on its edge is outside.
    QCOMPARE(index.find({ 21, 20 }, { 1, 1 }, nullptr), vtkIdType(-1));
    QCOMPARE(index.find({ 20, 20 }, { 1, 1 }, nullptr), vtkIdType(2));
    QCOMPARE(index.find({ 100, 3 }, { 1, 1 }, nullptr), vtkIdType(6));
    QCOMPARE(index.find({ 1e6f, 4 }, { 1, 1 }, nullptr), vtkIdType(3));
    QCOMPARE(index.find({ -1e6f, 5 }, { 1, 1 }, nullptr), vtkIdType(5));
    QCOMPARE(index.find({ 100, 100 }, { 1, 1 }, nullptr), vtkIdType(-1));

    // Points with a NaN coordinate and NaN queries find nothing.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float odd[] = { nan, 0, 1, nan, 1, 1 };
    index.build(odd, 3);
    QCOMPARE(index.find({ 1, 1 }, { 0.5f, 0.5f }, nullptr), vtkIdType(2));
    QCOMPARE(index.find({ nan, 1 }, { 0.5f, 0.5f }, nullptr), vtkIdType(-1));

    util::NearestPointIndex empty;
    empty.build(nullptr, 10);
    QCOMPARE(empty.find({ 0, 0 }, { 1, 1 }, nullptr), vtkIdType(-1));
}

void TstPlots::indexOverSortedPoints()
{
    // Ascending x (with a tie): searched in place, with the same answers as over a sorted copy.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    float xy[] = { 0, 0, 5.0f, 5.9f, 5.0f, 5.0f, 5.5f, 5.1f, 20, nan, 30, 30 };
    util::NearestPointIndex index;
    index.build(xy, 6);
    QVERIFY(index.searchesInPlace());
    QCOMPARE(index.size(), std::size_t(6));
    vtkVector2f location(-1, -1);
    QCOMPARE(index.find({ 5, 5 }, { 1, 1 }, &location), vtkIdType(1));
    QCOMPARE(location, vtkVector2f(5.0f, 5.9f));
    QCOMPARE(index.find({ 5.5f, 5 }, { 0.2f, 0.2f }, nullptr), vtkIdType(3));
    QCOMPARE(index.find({ 30, 30 }, { 1, 1 }, nullptr), vtkIdType(5));
    QCOMPARE(index.find({ 31, 30 }, { 1, 1 }, nullptr), vtkIdType(-1)); // the box is open
    QCOMPARE(index.find({ 20, 0 }, { 1, 1e9f }, nullptr), vtkIdType(-1)); // a NaN y is never found
    QCOMPARE(index.find({ nan, 5 }, { 1, 1 }, nullptr), vtkIdType(-1));
    QCOMPARE(index.find({ 5, 5 }, { nan, 1 }, nullptr), vtkIdType(-1));

    // One x out of order or NaN: the index sorts a copy and the caller's array no longer matters.
    for (float odd : { 1.0f, nan }) {
        xy[8] = odd;
        xy[9] = 0;
        index.build(xy, 6);
        QVERIFY(!index.searchesInPlace());
        xy[2] = 1000; // a stale array must not change the answers
        QCOMPARE(index.find({ 5, 5 }, { 1, 1 }, nullptr), vtkIdType(1));
        QCOMPARE(index.find({ 1, 0 }, { 0.5f, 1e9f }, nullptr), odd == 1.0f ? vtkIdType(4) : vtkIdType(-1));
        xy[2] = 5.0f;
    }
}

void TstPlots::plotPointsSearch()
{
    vtkNew<util::ChartXY> chart;
    auto* plot = util::PlotPoints::SafeDownCast(chart->AddPlot(1));
    QVERIFY(plot);
    vtkNew<vtkTable> table;
    vtkNew<vtkFloatArray> x;
    x->SetName("x");
    vtkNew<vtkFloatArray> y;
    y->SetName("y");
    table->AddColumn(x);
    table->AddColumn(y);
    // Not sorted by x: ids 1 and 2 both lie in the box around (50, 2); VTK's own search would answer 2,
    // the one with the lower x.
    const float points[][2] = { { 10, 1 }, { 50.5f, 2 }, { 49.8f, 2 }, { 100.5f, 3 } };
    table->SetNumberOfRows(4);
    for (int i = 0; i < 4; ++i) {
        x->SetValue(i, points[i][0]);
        y->SetValue(i, points[i][1]);
    }
    plot->SetInputData(table, 0, 1);
    plot->setSearchRange(0, 100);
    QCOMPARE(plot->searchRangeMax(), 100.0);

    vtkVector2f location;
    // Without cached points nothing can be found.
    QCOMPARE(plot->GetNearestPoint({ 50, 2 }, { 1, 1 }, &location), vtkIdType(-1));
    plot->Update();
    // The index answers, with the lowest id in the box.
    QCOMPARE(plot->GetNearestPoint({ 50, 2 }, { 1, 1 }, &location), vtkIdType(1));
    QCOMPARE(location, vtkVector2f(50.5f, 2));
    QVERIFY(plot->hasSearchIndex());
    QCOMPARE(plot->GetNearestPoint({ 70, 2 }, { 1, 1 }, &location), vtkIdType(-1));
    plot->setSearchRange(0, 200);
    QVERIFY(!plot->hasSearchIndex());

    // New data without a new search range: the next query follows them.
    QCOMPARE(plot->GetNearestPoint({ 100.5f, 3 }, { 1, 1 }, &location), vtkIdType(3));
    x->SetValue(3, 70);
    x->Modified();
    table->Modified();
    plot->Update();
    QCOMPARE(plot->GetNearestPoint({ 70, 3 }, { 1, 1 }, &location), vtkIdType(3));
    QCOMPARE(plot->GetNearestPoint({ 100.5f, 3 }, { 1, 1 }, &location), vtkIdType(-1));

    // The scene's pick test: within 5 pixels of a point, in the corner transform's scale (here 1 unit is
    // 1 pixel); an invisible plot is never hit.
    vtkContextMouseEvent mouse;
    mouse.SetPos({ 74, 3 });
    QVERIFY(plot->Hit(mouse));
    mouse.SetPos({ 76, 3 });
    QVERIFY(!plot->Hit(mouse));
    mouse.SetPos({ 70, 3 });
    plot->SetVisible(false);
    QVERIFY(!plot->Hit(mouse));
}

QTEST_MAIN(TstPlots)
#include "tst_plots.moc"
