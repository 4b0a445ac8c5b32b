#include "chart/rendering_window.h"

#include "frame/output_redirector.h"

#include <QSurfaceFormat>

namespace util {

RenderingWindow::RenderingWindow(QWidget* parent)
    : QVTKOpenGLNativeWidget(parent)
    , renderWindow(vtkSmartPointer<vtkGenericOpenGLRenderWindow>::New())
{
    QSurfaceFormat::setDefaultFormat(QVTKOpenGLNativeWidget::defaultFormat(false));
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
