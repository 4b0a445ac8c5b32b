#include "pages/pages.h"

QVector<GalleryPage> galleryPages()
{
    QVector<GalleryPage> pages;
    pages.push_back({ QStringLiteral("Overview"),
        QStringLiteral("The simulated sensor that feeds the chart pages."), createOverviewPage });
#ifdef GALLERY_HAS_CHART_PAGE
    pages.push_back({ QStringLiteral("Chart"),
        QStringLiteral("util::ChartWidget showing live profiles: pan with the left button, zoom "
                       "with the wheel or a Ctrl + right-button box, hover a point for its "
                       "values."),
        createChartPage });
#endif
#ifdef GALLERY_HAS_SHAPES_PAGE
    pages.push_back({ QStringLiteral("Shapes"),
        QStringLiteral("Overlay shapes on a live profile: drag the region of interest by its "
                       "body or its handles; the host decides the geometry."),
        createShapesPage });
#endif
#ifdef GALLERY_HAS_ENTRY_PAGE
    pages.push_back({ QStringLiteral("Entry"),
        QStringLiteral("64-bit validators and spin boxes in bases 2, 8, 10 and 16, the standard "
                       "entry controls and spin boxes in a menu."),
        createEntryPage });
#endif
#ifdef GALLERY_HAS_RANGES_PAGE
    pages.push_back({ QStringLiteral("Ranges"),
        QStringLiteral("Range slider, circular slider, bit-range selector, slider popups and the "
                       "styled basic widgets."),
        createRangesPage });
#endif
#ifdef GALLERY_HAS_CONTAINERS_PAGE
    pages.push_back({ QStringLiteral("Containers"),
        QStringLiteral("A step wizard, collapsible sections, an editable label, a popup dialog and "
                       "file pickers that remember their folders."),
        createContainersPage });
#endif
    return pages;
}
