#include "pages/pages.h"

QVector<GalleryPage> galleryPages()
{
    QVector<GalleryPage> pages;
    pages.push_back({ QStringLiteral("Overview"),
        QStringLiteral("The simulated sensor that feeds the chart pages."), createOverviewPage });
    return pages;
}
