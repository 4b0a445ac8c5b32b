#pragma once

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QExtensionFactory>

#include <functional>

/**
 * Designer's view of a library container that holds its children in one page: the wizard's
 * content, the body of a collapsible section. Designer puts the page of a new instance (from the
 * widget's domXml) or of a loaded form in through addWidget(); the page stays while the container
 * lives, so it can be neither added twice nor removed.
 */
class PageContainer : public QObject, public QDesignerContainerExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerContainerExtension)

public:
    /// @p page reads the container's page (null while it has none); @p setPage hands it one.
    PageContainer(std::function<QWidget*()> page, std::function<void(QWidget*)> setPage, QObject* parent);

    int count() const override;
    QWidget* widget(int index) const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    bool canAddWidget() const override;
    void addWidget(QWidget* page) override;
    void insertWidget(int index, QWidget* page) override;
    bool canRemove(int index) const override;
    void remove(int index) override;

private:
    std::function<QWidget*()> m_page;
    std::function<void(QWidget*)> m_setPage;
};

/// Makes the PageContainer of each library widget that has one.
class PageContainerFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    using QExtensionFactory::QExtensionFactory;

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};
