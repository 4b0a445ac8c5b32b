#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

/// One library widget as Designer sees it.
class WidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Description
    {
        QString className; ///< "util::RangeSlider"
        QString header; ///< "util/range_slider.h"
        QString group;
        QString toolTip;
        QString defaultName; ///< object name of a new instance
        QSize defaultSize;
        bool container = false;
        std::function<QWidget*(QWidget*)> create;
    };
    /// The page of a container that holds its children in one; empty for other widgets.
    struct Page
    {
        QString name; ///< the page's object name in a new instance
        QString extends; ///< the Qt class Designer, uic and QUiLoader take the container for
        /// The invokable method that takes the page, where extends does not tell ("setContent");
        /// Designer's form editor reaches it through a PageContainer.
        QString addPageMethod;
    };

    WidgetPlugin(Description description, Page page, QObject* parent);

    QString name() const override { return m_description.className; }
    QString group() const override { return m_description.group; }
    QString toolTip() const override { return m_description.toolTip; }
    QString whatsThis() const override { return m_description.toolTip; }
    QString includeFile() const override { return m_description.header; }
    QIcon icon() const override;
    bool isContainer() const override { return m_description.container; }
    QWidget* createWidget(QWidget* parent) override { return m_description.create(parent); }
    bool isInitialized() const override { return m_initialized; }
    /// Registers the library's PageContainer factory with @p core, once, for the containers that need it.
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    Description m_description;
    Page m_page;
    bool m_initialized = false;
};

/// The collection Designer loads: every widget of the library.
class UtilUiDesignerPlugins : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit UtilUiDesignerPlugins(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface*> m_widgets;
};
