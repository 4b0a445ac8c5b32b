// A host program built against the installed packages: a chart fed from the camera SDK's curve
// array with fixed ranges of the processing library, and a spin box.
#include <util/chart_widget.h>
#include <util/ctrl_int64_spin_box.h>
#include <vorn/Vorn3dParametricCurveArray.h>

#include <QApplication>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* chart = new util::ChartWidget(&window);
    auto* register_ = new util::CtrlInt64SpinBox(&window);
    layout->addWidget(chart);
    layout->addWidget(register_);
    window.resize(400, 300);
    window.show();

    Vorn3dParametricCurveArray curves;
    curves.SetValidPoints({ { 0.f, 1.f }, { 1.f, 2.f }, { 2.f, 1.5f } });
    util::ChartPlot series;
    series.curves = &curves;
    series.name = QStringLiteral("Profile");
    series.xRange = util::Range(0.0, 2.0);
    series.yRange = util::Range(1.0, 2.0);
    chart->setData({ series });
    chart->render();
    register_->setRange(-10, 10);
    register_->setValue(7);
    QApplication::processEvents();
    return chart->cachedPlot().size() == 1 && register_->value() == 7 ? 0 : 1;
}
