// The Designer plugin loads and creates every widget it offers, and Qt Designer places child
// widgets inside the library's containers.
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QBuffer>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

#ifdef UTIL_UI_HAS_CONTAINERS
#include <util/expand_widget.h>
#include <util/vertical_scroll_area.h>
#include <util/wizard.h>
#endif

namespace {

QList<QDesignerCustomWidgetInterface*> pluginWidgets(QPluginLoader& loader)
{
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>();
}

// The containers as a form holds them, each with a label on the page named as in its domXml.
const char* const containersForm = R"(<ui version="4.0">
 <class>Containers</class>
 <widget class="QWidget" name="Containers">
  <property name="geometry"><rect><x>0</x><y>0</y><width>600</width><height>700</height></rect></property>
  <widget class="util::Wizard" name="wizard">
   <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>300</height></rect></property>
   <widget class="QWidget" name="wizardPage">
    <widget class="QLabel" name="wizardLabel"><property name="text"><string>First step</string></property></widget>
   </widget>
  </widget>
  <widget class="util::ExpandWidget" name="expandWidget">
   <property name="geometry"><rect><x>0</x><y>300</y><width>200</width><height>100</height></rect></property>
   <widget class="QWidget" name="expandWidgetContents">
    <widget class="QLabel" name="expandLabel"><property name="text"><string>Section</string></property></widget>
   </widget>
  </widget>
  <widget class="util::VerticalScrollArea" name="verticalScrollArea">
   <property name="geometry"><rect><x>0</x><y>400</y><width>200</width><height>200</height></rect></property>
   <widget class="QWidget" name="scrollAreaWidgetContents">
    <widget class="QLabel" name="scrollLabel"><property name="text"><string>Row</string></property></widget>
   </widget>
  </widget>
 </widget>
 <customwidgets>
  <customwidget><class>util::Wizard</class><extends>QWidget</extends><header>util/wizard.h</header><container>1</container><addpagemethod>setContent</addpagemethod></customwidget>
  <customwidget><class>util::ExpandWidget</class><extends>QWidget</extends><header>util/expand_widget.h</header><container>1</container><addpagemethod>addWidget</addpagemethod></customwidget>
  <customwidget><class>util::VerticalScrollArea</class><extends>QScrollArea</extends><header>util/vertical_scroll_area.h</header><container>1</container></customwidget>
 </customwidgets>
 <resources/>
 <connections/>
</ui>
)";

#ifdef UTIL_UI_HAS_CONTAINERS
// Checks that the widgets made from containersForm hold each label on the page, inside.
void checkPagesPlaced(const QWidget* form)
{
    auto* wizard = form->findChild<util::Wizard*>(QStringLiteral("wizard"));
    auto* section = form->findChild<util::ExpandWidget*>(QStringLiteral("expandWidget"));
    auto* area = form->findChild<util::VerticalScrollArea*>(QStringLiteral("verticalScrollArea"));
    QVERIFY(wizard && section && area);
    QVERIFY(wizard->content() && wizard->content()->objectName() == QLatin1String("wizardPage"));
    QVERIFY(wizard->findChild<QFrame*>(QStringLiteral("content"))
                ->isAncestorOf(form->findChild<QLabel*>(QStringLiteral("wizardLabel"))));
    QVERIFY(section->findChild<QWidget*>(QStringLiteral("body"))
                ->isAncestorOf(form->findChild<QLabel*>(QStringLiteral("expandLabel"))));
    QVERIFY(area->widget() && area->widget()->objectName() == QLatin1String("scrollAreaWidgetContents"));
    QVERIFY(area->widget()->isAncestorOf(form->findChild<QLabel*>(QStringLiteral("scrollLabel"))));
}
#endif

// The names of the widget elements that enclose the one named @p name in a form's XML.
QStringList enclosingWidgets(const QString& form, const QString& name)
{
    QXmlStreamReader xml(form);
    QStringList open;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
            const QString widget = xml.attributes().value(QLatin1String("name")).toString();
            if (widget == name)
                return open;
            open.append(widget);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("widget")) {
            open.removeLast();
        }
    }
    return {};
}

} // namespace

class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void createsEveryWidget();
    void containersHoldAPage_data();
    void containersHoldAPage();
    void designerPlacesChildrenInTheContainers();
    void uiLoaderPlacesChildrenInTheContainers();

private:
    QTemporaryDir m_config;
};

void TestDesignerPlugin::initTestCase()
{
    // Designer keeps its settings in the user's configuration.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    // Designer and QUiLoader load widget plugins from the "designer" folder of each library path:
    // here only ours.
    QDir plugins = QFileInfo(QStringLiteral(DESIGNER_PLUGIN_PATH)).dir();
    QVERIFY(plugins.cdUp());
    QCoreApplication::setLibraryPaths({ plugins.path() });
}

void TestDesignerPlugin::createsEveryWidget()
{
    QPluginLoader loader(QStringLiteral(DESIGNER_PLUGIN_PATH));
    const auto widgets = pluginWidgets(loader);
    QVERIFY2(!widgets.isEmpty(), qPrintable(loader.errorString()));

    QWidget form;
    QSet<QString> names;
    for (QDesignerCustomWidgetInterface* entry : widgets) {
        const QString name = entry->name();
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        QVERIFY(!entry->group().isEmpty());
        QVERIFY(!entry->toolTip().isEmpty());
        QVERIFY(!entry->icon().isNull());
        QVERIFY2(QFileInfo::exists(QStringLiteral(LIBRARY_INCLUDE_DIR "/") + entry->includeFile()),
            qPrintable(entry->includeFile()));

        QWidget* widget = entry->createWidget(&form);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);
        QCOMPARE(widget->parentWidget(), &form);

        QXmlStreamReader xml(entry->domXml());
        bool sawWidget = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!sawWidget && xml.isStartElement() && xml.name() == QLatin1String("widget")) {
                QCOMPARE(xml.attributes().value(QLatin1String("class")).toString(), name);
                QVERIFY(!xml.attributes().value(QLatin1String("name")).isEmpty());
                sawWidget = true;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(sawWidget);
    }
}

void TestDesignerPlugin::containersHoldAPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("instance");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("extends");
    QTest::addColumn<QString>("addPageMethod");
    QTest::newRow("wizard") << "util::Wizard"
                            << "wizard"
                            << "wizardPage"
                            << "QWidget"
                            << "setContent";
    QTest::newRow("section") << "util::ExpandWidget"
                             << "expandWidget"
                             << "expandWidgetContents"
                             << "QWidget"
                             << "addWidget";
    QTest::newRow("scroll area") << "util::VerticalScrollArea"
                                 << "verticalScrollArea"
                                 << "scrollAreaWidgetContents"
                                 << "QScrollArea"
                                 << "";
}

// A new container holds the page its children go into; uic learns how to hand it the page.
void TestDesignerPlugin::containersHoldAPage()
{
#ifdef UTIL_UI_HAS_CONTAINERS
    QFETCH(QString, name);
    QFETCH(QString, instance);
    QFETCH(QString, page);
    QFETCH(QString, extends);
    QFETCH(QString, addPageMethod);
    QPluginLoader loader(QStringLiteral(DESIGNER_PLUGIN_PATH));
    const auto widgets = pluginWidgets(loader);
    const auto entry = std::find_if(widgets.begin(), widgets.end(),
        [&name](QDesignerCustomWidgetInterface* widget) { return widget->name() == name; });
    QVERIFY(entry != widgets.end());
    QVERIFY((*entry)->isContainer());

    const QString xml = (*entry)->domXml();
    QCOMPARE(enclosingWidgets(xml, page), QStringList { instance });
    QVERIFY(xml.contains(QStringLiteral("<class>%1</class>").arg(name)));
    QVERIFY(xml.contains(QStringLiteral("<extends>%1</extends>").arg(extends)));
    QCOMPARE(xml.contains(QStringLiteral("<addpagemethod>%1</addpagemethod>").arg(addPageMethod)),
        !addPageMethod.isEmpty());
#else
    QSKIP("built without the containers");
#endif
}

// Qt Designer itself, with the plugin loaded as it loads it, puts a form's child widgets into the
// containers, keeps them there when it saves the form, and lets no second page in.
void TestDesignerPlugin::designerPlacesChildrenInTheContainers()
{
#ifdef UTIL_UI_HAS_CONTAINERS
    QDesignerComponents::initializeResources();
    QObject session;
    QWidget tools; // Designer's tool windows go before the editor
    QDesignerFormEditorInterface* core = QDesignerComponents::createFormEditor(&session);
    core->setPropertyEditor(QDesignerComponents::createPropertyEditor(core, &tools));
    new QDesignerIntegration(core, core);
    QDesignerComponents::initializePlugins(core);
    QDesignerFormWindowInterface* form = core->formWindowManager()->createFormWindow();
    QVERIFY(form->setContents(QString::fromUtf8(containersForm)));

    checkPagesPlaced(form);
    if (QTest::currentTestFailed())
        return;

    for (QWidget* container : { static_cast<QWidget*>(form->findChild<util::Wizard*>()),
             static_cast<QWidget*>(form->findChild<util::ExpandWidget*>()) }) {
        auto* pages = qt_extension<QDesignerContainerExtension*>(core->extensionManager(), container);
        QVERIFY(pages);
        QCOMPARE(pages->count(), 1);
        QVERIFY(!pages->canAddWidget() && !pages->canRemove(0));
    }

    const QString saved = form->contents();
    QCOMPARE(enclosingWidgets(saved, QStringLiteral("wizardLabel")),
        (QStringList {
            QStringLiteral("Containers"), QStringLiteral("wizard"), QStringLiteral("wizardPage") }));
    QCOMPARE(enclosingWidgets(saved, QStringLiteral("expandLabel")),
        (QStringList { QStringLiteral("Containers"), QStringLiteral("expandWidget"),
            QStringLiteral("expandWidgetContents") }));
    QCOMPARE(enclosingWidgets(saved, QStringLiteral("scrollLabel")),
        (QStringList { QStringLiteral("Containers"), QStringLiteral("verticalScrollArea"),
            QStringLiteral("scrollAreaWidgetContents") }));
#else
    QSKIP("built without the containers");
#endif
}

// A form loaded at run time gets the same widgets: QUiLoader hands each container its page.
void TestDesignerPlugin::uiLoaderPlacesChildrenInTheContainers()
{
#ifdef UTIL_UI_HAS_CONTAINERS
    QUiLoader loader;
    QBuffer ui;
    ui.setData(containersForm);
    const std::unique_ptr<QWidget> form(loader.load(&ui));
    QVERIFY2(form, qPrintable(loader.errorString()));
    checkPagesPlaced(form.get());
#else
    QSKIP("built without the containers");
#endif
}

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designer_plugin.moc"
