#pragma once

#include "pages/pages.h"

#include <QMainWindow>

class QLabel;
class QListWidget;
class QStackedWidget;
class SensorSource;

/// A list of pages on the left, the current page with its caption on the right.
class GalleryWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(SensorSource& source, QWidget* parent = nullptr);

    int pageCount() const;
    QString pageTitle(int index) const;
    void showPage(int index);

private:
    QVector<GalleryPage> m_pages;
    QListWidget* m_list = nullptr;
    QStackedWidget* m_stack = nullptr;
    QLabel* m_caption = nullptr;
};
