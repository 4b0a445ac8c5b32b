// The signed and unsigned 64-bit spin boxes, driven through their line edit, keys and steps.
#include <util/ctrl_int64_spin_box.h>

#include <QLineEdit>
#include <QtTest>

using util::CtrlInt64SpinBox;
using util::CtrlUInt64SpinBox;

namespace {

const QString smin = QStringLiteral("-9223372036854775808");
const QString smax = QStringLiteral("9223372036854775807");
const QString umax = QStringLiteral("18446744073709551615");
const int invalid = QValidator::Invalid, intermediate = QValidator::Intermediate, ok = QValidator::Acceptable;

// Values in the tables are decimal text, so that one table serves both types.
template<class Box> auto number(const QString& text)
{
    if constexpr (std::is_signed_v<decltype(std::declval<Box>().value())>)
        return text.toLongLong();
    else
        return text.toULongLong();
}

// Runs @p check on a fresh, shown box.
template<class Box, class Check> void withBox(Check check)
{
    Box box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    check(box);
}

template<class Check> void withBox(bool isUnsigned, Check check)
{
    if (isUnsigned)
        withBox<CtrlUInt64SpinBox>(check);
    else
        withBox<CtrlInt64SpinBox>(check);
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

class TestCtrlInt64SpinBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newBoxAndMetaTypes();
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
};

void TestCtrlInt64SpinBox::newBoxAndMetaTypes()
{
    CtrlInt64SpinBox box;
    QCOMPARE(edit(box)->text(), QString());
    QCOMPARE(box.value(), 0);
    QCOMPARE(CtrlInt64SpinBox::valueTypeMetaId, QMetaType::type("ValueType"));
    QCOMPARE(CtrlUInt64SpinBox::valueTypeMetaId, QMetaType::type("UnsignedValueType"));
    QCOMPARE(box.metaObject()->userProperty().typeName(), "ValueType");
    QVERIFY(box.setProperty("value", QVariant::fromValue(qint64(-7))));
    QCOMPARE(box.property("cleanText").toString(), QStringLiteral("-7"));
    CtrlUInt64SpinBox unsignedBox;
    QCOMPARE(unsignedBox.property("maximum").toULongLong(), std::numeric_limits<quint64>::max());
}

// Both ends of both types in every base: shown by setValue, then typed back digit by digit.
void TestCtrlInt64SpinBox::textsInBases_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    auto row = [](const char* name, bool u, int base, const QString& value, const QString& shown,
                   const char* prefix = "", const char* suffix = "") {
        QTest::newRow(name) << u << base << value << shown << QString(prefix) << QString(suffix);
    };
    row("s min 2", false, 2, smin, "-1" + QString(63, '0'));
    row("s max 2", false, 2, smax, QString(63, '1'));
    row("s min 8", false, 8, smin, "-1000000000000000000000");
    row("s max 8", false, 8, smax, "777777777777777777777");
    row("s min 10", false, 10, smin, smin);
    row("s max 10", false, 10, smax, smax);
    row("s min 16", false, 16, smin, "-8000000000000000");
    row("s max 16", false, 16, smax, "7fffffffffffffff");
    row("s -255 16 affixes", false, 16, "-255", "0x-ff h", "0x", " h");
    row("s -71 36", false, 36, "-71", "R=-1z", "R=");
    row("u max 2", true, 2, umax, QString(64, '1'));
    row("u max 8", true, 8, umax, "1777777777777777777777");
    row("u max 10", true, 10, umax, umax);
    row("u max 16", true, 16, umax, "ffffffffffffffff h", "", " h");
    row("u 5 2 affixes", true, 2, "5", "b101 bits", "b", " bits");
}

void TestCtrlInt64SpinBox::textsInBases()
{
    QFETCH(bool, isUnsigned);
    QFETCH(int, base);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    withBox(isUnsigned, [&](auto& box) {
        using Box = std::decay_t<decltype(box)>;
        box.setDisplayIntegerBase(base);
        box.setPrefix(prefix);
        box.setSuffix(suffix);
        box.setValue(number<Box>(value));
        QCOMPARE(edit(box)->text(), shown);
        const QString clean = shown.mid(prefix.size(), shown.size() - prefix.size() - suffix.size());
        QCOMPARE(box.cleanText(), clean);

        box.setValue(1);
        retype(box, clean);
        QCOMPARE(edit(box)->text(), shown);
        QCOMPARE(box.value(), number<Box>(value));
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
        retype(box, QStringLiteral("1234567"));
        QCOMPARE(box.value(), 1234567);
        QCOMPARE(edit(box)->text(), loc.toString(1234567));

        retype(box, QStringLiteral("-98765"));
        QCOMPARE(edit(box)->text(), loc.toString(-98765));
        // A digit typed in the middle keeps the cursor in front of the digits that followed it.
        edit(box)->setCursorPosition(edit(box)->text().size() - 1);
        QTest::keyClicks(&box, "01");
        QCOMPARE(box.value(), -9876015);
        QCOMPARE(edit(box)->text(), loc.toString(-9876015));

        box.setGroupSeparatorShown(false);
        retype(box, QStringLiteral("12345"));
        QCOMPARE(edit(box)->text(), QStringLiteral("12345"));
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
    QVector<Case> cases {
        { false, smin, smax, smin, ok },
        { false, smin, smax, "-9223372036854775809", invalid },
        { false, smin, smax, "-", intermediate },
        { false, "0", "10", "-", invalid },
        { false, "-100", "-10", "-5", intermediate },
        { true, "0", umax, "-", invalid },
    };
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
        // Out of range for good, the text stands for the current value or for the nearest bound.
        box.setValueText(QStringLiteral("#500 mm"));
        QCOMPARE(box.value(), 5u);
        box.setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        box.setValueText(QStringLiteral("#500 mm"));
        QCOMPARE(box.value(), 100u);
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
    QCOMPARE(fixedUp(2, "0b101"), QStringLiteral("101"));
    QCOMPARE(fixedUp(8, "0o17"), QStringLiteral("17"));
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
    QCOMPARE(box.displayIntegerBase(), 2);
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
                QCOMPARE(edit(box)->text(), nearest ? QStringLiteral("10") : QStringLiteral("50"));
                QCOMPARE(box.cleanText(), edit(box)->text());

                retype(box, QStringLiteral("500"));
                QCOMPARE(edit(box)->text(), QStringLiteral("50"));
                box.setValueText(QStringLiteral("500"));
                QCOMPARE(box.cleanText(), nearest ? QStringLiteral("100") : QStringLiteral("50"));
            });
        }
    }
}

void TestCtrlInt64SpinBox::steps_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("singleStep");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("wrapping");
    QTest::addColumn<QString>("result");
    auto row = [](const char* name, bool u, const QString& min, const QString& max, const QString& value,
                   int single, int steps, bool wrapping, const QString& result) {
        QTest::newRow(name) << u << min << max << value << single << steps << wrapping << result;
    };
    const int big = std::numeric_limits<int>::max();
    row("s down", false, "-100", "100", "100", 1, -1, false, "99");
    row("s saturate", false, "-100", "100", "100", 1, 1, false, "100");
    row("s wrap up", false, "-100", "100", "100", 1, 1, true, "-100");
    row("s wrap past span", false, "0", "10", "0", 100, 1, true, "1");
    row("s wrap down past span", false, "0", "10", "0", 100, -1, true, "10");
    row("s from above range", false, "0", "10", "50", 1, -1, false, "9");
    row("s from below range", false, "0", "10", "-50", 1, 1, false, "1");
    row("s max wraps to min", false, smin, smax, smax, 1, 1, true, smin);
    row("s min wraps to max", false, smin, smax, smin, 1, -1, true, smax);
    row("s max saturates", false, smin, smax, smax, big, big, false, smax);
    row("s min saturates", false, smin, smax, smin, big, -big, false, smin);
    row("s empty range", false, "10", "0", "5", 1, 1, true, "5");
    row("u wrap 9+3", true, "0", "10", "9", 3, 1, true, "1");
    row("u wrap 1-3", true, "0", "10", "1", 3, -1, true, "9");
    row("u max wraps to 0", true, "0", umax, umax, 1, 1, true, "0");
    row("u 0 wraps to max", true, "0", umax, "0", 1, -1, true, umax);
    row("u 0 saturates", true, "0", umax, "0", big, -big, false, "0");
    row("u wrap past span", true, "5", "7", "5", 10, -1, true, "7");
}

void TestCtrlInt64SpinBox::steps()
{
    QFETCH(bool, isUnsigned);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(QString, value);
    QFETCH(int, singleStep);
    QFETCH(int, steps);
    QFETCH(bool, wrapping);
    QFETCH(QString, result);
    withBox(isUnsigned, [&](auto& box) {
        using Box = std::decay_t<decltype(box)>;
        box.setRange(number<Box>(minimum), number<Box>(maximum));
        box.setValue(number<Box>(value));
        box.setSingleStep(singleStep);
        box.setWrapping(wrapping);
        QSignalSpy finished(&box, &QAbstractSpinBox::editingFinished);
        box.stepBy(steps);
        QCOMPARE(box.value(), number<Box>(result));
        QCOMPARE(finished.count(), 1);
    });
}

// An arrow key steps only while its direction is enabled; every step completes an edit.
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
        QCOMPARE(box.value(), 0u);
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
        box.setValue(10);
        retype(box, QStringLiteral("12"));
        QCOMPARE(events, QStringList({ "1", "$ 1 k", "12", "$ 12 k" }));
    });
}

void TestCtrlInt64SpinBox::specialValueTextAndEmptyText()
{
    withBox<CtrlInt64SpinBox>([](auto& box) {
        box.setRange(-1, 10);
        box.setSpecialValueText(QStringLiteral("off"));
        box.setPrefix(QStringLiteral("<"));
        box.setSuffix(QStringLiteral(">"));
        box.setValue(-1);
        QCOMPARE(edit(box)->text(), QStringLiteral("off"));
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
        box.setValue(1);
        QCOMPARE(edit(box)->text(), QStringLiteral("1"));
        box.setValue(4);
        box.setValueText(QStringLiteral("off"));
        QCOMPARE(box.value(), 1u);
    });
}

QTEST_MAIN(TestCtrlInt64SpinBox)
#include "tst_ctrl_int64_spin_box.moc"
