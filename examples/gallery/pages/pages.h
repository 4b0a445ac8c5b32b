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

// One factory per page, each in its own source.
QWidget* createOverviewPage(SensorSource& source);
