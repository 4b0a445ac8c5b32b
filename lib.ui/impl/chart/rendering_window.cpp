#include "chart/rendering_window.h"

#include "frame/output_redirector.h"

#include <QSurfaceFormat>

namespace util {

RenderingWindow::RenderingWindow(QWidget* parent)
    : QVTKOpenGLNativeWidget(parent)
    , renderWindow(vtkSmartPointer<vtkGenericOpenGLRenderWindow>::New())
{
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat(false));
    // VTK's defaults, which the chart's sizes rely on: DPI = 72 x device pixel ratio (see util::dpiScale).
    setEnableHiDPI(true);
    setUnscaledDPI(72);
    applyRenderSettings(renderWindow);
    setRenderWindow(renderWindow);
    OutputRedirector::install();
}

RenderingWindow::~RenderingWindow() = default;

void RenderingWindow::applyRenderSettings(vtkRenderWindow* window)
{
    window->SetMultiSamples(0);
    window->LineSmoothingOn();
}

} // namespace util
