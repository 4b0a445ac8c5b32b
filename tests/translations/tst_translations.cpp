// The shipped German translation reaches the library's forms.
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#ifdef UTIL_UI_HAS_CONTAINERS
#include <util/wizard.h>
#endif
#ifdef UTIL_UI_HAS_POPUPS
#include <util/slider_popup.h>
#endif

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void wizardSpeaksGerman();
    void sliderPopupSpeaksGerman();

private:
    QTranslator m_translator;
};

void TestTranslations::initTestCase()
{
    QVERIFY(m_translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("util-ui"),
        QStringLiteral("_"), QStringLiteral(":/util-ui/translations")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
}

void TestTranslations::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void TestTranslations::wizardSpeaksGerman()
{
#ifdef UTIL_UI_HAS_CONTAINERS
    util::Wizard wizard;
    QCOMPARE(wizard.findChild<QPushButton*>(QStringLiteral("previous"))->text(), QStringLiteral("Zurück"));
    QCOMPARE(wizard.findChild<QPushButton*>(QStringLiteral("next"))->text(), QStringLiteral("Weiter"));
    QCOMPARE(wizard.findChild<QPushButton*>(QStringLiteral("close_bt"))->text(), QStringLiteral("Schließen"));
#else
    QSKIP("built without the containers");
#endif
}

void TestTranslations::sliderPopupSpeaksGerman()
{
#ifdef UTIL_UI_HAS_POPUPS
    Int64SliderPopup popup;
    QCOMPARE(
        popup.findChild<QLabel*>(QStringLiteral("absolute_max_label"))->text(), QStringLiteral("abs. Max"));
    QCOMPARE(
        popup.findChild<QLabel*>(QStringLiteral("absolute_min_label"))->text(), QStringLiteral("abs. Min"));
#else
    QSKIP("built without the popups");
#endif
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
