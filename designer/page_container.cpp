#include "page_container.h"

#include <QLayout>

#ifdef UTIL_UI_HAS_CONTAINERS
#include <util/expand_widget.h>
#include <util/wizard.h>
#endif

#include <utility>

PageContainer::PageContainer(
    std::function<QWidget*()> page, std::function<void(QWidget*)> setPage, QObject* parent)
    : QObject(parent)
    , m_page(std::move(page))
    , m_setPage(std::move(setPage))
{ }

int PageContainer::count() const
{
    return m_page() ? 1 : 0;
}

QWidget* PageContainer::widget(int index) const
{
    return index == 0 ? m_page() : nullptr;
}

int PageContainer::currentIndex() const
{
    return count() - 1;
}

void PageContainer::setCurrentIndex(int)
{
    // The one page is always current.
}

bool PageContainer::canAddWidget() const
{
    return !m_page();
}

void PageContainer::addWidget(QWidget* page)
{
    if (canAddWidget())
        m_setPage(page);
}

void PageContainer::insertWidget(int, QWidget* page)
{
    addWidget(page);
}

bool PageContainer::canRemove(int) const
{
    return false;
}

void PageContainer::remove(int)
{
    // The page goes only with its container.
}

QObject* PageContainerFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    if (iid != QLatin1String(Q_TYPEID(QDesignerContainerExtension)))
        return nullptr;
#ifdef UTIL_UI_HAS_CONTAINERS
    if (auto* wizard = qobject_cast<util::Wizard*>(object)) {
        return new PageContainer([wizard] { return wizard->content(); },
            [wizard](QWidget* page) { wizard->setContent(page); }, parent);
    }
    if (auto* section = qobject_cast<util::ExpandWidget*>(object)) {
        // The page is the first (and in Designer the only) widget of the section's body.
        const auto body = [section] {
            return section->findChild<QWidget*>(QStringLiteral("body"), Qt::FindDirectChildrenOnly)->layout();
        };
        return new PageContainer(
            [body] {
                QLayoutItem* item = body()->itemAt(0);
                return item ? item->widget() : nullptr;
            },
            [section](QWidget* page) { section->addWidget(page); }, parent);
    }
#else
    Q_UNUSED(object)
    Q_UNUSED(parent)
#endif
    return nullptr;
}
