#pragma once

#include <util/util_ui_export.h>

#include <QVTKOpenGLNativeWidget.h>
#include <vtkGenericOpenGLRenderWindow.h>
#include <vtkSmartPointer.h>

namespace util {

/**
 * @brief The render surface of util::ChartWidget.
 *
 * Creating one installs the library's VTK output window (see
 * util::setVtkDiagnosticsForwarded). renderPending is raised by whatever
 * changes the scene and cleared by the widget's render().
 *
 * The window renders without multisampling: square markers on pixel centres
 * gain nothing from it, and with software OpenGL 8x multisampling (VTK's
 * default) makes a frame two to five times slower. Lines (shape outlines) stay
 * smooth through OpenGL line smoothing.
 *
 * The render window works in device pixels, at 72 DPI times the widget's
 * device pixel ratio (QVTKOpenGLNativeWidget's HiDPI support, which VTK keeps
 * up to date on resizes and screen changes): VTK sizes text by this DPI, and
 * the chart scales its pixel sizes by it (util::dpiScale), so the chart looks
 * the same on screens of any device pixel ratio.
 */
class UTIL_UI_EXPORT RenderingWindow : public QVTKOpenGLNativeWidget
{
public:
    explicit RenderingWindow(QWidget* parent = nullptr);
    ~RenderingWindow() override;

    /// Gives @p window the chart's render settings: no multisampling, smooth lines (see above).
    static void applyRenderSettings(vtkRenderWindow* window);

    vtkSmartPointer<vtkGenericOpenGLRenderWindow> renderWindow;
    bool renderPending = false;
};

} // namespace util
