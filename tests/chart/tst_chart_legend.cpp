// util::ChartLegend against VTK's own legend: the same picture from the same plots, whatever their number,
// and after labels, plots and text change; rows out of sight are left unpainted.
#include "chart/chart_legend.h"
#include "chart/chart_xy.h"

#include "gl_driver.h"

#include <QtTest>

#include <vtkChartLegend.h>
#include <vtkContextScene.h>
#include <vtkContextView.h>
#include <vtkImageData.h>
#include <vtkPen.h>
#include <vtkPlot.h>
#include <vtkPointData.h>
#include <vtkRenderWindow.h>
#include <vtkStringArray.h>
#include <vtkTextProperty.h>
#include <vtkUnsignedCharArray.h>
#include <vtkWindowToImageFilter.h>

#include <cstring>
#include <vector>

class TstChartLegend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase() { keepGlDriverLoaded(); }
    void sameEntriesAsVtk();
    void manyRowsPaintOnlyThoseInSight();
    void followsChanges();

private:
    /// Adds a line plot labelled @p label, in a colour of its own.
    vtkPlot* addPlot(const std::string& label);
    /// The pixels of the view with @p legend as its only item.
    std::vector<unsigned char> render(vtkChartLegend* legend);
    /// Renders both legends, anchored at @p x, @p y, and compares their pixels.
    void compareWithVtk(float x, float y);

    vtkSmartPointer<vtkContextView> view;
    vtkSmartPointer<util::ChartXY> chart; ///< holds the plots; never painted
    vtkSmartPointer<vtkChartLegend> vtkLegend;
    vtkSmartPointer<util::ChartLegend> legend;
};

void TstChartLegend::init()
{
    view = vtkSmartPointer<vtkContextView>::New();
    view->GetRenderWindow()->SetMultiSamples(0);
    view->GetRenderWindow()->SetOffScreenRendering(1);
    view->GetRenderWindow()->SetSize(400, 300);
    chart = vtkSmartPointer<util::ChartXY>::New();
    vtkLegend = vtkSmartPointer<vtkChartLegend>::New();
    legend = vtkSmartPointer<util::ChartLegend>::New();
    for (vtkChartLegend* item : { vtkLegend.GetPointer(), static_cast<vtkChartLegend*>(legend) }) {
        item->SetChart(chart);
        item->SetInline(false);
    }
}

void TstChartLegend::cleanup()
{
    view = nullptr;
    legend = nullptr;
    vtkLegend = nullptr;
    chart = nullptr;
}

vtkPlot* TstChartLegend::addPlot(const std::string& label)
{
    vtkPlot* plot = chart->AddPlot(vtkChart::LINE);
    plot->SetLabel(label);
    plot->GetPen()->SetWidth(2.0f);
    return plot;
}

std::vector<unsigned char> TstChartLegend::render(vtkChartLegend* item)
{
    view->GetScene()->ClearItems();
    view->GetScene()->AddItem(item);
    item->Update();
    view->Render();
    vtkNew<vtkWindowToImageFilter> grab;
    grab->SetInput(view->GetRenderWindow());
    grab->SetInputBufferTypeToRGB();
    grab->ReadFrontBufferOff();
    grab->Update();
    vtkUnsignedCharArray* pixels
        = vtkUnsignedCharArray::SafeDownCast(grab->GetOutput()->GetPointData()->GetScalars());
    const auto* data = pixels->GetPointer(0);
    return { data, data + pixels->GetNumberOfValues() };
}

void TstChartLegend::compareWithVtk(float x, float y)
{
    vtkLegend->SetPoint(x, y);
    legend->SetPoint(x, y);
    const std::vector<unsigned char> expected = render(vtkLegend);
    const std::vector<unsigned char> actual = render(legend);
    QCOMPARE(actual.size(), expected.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < actual.size(); ++i)
        differing += actual[i] != expected[i];
    QCOMPARE(differing, std::size_t(0));
    // Something was painted at all: the box's background differs from the view's.
    const std::vector<unsigned char> empty(actual.size(), actual.front());
    QVERIFY(actual != empty);
}

void TstChartLegend::sameEntriesAsVtk()
{
    addPlot("first");
    addPlot("hidden")->SetVisible(false);
    addPlot("");
    addPlot("not in the legend")->SetLegendVisibility(false);
    addPlot("a much longer label, which sets the width");
    addPlot("H\xc3\xb6he in \xc2\xb5m, \xe2\x89\xa4 5");
    vtkNew<vtkStringArray> labels;
    labels->InsertNextValue("two labels: one");
    labels->InsertNextValue("and two");
    addPlot("")->SetLabels(labels);
    addPlot("after a plot of two labels: not an entry");
    compareWithVtk(20, 40);
    legend->Update();
    QCOMPARE(legend->GetNumberOfRows(), 5);
    QCOMPARE(legend->GetNumberOfPaintedRows(), 5);
    // Painted again, from what the first paint kept.
    compareWithVtk(20, 40);
}

void TstChartLegend::manyRowsPaintOnlyThoseInSight()
{
    for (int i = 0; i < 300; ++i)
        addPlot("entry " + std::to_string(i));
    // The box reaches from far below the view to far above it.
    compareWithVtk(30, -2500);
    QCOMPARE(legend->GetNumberOfRows(), 300);
    QVERIFY(legend->GetNumberOfPaintedRows() > 5);
    QVERIFY(legend->GetNumberOfPaintedRows() < 40);
}

void TstChartLegend::followsChanges()
{
    vtkPlot* a = addPlot("short");
    vtkPlot* b = addPlot("label");
    compareWithVtk(10, 10);
    // A longer label widens the box; a hidden plot leaves it; a larger font grows everything.
    a->SetLabel("a label long enough to widen the box");
    compareWithVtk(10, 10);
    b->SetVisible(false);
    compareWithVtk(10, 10);
    QCOMPARE(legend->GetNumberOfPaintedRows(), 1);
    for (vtkChartLegend* item : { vtkLegend.GetPointer(), static_cast<vtkChartLegend*>(legend) })
        item->GetLabelProperties()->SetFontSize(20);
    compareWithVtk(10, 10);
    b->SetVisible(true);
    b->SetLegendVisibility(false);
    compareWithVtk(10, 10);
    chart->RemovePlot(0);
    b->SetLegendVisibility(true);
    compareWithVtk(10, 10);
    QCOMPARE(legend->GetNumberOfRows(), 1);
}

QTEST_MAIN(TstChartLegend)
#include "tst_chart_legend.moc"
