// The signed and unsigned 64-bit spin boxes, driven through their line edit, keys and steps.
#include <util/ctrl_int64_spin_box.h>

#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtTest>

using util::CtrlInt64SpinBox;
using util::CtrlUInt64SpinBox;

namespace {

const QString smin = QStringLiteral("-9223372036854775808");
const QString smax = QStringLiteral("9223372036854775807");
const QString umax = QStringLiteral("18446744073709551615");
const int invalid = QValidator::Invalid, intermediate = QValidator::Intermediate, ok = QValidator::Acceptable;

// Table rows; values are decimal text, so that one row type serves both boxes.
struct Text
{
    bool isUnsigned;
    int base;
    QString value, shown, prefix {}, suffix {};
};
struct Range
{
    bool isUnsigned;
    int base;
    qint64 minimum, maximum;
    QString specialValueText {};
};
struct Sized
{
    bool isUnsigned;
    int base;
    QString minimum, maximum;
    QString widest; ///< the widest text of a value of the range, with prefix and suffix
    QString prefix {}, suffix {}, specialValueText {};
    bool groupSeparators = false;
};
struct Step
{
    bool isUnsigned;
    QString minimum, maximum, value;
    int singleStep, steps;
    bool wrapping;
    QString result;
};

template<class Box> auto number(const QString& text)
{
    if constexpr (std::is_signed_v<decltype(std::declval<Box>().value())>)
        return text.toLongLong();
    else
        return text.toULongLong();
}

// Runs @p check on a fresh, shown box of the given type, or of the signed or the unsigned type.
template<class Box, class Check> void withBox(Check check)
{
    Box box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    check(box);
}

template<class Check> void withBox(bool isUnsigned, Check check)
{
    isUnsigned ? withBox<CtrlUInt64SpinBox>(check) : withBox<CtrlInt64SpinBox>(check);
}

QLineEdit* edit(QAbstractSpinBox& box)
{
    return box.findChild<QLineEdit*>();
}

// Selects everything, deletes it and types @p text key by key.
void retype(QAbstractSpinBox& box, const QString& text)
{
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, text);
}

int validate(QAbstractSpinBox& box, QString text)
{
    int pos = 0;
    return box.validate(text, pos);
}

} // namespace

Q_DECLARE_METATYPE(Text)
Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Range)
Q_DECLARE_METATYPE(Sized)

class TestCtrlInt64SpinBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metaTypes();
    void textsInBases_data();
    void textsInBases();
    void groupSeparatorsWhileTyping_data();
    void groupSeparatorsWhileTyping();
    void validation();
    void verdictFollowsEveryChange();
    void fixupAndRefusedBase();
    void finishingAnEdit();
    void steps_data();
    void steps();
    void enabledSteps();
    void signalOrderAndSelection();
    void specialValueTextAndEmptyText();
    void typedTextStaysUntilFinished();
    void everyValueTypedDigitByDigit_data();
    void everyValueTypedDigitByDigit();
    void keyboardTracking();
    void textPutIntoLineEdit();
    void textFollowsEverySetting();
    void sizeHintFitsTheRange_data();
    void sizeHintFitsTheRange();
    void sizeFollowsEverySetting();
    void inputMethodHints();
};

void TestCtrlInt64SpinBox::metaTypes()
{
    CtrlInt64SpinBox box;
    QCOMPARE(CtrlInt64SpinBox::valueTypeMetaId, QMetaType::type("ValueType"));
    QCOMPARE(CtrlUInt64SpinBox::valueTypeMetaId, QMetaType::type("UnsignedValueType"));
    QCOMPARE(box.metaObject()->userProperty().typeName(), "ValueType");
    QVERIFY(box.setProperty("value", QVariant::fromValue(qint64(-7))));
    QCOMPARE(box.property("cleanText").toString(), QStringLiteral("-7"));
}

// Both ends of both types in every base: shown by setValue, then typed back digit by digit.
void TestCtrlInt64SpinBox::textsInBases_data()
{
    QTest::addColumn<Text>("c");
    QTest::newRow("s min 2") << Text { false, 2, smin, "-1" + QString(63, '0') };
    QTest::newRow("s max 2") << Text { false, 2, smax, QString(63, '1') };
    QTest::newRow("s min 8") << Text { false, 8, smin, "-1000000000000000000000" };
    QTest::newRow("s max 8") << Text { false, 8, smax, "777777777777777777777" };
    QTest::newRow("s min 10") << Text { false, 10, smin, smin };
    QTest::newRow("s max 10") << Text { false, 10, smax, smax };
    QTest::newRow("s min 16 affixes") << Text { false, 16, smin, "0x-8000000000000000 h", "0x", " h" };
    QTest::newRow("s max 16") << Text { false, 16, smax, "7fffffffffffffff" };
    QTest::newRow("s -71 36") << Text { false, 36, "-71", "R=-1z", "R=" };
    QTest::newRow("u max 2 affixes") << Text { true, 2, umax, "b" + QString(64, '1') + " bits", "b",
        " bits" };
    QTest::newRow("u max 8") << Text { true, 8, umax, "1777777777777777777777" };
    QTest::newRow("u max 10") << Text { true, 10, umax, umax };
    QTest::newRow("u max 16") << Text { true, 16, umax, "ffffffffffffffff h", "", " h" };
}

void TestCtrlInt64SpinBox::textsInBases()
{
    QFETCH(Text, c);
    withBox(c.isUnsigned, [&](auto& box) {
        using Box = std::decay_t<decltype(box)>;
        box.setDisplayIntegerBase(c.base);
        box.setPrefix(c.prefix);
        box.setSuffix(c.suffix);
        box.setValue(number<Box>(c.value));
        QCOMPARE(edit(box)->text(), c.shown);
        const QString clean
            = c.shown.mid(c.prefix.size(), c.shown.size() - c.prefix.size() - c.suffix.size());
        QCOMPARE(box.cleanText(), clean);

        box.setValue(1);
        retype(box, clean);
        QCOMPARE(edit(box)->text(), c.shown);
        QCOMPARE(box.value(), number<Box>(c.value));
    });
}

void TestCtrlInt64SpinBox::groupSeparatorsWhileTyping_data()
{
    QTest::addColumn<QString>("locale");
    for (const char* name : { "en_US", "de_DE", "fr_FR", "de_CH", "hi_IN", "sv_SE", "ar_EG" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCtrlInt64SpinBox::groupSeparatorsWhileTyping()
{
    QFETCH(QString, locale);
    const QLocale loc(locale);
    withBox<CtrlInt64SpinBox>([&](auto& box) {
        box.setLocale(loc);
        box.setGroupSeparatorShown(true);
        // The digits stay as typed until the edit finishes; then they are grouped.
        retype(box, QStringLiteral("1234567"));
        QCOMPARE(box.value(), 1234567);
        QCOMPARE(edit(box)->text(), QStringLiteral("1234567"));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(edit(box)->text(), loc.toString(1234567));

        retype(box, QStringLiteral("-98765"));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(edit(box)->text(), loc.toString(-98765));
        // Digits typed in the middle of a grouped number.
        edit(box)->setCursorPosition(edit(box)->text().size() - 1);
        QTest::keyClicks(&box, "01");
        QCOMPARE(box.value(), -9876015);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(edit(box)->text(), loc.toString(-9876015));
    });
}

// Every verdict holds with and without prefix and suffix around the number.
void TestCtrlInt64SpinBox::validation()
{
    struct Case
    {
        bool isUnsigned;
        QString minimum, maximum, text;
        int state;
    };
    QVector<Case> cases { { false, smin, smax, smin, ok },
        { false, smin, smax, "-9223372036854775809", invalid }, { false, smin, smax, "-", intermediate },
        { false, "0", "10", "-", invalid }, { false, "-100", "-10", "-5", intermediate },
        { true, "0", umax, "-", invalid } };
    for (bool u : { false, true }) {
        const QString min = u ? "0" : smin, max = u ? umax : smax;
        cases += { { u, min, max, "", intermediate }, { u, min, max, "+", intermediate },
            { u, min, max, " " + max + " ", ok }, { u, min, max, max.chopped(1) + "8", invalid },
            { u, min, max, QString(9999, '9'), invalid }, { u, min, max, "12a", invalid },
            { u, "10", "100", "5", intermediate }, { u, "10", "100", "500", invalid } };
    }
    for (const Case& c : cases) {
        withBox(c.isUnsigned, [&](auto& box) {
            using Box = std::decay_t<decltype(box)>;
            box.setRange(number<Box>(c.minimum), number<Box>(c.maximum));
            QVERIFY2(validate(box, c.text) == c.state, qPrintable(c.text));
            box.setPrefix(QStringLiteral("P:"));
            box.setSuffix(QStringLiteral(" S"));
            QVERIFY2(validate(box, "P:" + c.text + " S") == c.state, qPrintable(c.text));
        });
    }
}

// A text seen before gets a fresh verdict after anything it depends on changed. The box shows 5
// so that a new prefix or suffix turns the shown text into the one under test.
void TestCtrlInt64SpinBox::verdictFollowsEveryChange()
{
    withBox<CtrlUInt64SpinBox>([](auto& box) {
        box.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        box.setValue(5);
        auto check = [&](const QString& text, int before, int after, auto change) {
            QCOMPARE(validate(box, text), before);
            change();
            QCOMPARE(validate(box, text), after);
        };
        check("50", ok, invalid, [&] { box.setRange(0, 10); });
        box.setRange(0, 100);
        check("1f", invalid, ok, [&] { box.setDisplayIntegerBase(16); });
        box.setDisplayIntegerBase(10);
        check("#5", invalid, ok, [&] { box.setPrefix(QStringLiteral("#")); });
        check("#5 mm", invalid, ok, [&] { box.setSuffix(QStringLiteral(" mm")); });
        check("auto", invalid, ok, [&] { box.setSpecialValueText(QStringLiteral("auto")); });
        check("#1.0 mm", invalid, ok, [&] { box.setLocale(QLocale(QLocale::German)); });
    });
}

void TestCtrlInt64SpinBox::fixupAndRefusedBase()
{
    CtrlInt64SpinBox box;
    box.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    auto fixedUp = [&](int base, QString text) {
        box.setDisplayIntegerBase(base);
        box.fixup(text);
        return text;
    };
    QCOMPARE(fixedUp(16, "0X1f"), QStringLiteral("1f"));
    QCOMPARE(fixedUp(10, "0x10"), QStringLiteral("0x10"));
    QCOMPARE(fixedUp(10, "1,234,567"), QStringLiteral("1234567"));
    box.setGroupSeparatorShown(true);
    QCOMPARE(fixedUp(10, "1,234,567"), QStringLiteral("1,234,567"));
    box.setValueText(QStringLiteral("0b11")); // refused in base 10, fixed up and accepted in base 2
    QCOMPARE(box.value(), 0);
    box.setDisplayIntegerBase(2);
    box.setValueText(QStringLiteral("0b11"));
    QCOMPARE(box.value(), 3);

    for (int base : { -1, 0, 1, 37 }) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refuses display base"));
        box.setDisplayIntegerBase(base);
    }
    QCOMPARE(box.text(), QStringLiteral("11"));
}

// A number below the range waits until editing finishes; one above it is refused as typed and,
// handed over by the host, stands for the current value or the nearest bound.
void TestCtrlInt64SpinBox::finishingAnEdit()
{
    for (bool u : { false, true }) {
        for (auto mode :
            { QAbstractSpinBox::CorrectToPreviousValue, QAbstractSpinBox::CorrectToNearestValue }) {
            const bool nearest = mode == QAbstractSpinBox::CorrectToNearestValue;
            withBox(u, [&](auto& box) {
                box.setCorrectionMode(mode);
                box.setRange(10, 100);
                box.setValue(50);
                retype(box, QStringLiteral("5"));
                QCOMPARE(edit(box)->text(), QStringLiteral("5"));
                QTest::keyClick(&box, Qt::Key_Enter);
                QCOMPARE(box.cleanText(), nearest ? QStringLiteral("10") : QStringLiteral("50"));

                retype(box, QStringLiteral("500"));
                QCOMPARE(edit(box)->text(), QStringLiteral("50"));
                box.setPrefix(QStringLiteral("#"));
                box.setValueText(QStringLiteral("#500"));
                QCOMPARE(box.cleanText(), nearest ? QStringLiteral("100") : QStringLiteral("50"));
            });
        }
    }
}

void TestCtrlInt64SpinBox::steps_data()
{
    QTest::addColumn<Step>("c");
    const int big = std::numeric_limits<int>::max();
    QTest::newRow("s wrap past span") << Step { false, "0", "10", "0", 100, 1, true, "1" };
    QTest::newRow("s wrap down past span") << Step { false, "0", "10", "0", 100, -1, true, "10" };
    QTest::newRow("s from above range") << Step { false, "0", "10", "50", 1, -1, false, "9" };
    QTest::newRow("s from below range") << Step { false, "0", "10", "-50", 1, 1, false, "1" };
    QTest::newRow("s max wraps to min") << Step { false, smin, smax, smax, 1, 1, true, smin };
    QTest::newRow("s min wraps to max") << Step { false, smin, smax, smin, 1, -1, true, smax };
    QTest::newRow("s max saturates") << Step { false, smin, smax, smax, big, big, false, smax };
    QTest::newRow("s min saturates") << Step { false, smin, smax, smin, big, -big, false, smin };
    QTest::newRow("s empty range") << Step { false, "10", "0", "5", 1, 1, true, "5" };
    QTest::newRow("u wrap 9+3") << Step { true, "0", "10", "9", 3, 1, true, "1" };
    QTest::newRow("u max wraps to 0") << Step { true, "0", umax, umax, 1, 1, true, "0" };
    QTest::newRow("u 0 wraps to max") << Step { true, "0", umax, "0", 1, -1, true, umax };
    QTest::newRow("u 0 saturates") << Step { true, "0", umax, "0", big, -big, false, "0" };
    QTest::newRow("u wrap past span") << Step { true, "5", "7", "5", 10, -1, true, "7" };
}

// Saturating and wrapping steps at both ends of both types; every step completes an edit.
void TestCtrlInt64SpinBox::steps()
{
    QFETCH(Step, c);
    withBox(c.isUnsigned, [&](auto& box) {
        using Box = std::decay_t<decltype(box)>;
        box.setRange(number<Box>(c.minimum), number<Box>(c.maximum));
        box.setValue(number<Box>(c.value));
        box.setSingleStep(c.singleStep);
        box.setWrapping(c.wrapping);
        QSignalSpy finished(&box, &QAbstractSpinBox::editingFinished);
        box.stepBy(c.steps);
        QCOMPARE(box.value(), number<Box>(c.result));
        QCOMPARE(finished.count(), 1);
    });
}

// An arrow key steps only while its direction is enabled.
void TestCtrlInt64SpinBox::enabledSteps()
{
    auto stepsOnKey = [](QAbstractSpinBox& box, Qt::Key key) {
        QSignalSpy finished(&box, &QAbstractSpinBox::editingFinished);
        QTest::keyClick(&box, key);
        return finished.count();
    };
    withBox<CtrlInt64SpinBox>([&](auto& box) {
        box.setRange(-5, 5);
        box.setValue(5);
        QCOMPARE(stepsOnKey(box, Qt::Key_Up), 1); // stays enabled on the bound
        box.setValue(9); // above the range
        QCOMPARE(stepsOnKey(box, Qt::Key_Up), 0);
        QCOMPARE(stepsOnKey(box, Qt::Key_Down), 1);
        QCOMPARE(box.value(), 4);
        box.setReadOnly(true);
        QCOMPARE(stepsOnKey(box, Qt::Key_Down), 0);
        box.setReadOnly(false);
        box.setRange(5, -5);
        box.setWrapping(true);
        QCOMPARE(stepsOnKey(box, Qt::Key_Down), 0); // an empty range has no steps
    });
    withBox<CtrlUInt64SpinBox>([&](auto& box) {
        box.setRange(0, 5);
        box.setValue(5);
        QCOMPARE(stepsOnKey(box, Qt::Key_Up), 0); // disabled on the bound
        QCOMPARE(stepsOnKey(box, Qt::Key_PageDown), 1);
        QCOMPARE(stepsOnKey(box, Qt::Key_Down), 0);
        box.setWrapping(true);
        QCOMPARE(stepsOnKey(box, Qt::Key_Down), 1);
        QCOMPARE(box.value(), 5u);
    });
}

void TestCtrlInt64SpinBox::signalOrderAndSelection()
{
    withBox<CtrlInt64SpinBox>([](auto& box) {
        box.setPrefix(QStringLiteral("$ "));
        box.setSuffix(QStringLiteral(" k"));
        box.setValue(9);
        QStringList events;
        QObject::connect(&box, qOverload<qint64>(&CtrlInt64SpinBox::valueChanged),
            [&](qint64 v) { events << QString::number(v); });
        QObject::connect(&box, qOverload<QString>(&CtrlInt64SpinBox::valueChanged),
            [&](const QString& text) { events << text; });
        QObject::connect(
            &box, &QAbstractSpinBox::editingFinished, [&] { events << QStringLiteral("finished"); });
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(events, QStringList({ "10", "$ 10 k", "finished" }));
        QCOMPARE(edit(box)->selectedText(), QStringLiteral("10"));

        events.clear();
        retype(box, QStringLiteral("12"));
        QCOMPARE(events, QStringList({ "1", "$ 1 k", "12", "$ 12 k" }));
    });
}

// The special-value text stands for the minimum; the unsigned box accepts it but never shows it.
void TestCtrlInt64SpinBox::specialValueTextAndEmptyText()
{
    withBox<CtrlInt64SpinBox>([](auto& box) {
        box.setRange(-1, 10);
        box.setSpecialValueText(QStringLiteral("off"));
        box.setPrefix(QStringLiteral("<"));
        box.setSuffix(QStringLiteral(">"));
        box.setValue(-1);
        box.stepBy(0);
        QCOMPARE(edit(box)->selectedText(), QStringLiteral("off"));
        box.setValue(3);
        box.setValueText(QString());
        QCOMPARE(edit(box)->text(), QStringLiteral("<>"));
        QCOMPARE(edit(box)->cursorPosition(), 1);
        QCOMPARE(box.value(), 3);
        box.setValueText(QStringLiteral("<off>"));
        QCOMPARE(box.value(), -1);
    });
    withBox<CtrlUInt64SpinBox>([](auto& box) {
        box.setRange(1, 10);
        box.setSpecialValueText(QStringLiteral("off"));
        QCOMPARE(edit(box)->text(), QStringLiteral("1"));
        box.setValue(4);
        box.setValueText(QStringLiteral("off"));
        QCOMPARE(box.value(), 1u);
    });
}

// What the user types stays on screen, while the value follows it, until the edit finishes.
void TestCtrlInt64SpinBox::typedTextStaysUntilFinished()
{
    withBox<CtrlInt64SpinBox>([](auto& box) {
        box.setRange(1, 100);
        box.setSpecialValueText(QStringLiteral("Auto"));
        box.setValue(50);
        retype(box, QStringLiteral("1"));
        QCOMPARE(edit(box)->text(), QStringLiteral("1"));
        QCOMPARE(box.value(), 1);
        QTest::keyClicks(&box, QStringLiteral("5"));
        QCOMPARE(edit(box)->text(), QStringLiteral("15"));
        QCOMPARE(box.value(), 15);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(edit(box)->text(), QStringLiteral("15"));
        retype(box, QStringLiteral("1"));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(edit(box)->text(), QStringLiteral("Auto"));

        box.setSpecialValueText(QString());
        box.setRange(-10, 10);
        box.setPrefix(QStringLiteral("<"));
        QSignalSpy changed(&box, qOverload<qint64>(&CtrlInt64SpinBox::valueChanged));
        retype(box, QStringLiteral("-05"));
        QCOMPARE(edit(box)->text(), QStringLiteral("<-05"));
        QCOMPARE(box.value(), -5);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(edit(box)->text(), QStringLiteral("<-5"));
        QCOMPARE(changed.count(), 2); // 0 for "-0", then -5
    });
}

void TestCtrlInt64SpinBox::everyValueTypedDigitByDigit_data()
{
    QTest::addColumn<Range>("c");
    QTest::newRow("s 1..100 auto") << Range { false, 10, 1, 100, "Auto" };
    QTest::newRow("s -300..-200") << Range { false, 10, -300, -200 };
    QTest::newRow("s -40..40 base 2") << Range { false, 2, -40, 40 };
    QTest::newRow("s 1..300 base 16 auto") << Range { false, 16, 1, 300, "1" };
    QTest::newRow("u 100..400 base 8") << Range { true, 8, 100, 400 };
    QTest::newRow("u 20..200 base 36 auto") << Range { true, 36, 20, 200, "Auto" };
}

// Every value of the range can be typed digit by digit and ends as the value, shown in its
// display form once the edit finishes.
void TestCtrlInt64SpinBox::everyValueTypedDigitByDigit()
{
    QFETCH(Range, c);
    withBox(c.isUnsigned, [&](auto& box) {
        box.setDisplayIntegerBase(c.base);
        box.setRange(c.minimum, c.maximum);
        box.setSpecialValueText(c.specialValueText);
        for (qint64 v = c.minimum; v <= c.maximum; ++v) {
            const QString digits = (v < 0 ? "-" : "") + QString::number(qAbs(v), c.base);
            retype(box, digits);
            QVERIFY2(
                edit(box)->text() == digits && box.value() == decltype(box.value())(v), qPrintable(digits));
            QTest::keyClick(&box, Qt::Key_Return);
            QCOMPARE(edit(box)->text(), box.displayedText());
        }
    });
}

// Without keyboard tracking the value changes once, when the edit finishes: on Return, on a step
// (which starts from the typed number) and when the focus leaves.
void TestCtrlInt64SpinBox::keyboardTracking()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new CtrlUInt64SpinBox(&window);
    layout->addWidget(box);
    layout->addWidget(new QLineEdit(&window));
    box->setKeyboardTracking(false);
    box->setValue(5);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    QSignalSpy changed(box, qOverload<quint64>(&CtrlUInt64SpinBox::valueChanged));
    retype(*box, QStringLiteral("42"));
    QCOMPARE(edit(*box)->text(), QStringLiteral("42"));
    QCOMPARE(changed.count(), 0);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(box->value(), 42u);

    retype(*box, QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_Up);
    QCOMPARE(box->value(), 13u);
    QCOMPARE(changed.count(), 2);

    retype(*box, QStringLiteral("007"));
    QTest::keyClick(box, Qt::Key_Tab);
    QTRY_VERIFY(!box->hasFocus());
    QCOMPARE(box->value(), 7u);
    QCOMPARE(edit(*box)->text(), QStringLiteral("7"));
    QCOMPARE(changed.count(), 3);
}

// Text that code puts into the line edit is read when the edit finishes or interpretText() is
// called, and fixed up or corrected like typed text.
void TestCtrlInt64SpinBox::textPutIntoLineEdit()
{
    withBox<CtrlInt64SpinBox>([](auto& box) {
        box.setPrefix(QStringLiteral("#"));
        box.setValue(5);
        edit(box)->setText(QStringLiteral("42"));
        QCOMPARE(box.value(), 5);
        box.interpretText();
        QCOMPARE(box.value(), 42);
        QCOMPARE(edit(box)->text(), QStringLiteral("#42"));

        box.setDisplayIntegerBase(16);
        edit(box)->setText(QStringLiteral("0x1F"));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.value(), 31);
        QCOMPARE(edit(box)->text(), QStringLiteral("#1f"));

        box.setDisplayIntegerBase(10);
        box.setRange(10, 100);
        box.setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        edit(box)->setText(QStringLiteral("500"));
        box.interpretText();
        QCOMPARE(box.value(), 100);
        edit(box)->setText(QStringLiteral("5"));
        box.interpretText();
        QCOMPARE(box.value(), 10);
        box.setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
        edit(box)->setText(QStringLiteral("x"));
        box.interpretText();
        QCOMPARE(box.value(), 10);
        QCOMPARE(edit(box)->text(), QStringLiteral("#10"));
    });
}

// A setting that changes how the value is shown changes what the box shows at once, whether it is
// set through the box or through its property.
void TestCtrlInt64SpinBox::textFollowsEverySetting()
{
    withBox<CtrlInt64SpinBox>([](auto& box) {
        box.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        box.setRange(-5, 100000);
        box.setValue(-5);
        box.setSpecialValueText(QStringLiteral("none"));
        QCOMPARE(edit(box)->text(), QStringLiteral("none"));
        QVERIFY(box.setProperty("specialValueText", QString()));
        QCOMPARE(edit(box)->text(), QStringLiteral("-5"));
        box.setValue(12345);
        box.setGroupSeparatorShown(true);
        QCOMPARE(edit(box)->text(), QStringLiteral("12,345"));
        QVERIFY(box.setProperty("showGroupSeparator", false));
        QCOMPARE(edit(box)->text(), QStringLiteral("12345"));
    });
    withBox<CtrlUInt64SpinBox>([](auto& box) {
        box.setLocale(QLocale(QLocale::German));
        box.setValue(1234567);
        box.setGroupSeparatorShown(true);
        QCOMPARE(edit(box)->text(), QStringLiteral("1.234.567"));
    });
}

void TestCtrlInt64SpinBox::sizeHintFitsTheRange_data()
{
    QTest::addColumn<Sized>("c");
    QTest::newRow("u 10") << Sized { true, 10, "0", umax, umax };
    QTest::newRow("s 2 affixes") << Sized { false, 2, smin, smax, "b-1" + QString(63, '0') + " bits", "b",
        " bits" };
    // Not the maximum, 3w5e11264sgsf, but a value of as many digits with wider ones.
    QTest::newRow("u 36") << Sized { true, 36, "0", umax, "3" + QString(12, 'm') };
    QTest::newRow("s 16 special") << Sized { false, 16, "-1", "255", "Automatic", "", "", "Automatic" };
    QTest::newRow("s 10 grouped") << Sized { false, 10, "-1000000", "5", "-1.000.000", "", "", "", true };
}

// A box asks for the room of the widest text of its range, as QSpinBox does: at least what a
// QSpinBox asks for to show that text (as its special-value text), and the same height.
void TestCtrlInt64SpinBox::sizeHintFitsTheRange()
{
    QFETCH(Sized, c);
    withBox(c.isUnsigned, [&](auto& box) {
        using Box = std::decay_t<decltype(box)>;
        box.setLocale(QLocale(QLocale::German));
        box.setDisplayIntegerBase(c.base);
        box.setRange(number<Box>(c.minimum), number<Box>(c.maximum));
        box.setPrefix(c.prefix);
        box.setSuffix(c.suffix);
        box.setSpecialValueText(c.specialValueText);
        box.setGroupSeparatorShown(c.groupSeparators);
        QSpinBox reference;
        reference.setRange(0, 0);
        reference.setSpecialValueText(c.widest);
        QVERIFY2(box.sizeHint().width() >= reference.sizeHint().width(),
            qPrintable(
                QStringLiteral("%1 < %2").arg(box.sizeHint().width()).arg(reference.sizeHint().width())));
        QCOMPARE(box.sizeHint().height(), reference.sizeHint().height());
        QVERIFY(box.minimumSizeHint().width() >= reference.minimumSizeHint().width());
        QCOMPARE(box.minimumSizeHint().height(), reference.minimumSizeHint().height());
    });
}

// Every setting that changes the widest text changes the size the box takes in a layout.
void TestCtrlInt64SpinBox::sizeFollowsEverySetting()
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* box = new CtrlInt64SpinBox(&window);
    layout->addWidget(box);
    layout->addStretch();
    box->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    box->setRange(0, 9);
    window.resize(1200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const std::vector<std::pair<const char*, std::function<void()>>> changes {
        { "range", [&] { box->setRange(-5, 99999); } },
        { "prefix", [&] { box->setPrefix(QStringLiteral("length ")); } },
        { "suffix", [&] { box->setSuffix(QStringLiteral(" mm")); } },
        { "group separators", [&] { box->setGroupSeparatorShown(true); } },
        { "base", [&] { box->setDisplayIntegerBase(2); } },
        { "special-value text", [&] { box->setSpecialValueText(QString(60, 'W')); } },
    };
    for (const auto& [name, change] : changes) {
        const int width = box->width();
        change();
        QTRY_COMPARE(box->width(), box->sizeHint().width());
        QVERIFY2(box->width() > width, name);
    }
}

// On-screen keyboards are asked for digits, with a minus sign where the range reaches below zero,
// and for letters as well in bases above 10.
void TestCtrlInt64SpinBox::inputMethodHints()
{
    auto hints = [](QWidget& widget) {
        QInputMethodQueryEvent query(Qt::ImHints);
        QCoreApplication::sendEvent(&widget, &query);
        return Qt::InputMethodHints(query.value(Qt::ImHints).toInt());
    };
    const Qt::InputMethodHints letters
        = Qt::ImhPreferNumbers | Qt::ImhLatinOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText;
    withBox<CtrlUInt64SpinBox>([&](auto& box) {
        QVERIFY(hints(box) & Qt::ImhDigitsOnly);
        box.setDisplayIntegerBase(8);
        QVERIFY(hints(box) & Qt::ImhDigitsOnly);
        box.setDisplayIntegerBase(16);
        QCOMPARE(hints(box) & (letters | Qt::ImhDigitsOnly), letters);
    });
    withBox<CtrlInt64SpinBox>([&](auto& box) {
        QVERIFY(hints(box) & Qt::ImhFormattedNumbersOnly);
        box.setRange(0, 100);
        QCOMPARE(hints(box) & (Qt::ImhFormattedNumbersOnly | Qt::ImhDigitsOnly), Qt::ImhDigitsOnly);
        box.setDisplayIntegerBase(36);
        QCOMPARE(hints(box) & (letters | Qt::ImhDigitsOnly), letters);
    });
}

QTEST_MAIN(TestCtrlInt64SpinBox)
#include "tst_ctrl_int64_spin_box.moc"
