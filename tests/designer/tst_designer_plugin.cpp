// The Designer plugin loads and creates every widget it offers.
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QFileInfo>
#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtTest>

class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createsEveryWidget();
};

void TestDesignerPlugin::createsEveryWidget()
{
    QPluginLoader loader(QStringLiteral(DESIGNER_PLUGIN_PATH));
    QObject* instance = loader.instance();
    QVERIFY2(instance, qPrintable(loader.errorString()));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    QVERIFY(collection);
    const auto widgets = collection->customWidgets();
    QVERIFY(!widgets.isEmpty());

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
            if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
                QCOMPARE(xml.attributes().value(QLatin1String("class")).toString(), name);
                QVERIFY(!xml.attributes().value(QLatin1String("name")).isEmpty());
                sawWidget = true;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(sawWidget);
    }
}

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designer_plugin.moc"
