#pragma once

#include <QString>
#include <QVector>

#include <functional>

class QWidget;
class SensorSource;

/// One page of the gallery: a family of widgets with a short caption.
struct GalleryPage
{
    QString title;
    QString caption;
    std::function<QWidget*(SensorSource&)> create;
};

/// The pages of every library component this gallery was built with.
QVector<GalleryPage> galleryPages();

// One factory per page, each in pages/<component>_page.cpp.
QWidget* createOverviewPage(SensorSource& source);
QWidget* createChartPage(SensorSource& source);
QWidget* createShapesPage(SensorSource& source);
QWidget* createEntryPage(SensorSource& source);
QWidget* createRangesPage(SensorSource& source);
QWidget* createContainersPage(SensorSource& source);
