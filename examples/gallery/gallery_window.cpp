#include "gallery_window.h"
#include "sensor_source.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

GalleryWindow::GalleryWindow(SensorSource& source, QWidget* parent)
    : QMainWindow(parent)
    , m_pages(galleryPages())
{
    setWindowTitle(QStringLiteral("Widget gallery"));
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    m_list = new QListWidget(central);
    m_list->setObjectName(QStringLiteral("pageList"));
    layout->addWidget(m_list);

    auto* right = new QVBoxLayout;
    m_caption = new QLabel(central);
    m_caption->setObjectName(QStringLiteral("caption"));
    m_caption->setWordWrap(true);
    right->addWidget(m_caption);
    m_stack = new QStackedWidget(central);
    right->addWidget(m_stack, 1);
    layout->addLayout(right, 1);
    setCentralWidget(central);

    for (const GalleryPage& page : qAsConst(m_pages)) {
        m_list->addItem(page.title);
        m_stack->addWidget(page.create(source));
    }
    m_list->setFixedWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 16);
    connect(m_list, &QListWidget::currentRowChanged, this, &GalleryWindow::showPage);
    m_list->setCurrentRow(0);
    resize(1100, 760);
}

int GalleryWindow::pageCount() const
{
    return m_pages.size();
}

QString GalleryWindow::pageTitle(int index) const
{
    return m_pages.value(index).title;
}

void GalleryWindow::showPage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_list->setCurrentRow(index);
    m_stack->setCurrentIndex(index);
    m_caption->setText(m_pages.at(index).caption);
}
