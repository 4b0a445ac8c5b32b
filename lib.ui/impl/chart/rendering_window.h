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
 */
class UTIL_UI_EXPORT RenderingWindow : public QVTKOpenGLNativeWidget
{
public:
    explicit RenderingWindow(QWidget* parent = nullptr);
    ~RenderingWindow() override;

    vtkSmartPointer<vtkGenericOpenGLRenderWindow> renderWindow;
    bool renderPending = false;
};

} // namespace util
