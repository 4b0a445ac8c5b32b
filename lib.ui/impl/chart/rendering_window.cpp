#include "chart/rendering_window.h"

#include "frame/output_redirector.h"

#include <QSurfaceFormat>
#include <vtkFreeTypeTools.h>

namespace util {

namespace {

/// Reaches the glyph cache manager that vtkFreeTypeTools keeps to itself.
struct FreeTypeCache : vtkFreeTypeTools
{
    static void recreate(vtkFreeTypeTools* tools) { (tools->*(&FreeTypeCache::InitializeCacheManager))(); }
    static FTC_Manager* manager(vtkFreeTypeTools* tools)
    {
        return (tools->*(&FreeTypeCache::GetCacheManager))();
    }
};

} // namespace

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
    repairGlyphCache();
}

RenderingWindow::~RenderingWindow() = default;

void RenderingWindow::applyRenderSettings(vtkRenderWindow* window)
{
    window->SetMultiSamples(0);
    window->LineSmoothingOn();
}

void RenderingWindow::repairGlyphCache()
{
    static bool repaired = false;
    if (repaired)
        return;
    repaired = true;
    vtkFreeTypeTools* tools = vtkFreeTypeTools::GetInstance();
    FT_Library* library = tools ? tools->GetLibrary() : nullptr;
    if (!library || !*library)
        return;
    FT_Int major = 0;
    FT_Int minor = 0;
    FT_Int patch = 0;
    FT_Library_Version(*library, &major, &minor, &patch);
    if (major != 2 || minor >= 13)
        return;
    FreeTypeCache::recreate(tools);
    FTC_Manager* manager = FreeTypeCache::manager(tools);
    if (!manager || !*manager)
        return;
    struct ManagerHead
    {
        FT_Library library;
        FT_Memory memory;
        void* nodes;
        FT_Offset byteLimit;
        FT_Offset bytes;
        FT_UInt nodeCount;
    };
    auto* head = reinterpret_cast<ManagerHead*>(*manager);
    if (head->library == *library && !head->nodes && head->nodeCount == 0
        && head->byteLimit == tools->GetMaximumNumberOfBytes())
        head->bytes = 0;
}

} // namespace util
