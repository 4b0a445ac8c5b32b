// The shipped German translation reaches the library's forms, also when it is installed while
// they are open.
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#ifdef UTIL_UI_HAS_CONTAINERS
#include <util/wizard.h>
#endif
#ifdef UTIL_UI_HAS_ENTRY
#include <util/ctrl_combo_box.h>
#endif
#ifdef UTIL_UI_HAS_POPUPS
#include <util/slider_popup.h>
#endif

namespace {

// Installs a translator for its lifetime; the application announces each change with a
// QEvent::LanguageChange to every window.
class Installed
{
public:
    explicit Installed(QTranslator& translator)
        : m_translator(translator)
    {
        QCoreApplication::installTranslator(&m_translator);
    }
    ~Installed() { QCoreApplication::removeTranslator(&m_translator); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

private:
    QTranslator& m_translator;
};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void wizardSpeaksGerman();
    void wizardFollowsTheLanguage();
    void comboBoxErrorFollowsTheLanguage();
    void sliderPopupSpeaksGerman();
    void sliderPopupFollowsTheLanguage();

private:
    QTranslator m_german;
};

void TestTranslations::initTestCase()
{
    QVERIFY(m_german.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("util-ui"),
        QStringLiteral("_"), QStringLiteral(":/util-ui/translations")));
}

void TestTranslations::wizardSpeaksGerman()
{
#ifdef UTIL_UI_HAS_CONTAINERS
    const Installed german(m_german);
    util::Wizard wizard;
    QCOMPARE(wizard.findChild<QPushButton*>(QStringLiteral("previous"))->text(), QStringLiteral("Zurück"));
    QCOMPARE(wizard.findChild<QPushButton*>(QStringLiteral("next"))->text(), QStringLiteral("Weiter"));
    QCOMPARE(wizard.findChild<QPushButton*>(QStringLiteral("close_bt"))->text(), QStringLiteral("Schließen"));
#else
    QSKIP("built without the containers");
#endif
}

void TestTranslations::wizardFollowsTheLanguage()
{
#ifdef UTIL_UI_HAS_CONTAINERS
    util::Wizard wizard;
    wizard.addStep(QStringLiteral("Connect"));
    auto* previous = wizard.findChild<QPushButton*>(QStringLiteral("previous"));
    auto* next = wizard.findChild<QPushButton*>(QStringLiteral("next"));
    auto* close = wizard.findChild<QPushButton*>(QStringLiteral("close_bt"));
    QCOMPARE(next->text(), QStringLiteral("Next"));
    {
        const Installed german(m_german);
        QTRY_COMPARE(next->text(), QStringLiteral("Weiter"));
        QCOMPARE(previous->text(), QStringLiteral("Zurück"));
        QCOMPARE(close->text(), QStringLiteral("Schließen"));
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Assistent"));
    }
    QTRY_COMPARE(next->text(), QStringLiteral("Next"));
    QCOMPARE(previous->text(), QStringLiteral("Previous"));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(wizard.windowTitle(), QStringLiteral("Wizard"));

    // A title the host gave the wizard stays the host's.
    wizard.setWindowTitle(QStringLiteral("Sensor set-up"));
    const Installed german(m_german);
    QTRY_COMPARE(next->text(), QStringLiteral("Weiter"));
    QCOMPARE(wizard.windowTitle(), QStringLiteral("Sensor set-up"));
#else
    QSKIP("built without the containers");
#endif
}

void TestTranslations::comboBoxErrorFollowsTheLanguage()
{
#ifdef UTIL_UI_HAS_ENTRY
    util::CtrlComboBox box;
    util::CtrlComboBox hostText;
    hostText.setErrorText(QStringLiteral("No camera"));
    QCOMPARE(box.errorText(), QStringLiteral("--Invalid Values--"));
    {
        const Installed german(m_german);
        QTRY_COMPARE(box.errorText(), QStringLiteral("--Ungültige Werte--"));
        QCOMPARE(hostText.errorText(), QStringLiteral("No camera"));
    }
    QTRY_COMPARE(box.errorText(), QStringLiteral("--Invalid Values--"));
#else
    QSKIP("built without the entry controls");
#endif
}

void TestTranslations::sliderPopupSpeaksGerman()
{
#ifdef UTIL_UI_HAS_POPUPS
    const Installed german(m_german);
    Int64SliderPopup popup;
    QCOMPARE(
        popup.findChild<QLabel*>(QStringLiteral("absolute_max_label"))->text(), QStringLiteral("abs. Max"));
    QCOMPARE(
        popup.findChild<QLabel*>(QStringLiteral("absolute_min_label"))->text(), QStringLiteral("abs. Min"));
#else
    QSKIP("built without the popups");
#endif
}

void TestTranslations::sliderPopupFollowsTheLanguage()
{
#ifdef UTIL_UI_HAS_POPUPS
    // The labels that still name their place follow the language; numbers the popup wrote stay.
    Int64SliderPopup named;
    Int64SliderPopup numbered;
    numbered.setSliderRange(-5, 5, 1, true);
    const auto label = [](const QWidget& popup, const char* name) {
        return popup.findChild<QLabel*>(QLatin1String(name))->text();
    };
    const QString numbers = label(numbered, "absolute_max_label") + label(numbered, "value_label");
    {
        const Installed german(m_german);
        QTRY_COMPARE(label(named, "absolute_max_label"), QStringLiteral("abs. Max"));
        QCOMPARE(label(numbered, "absolute_max_label") + label(numbered, "value_label"), numbers);
    }
    QTRY_COMPARE(label(named, "absolute_max_label"), QStringLiteral("abs max"));
    QCOMPARE(label(numbered, "absolute_max_label") + label(numbered, "value_label"), numbers);
#else
    QSKIP("built without the popups");
#endif
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
