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
 * util::setVtkDiagnosticsForwarded) and repairs VTK's glyph cache
 * (repairGlyphCache()). renderPending is raised by whatever
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
    /**
     * Makes VTK's FreeType glyph cache keep glyphs; the first rendering window
     * calls it. FreeType before 2.13 allocates its cache manager without setting
     * the manager's count of cached bytes. Where the allocation reuses memory
     * that holds a large value, the cache believes itself full and drops every
     * glyph as soon as it is loaded: every string VTK measures or draws loads
     * and renders each of its glyphs again, several milliseconds of every chart
     * frame. VTK's manager is made anew and its count set to zero, as later
     * FreeType does, once per process and only where the manager's head reads
     * as FreeType 2's (library, memory, node list, byte limit, byte count, node
     * count).
     */
    static void repairGlyphCache();

    vtkSmartPointer<vtkGenericOpenGLRenderWindow> renderWindow;
    bool renderPending = false;
};

} // namespace util
