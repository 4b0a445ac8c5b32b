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
