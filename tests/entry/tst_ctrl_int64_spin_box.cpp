// The signed and unsigned 64-bit spin boxes, driven through their line edit, keys and steps.
#include <util/ctrl_int64_spin_box.h>

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <limits>

using util::CtrlInt64SpinBox;
using util::CtrlUInt64SpinBox;

namespace {

template<class Box> using ValueOf = decltype(std::declval<Box>().value());

// Values in the tables are decimal text, so one table serves both types.
template<class Box> ValueOf<Box> number(const QString& text)
{
    if constexpr (std::is_signed_v<ValueOf<Box>>)
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

// Runs @p check on a fresh, shown box of the kind a table row names.
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

// Selects everything, deletes it and types @p text, one key at a time.
void retype(QAbstractSpinBox& box, const QString& text)
{
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, text);
}

QValidator::State validate(QAbstractSpinBox& box, QString text)
{
    int pos = 0;
    return box.validate(text, pos);
}

} // namespace

class TestCtrlInt64SpinBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newBox();
    void textsInBases_data();
    void textsInBases();
    void groupSeparatorsWhileTyping_data();
    void groupSeparatorsWhileTyping();
    void validation_data();
    void validation();
    void verdictFollowsEveryChange_data();
    void verdictFollowsEveryChange();
    void fixup_data();
    void fixup();
    void finishingAnEdit_data();
    void finishingAnEdit();
    void steps_data();
    void steps();
    void enabledSteps();
    void signalOrderAndSelection();
    void specialValueTextAndEmptyText();
    void refusedBase();
    void focusSignal();
};

void TestCtrlInt64SpinBox::newBox()
{
    withBox<CtrlInt64SpinBox>([](auto& box) {
        QCOMPARE(edit(box)->text(), QString());
        QCOMPARE(box.value(), 0);
        QCOMPARE(box.minimum(), std::numeric_limits<qint64>::min());
    });
    withBox<CtrlUInt64SpinBox>([](auto& box) {
        QCOMPARE(edit(box)->text(), QString());
        QCOMPARE(box.maximum(), std::numeric_limits<quint64>::max());
    });
    CtrlInt64SpinBox box;
    QCOMPARE(CtrlInt64SpinBox::valueTypeMetaId, QMetaType::type("ValueType"));
    QCOMPARE(CtrlUInt64SpinBox::valueTypeMetaId, QMetaType::type("UnsignedValueType"));
    const QMetaProperty value = box.metaObject()->userProperty();
    QCOMPARE(value.name(), "value");
    QCOMPARE(value.typeName(), "ValueType");
    QVERIFY(box.setProperty("value", QVariant::fromValue(qint64(-7))));
    QCOMPARE(box.property("value").toLongLong(), -7);
    QCOMPARE(box.property("cleanText").toString(), QStringLiteral("-7"));
}

// Both ends of both types in every base, shown by setValue and typed back digit by digit.
void TestCtrlInt64SpinBox::textsInBases_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    const QString smin = QStringLiteral("-9223372036854775808"), smax = QStringLiteral("9223372036854775807");
    const QString umax = QStringLiteral("18446744073709551615");
    QTest::newRow("s min 2") << false << 2 << smin << "-1" + QString(63, '0') << ""
                             << "";
    QTest::newRow("s max 2") << false << 2 << smax << QString(63, '1') << ""
                             << "";
    QTest::newRow("s min 8") << false << 8 << smin << "-1000000000000000000000"
                             << ""
                             << "";
    QTest::newRow("s max 8") << false << 8 << smax << "777777777777777777777"
                             << ""
                             << "";
    QTest::newRow("s min 10") << false << 10 << smin << smin << ""
                              << "";
    QTest::newRow("s max 10") << false << 10 << smax << smax << ""
                              << "";
    QTest::newRow("s min 16") << false << 16 << smin << "-8000000000000000"
                              << ""
                              << "";
    QTest::newRow("s max 16") << false << 16 << smax << "7fffffffffffffff"
                              << ""
                              << "";
    QTest::newRow("s -255 16") << false << 16 << "-255"
                               << "-ff"
                               << ""
                               << "";
    QTest::newRow("s 255 16 affixes") << false << 16 << "255"
                                      << "0xff h"
                                      << "0x"
                                      << " h";
    QTest::newRow("s -5 36 affixes") << false << 36 << "-71"
                                     << "R=-1z"
                                     << "R="
                                     << "";
    QTest::newRow("u max 2") << true << 2 << umax << QString(64, '1') << ""
                             << "";
    QTest::newRow("u max 8") << true << 8 << umax << "1777777777777777777777"
                             << ""
                             << "";
    QTest::newRow("u max 10") << true << 10 << umax << umax << ""
                              << "";
    QTest::newRow("u max 16") << true << 16 << umax << "ffffffffffffffff"
                              << ""
                              << "";
    QTest::newRow("u 5 2 affixes") << true << 2 << "5"
                                   << "b101 bits"
                                   << "b"
                                   << " bits";
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
        QCOMPARE(box.displayedText(), shown);
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
        box.setValue(7);
        retype(box, QStringLiteral("1234567"));
        QCOMPARE(box.value(), 1234567);
        QCOMPARE(edit(box)->text(), loc.toString(1234567));
        QCOMPARE(edit(box)->cursorPosition(), edit(box)->text().size());

        retype(box, QStringLiteral("-98765"));
        QCOMPARE(box.value(), -98765);
        QCOMPARE(edit(box)->text(), loc.toString(-98765));

        // A digit typed in front keeps the cursor in front of the digits that followed it.
        edit(box)->setCursorPosition(edit(box)->text().size() - 1);
        QTest::keyClicks(&box, "0");
        QCOMPARE(box.value(), -987605);
        QTest::keyClicks(&box, "1");
        QCOMPARE(box.value(), -9876015);

        box.setGroupSeparatorShown(false);
        box.setValue(42);
        retype(box, QStringLiteral("12345"));
        QCOMPARE(edit(box)->text(), QStringLiteral("12345"));
    });
}

void TestCtrlInt64SpinBox::validation_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    const int invalid = QValidator::Invalid, intermediate = QValidator::Intermediate,
              ok = QValidator::Acceptable;
    const QString smin = QStringLiteral("-9223372036854775808"), smax = QStringLiteral("9223372036854775807");
    const QString umax = QStringLiteral("18446744073709551615");
    for (bool u : { false, true }) {
        const QString min = u ? QStringLiteral("0") : smin, max = u ? umax : smax;
        const char* t = u ? "u " : "s ";
        QTest::newRow(qPrintable(t + QStringLiteral("empty"))) << u << min << max << "" << intermediate;
        QTest::newRow(qPrintable(t + QStringLiteral("plus"))) << u << min << max << "+" << intermediate;
        QTest::newRow(qPrintable(t + QStringLiteral("max"))) << u << min << max << " " + max + " " << ok;
        QTest::newRow(qPrintable(t + QStringLiteral("max+1"))) << u << min << max << max + "0" << invalid;
        QTest::newRow(qPrintable(t + QStringLiteral("huge")))
            << u << min << max << QString(9999, '9') << invalid;
        QTest::newRow(qPrintable(t + QStringLiteral("letters"))) << u << min << max << "12a" << invalid;
        QTest::newRow(qPrintable(t + QStringLiteral("below min"))) << u << "10"
                                                                   << "100"
                                                                   << "5" << intermediate;
        QTest::newRow(qPrintable(t + QStringLiteral("above max"))) << u << "10"
                                                                   << "100"
                                                                   << "500" << invalid;
        QTest::newRow(qPrintable(t + QStringLiteral("inside"))) << u << "10"
                                                                << "100"
                                                                << "50" << ok;
    }
    QTest::newRow("s minus") << false << smin << smax << "-" << intermediate;
    QTest::newRow("s min") << false << smin << smax << smin << ok;
    QTest::newRow("s min-1") << false << smin << smax << "-9223372036854775809" << invalid;
    QTest::newRow("s above negative max") << false << "-100"
                                          << "-10"
                                          << "-5" << intermediate;
    QTest::newRow("s minus, min 0") << false << "0"
                                    << "10"
                                    << "-" << invalid;
    QTest::newRow("u minus") << true << "0" << umax << "-" << invalid;
    QTest::newRow("u negative") << true << "0" << umax << "-1" << invalid;
}

void TestCtrlInt64SpinBox::validation()
{
    QFETCH(bool, isUnsigned);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(QString, text);
    QFETCH(int, state);
    withBox(isUnsigned, [&](auto& box) {
        using Box = std::decay_t<decltype(box)>;
        box.setRange(number<Box>(minimum), number<Box>(maximum));
        QCOMPARE(int(validate(box, text)), state);
        box.setPrefix(QStringLiteral("P:"));
        box.setSuffix(QStringLiteral(" S"));
        QCOMPARE(int(validate(box, "P:" + text + " S")), state);
    });
}

// A text seen before gets a fresh verdict after anything it depends on changed.
void TestCtrlInt64SpinBox::verdictFollowsEveryChange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    const int invalid = QValidator::Invalid, ok = QValidator::Acceptable;
    QTest::newRow("range") << "50" << 0 << ok << invalid;
    QTest::newRow("base") << "1f" << 1 << ok << invalid;
    QTest::newRow("prefix") << "#5" << 2 << invalid << ok;
    QTest::newRow("suffix") << "5 mm" << 3 << invalid << ok;
    QTest::newRow("special value text") << "auto" << 4 << invalid << ok;
    QTest::newRow("locale") << "1.234" << 5 << invalid << ok;
}

void TestCtrlInt64SpinBox::verdictFollowsEveryChange()
{
    QFETCH(QString, text);
    QFETCH(int, change);
    QFETCH(int, before);
    QFETCH(int, after);
    withBox<CtrlUInt64SpinBox>([&](auto& box) {
        box.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        box.setDisplayIntegerBase(change == 1 ? 16 : 10);
        box.setValue(5); // the prefix and suffix rows change the shown text into the one tested
        QCOMPARE(int(validate(box, text)), before);
        QCOMPARE(int(validate(box, text)), before);
        switch (change) {
        case 0: box.setRange(0, 10); break;
        case 1: box.setDisplayIntegerBase(10); break;
        case 2: box.setPrefix(QStringLiteral("#")); break;
        case 3: box.setSuffix(QStringLiteral(" mm")); break;
        case 4: box.setSpecialValueText(QStringLiteral("auto")); break;
        case 5: box.setLocale(QLocale(QLocale::German)); break;
        }
        QCOMPARE(int(validate(box, text)), after);
    });
}

void TestCtrlInt64SpinBox::fixup_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<bool>("separators");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("hex prefix") << 16 << false << "0x1f"
                                << "1f";
    QTest::newRow("hex upper prefix") << 16 << false << "0X1F"
                                      << "1F";
    QTest::newRow("binary prefix") << 2 << false << "0b101"
                                   << "101";
    QTest::newRow("octal prefix") << 8 << false << "0o17"
                                  << "17";
    QTest::newRow("decimal keeps 0x") << 10 << false << "0x10"
                                      << "0x10";
    QTest::newRow("hidden separators") << 10 << false << "1,234,567"
                                       << "1234567";
    QTest::newRow("shown separators") << 10 << true << "1,234,567"
                                      << "1,234,567";
}

void TestCtrlInt64SpinBox::fixup()
{
    QFETCH(int, base);
    QFETCH(bool, separators);
    QFETCH(QString, text);
    QFETCH(QString, fixed);
    CtrlInt64SpinBox box;
    box.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    box.setDisplayIntegerBase(base);
    box.setGroupSeparatorShown(separators);
    box.fixup(text);
    QCOMPARE(text, fixed);

    // Text the host hands over is fixed up before it is given up.
    box.setValueText(QStringLiteral("0x1f"));
    QCOMPARE(box.value(), base == 16 ? 31 : 0);
}

void TestCtrlInt64SpinBox::finishingAnEdit_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("hostOutOfRange");
    for (bool u : { false, true }) {
        QTest::newRow(u ? "u previous" : "s previous")
            << u << int(QAbstractSpinBox::CorrectToPreviousValue) << "50"
            << "50";
        QTest::newRow(u ? "u nearest" : "s nearest")
            << u << int(QAbstractSpinBox::CorrectToNearestValue) << "10"
            << "100";
    }
}

void TestCtrlInt64SpinBox::finishingAnEdit()
{
    QFETCH(bool, isUnsigned);
    QFETCH(int, mode);
    QFETCH(QString, corrected);
    QFETCH(QString, hostOutOfRange);
    withBox(isUnsigned, [&](auto& box) {
        using Box = std::decay_t<decltype(box)>;
        box.setCorrectionMode(QAbstractSpinBox::CorrectionMode(mode));
        box.setRange(10, 100);
        box.setValue(50);
        retype(box, QStringLiteral("5"));
        QCOMPARE(edit(box)->text(), QStringLiteral("5")); // below the range: waits
        QCOMPARE(box.value(), number<Box>(QStringLiteral("50")));
        QTest::keyClick(&box, Qt::Key_Enter);
        QCOMPARE(box.value(), number<Box>(corrected));
        QCOMPARE(edit(box)->text(), corrected);

        retype(box, QStringLiteral("500"));
        QCOMPARE(edit(box)->text(), QStringLiteral("50")); // the last digit was refused
        box.setValue(50);
        box.setValueText(QStringLiteral("500"));
        QCOMPARE(box.value(), number<Box>(hostOutOfRange));
        QCOMPARE(edit(box)->text(), hostOutOfRange);
    });
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
    const QString smin = QStringLiteral("-9223372036854775808"), smax = QStringLiteral("9223372036854775807");
    const QString umax = QStringLiteral("18446744073709551615");
    const int big = std::numeric_limits<int>::max();
    QTest::newRow("s down") << false << "-100"
                            << "100"
                            << "100" << 1 << -1 << false << "99";
    QTest::newRow("s saturate") << false << "-100"
                                << "100"
                                << "100" << 1 << 1 << false << "100";
    QTest::newRow("s wrap up") << false << "-100"
                               << "100"
                               << "100" << 1 << 1 << true << "-100";
    QTest::newRow("s wrap past span") << false << "0"
                                      << "10"
                                      << "0" << 100 << 1 << true << "1";
    QTest::newRow("s wrap down past span") << false << "0"
                                           << "10"
                                           << "0" << 100 << -1 << true << "10";
    QTest::newRow("s from above range") << false << "0"
                                        << "10"
                                        << "50" << 1 << -1 << false << "9";
    QTest::newRow("s from below range") << false << "0"
                                        << "10"
                                        << "-50" << 1 << 1 << false << "1";
    QTest::newRow("s max wraps to min") << false << smin << smax << smax << 1 << 1 << true << smin;
    QTest::newRow("s min wraps to max") << false << smin << smax << smin << 1 << -1 << true << smax;
    QTest::newRow("s max saturates") << false << smin << smax << smax << big << big << false << smax;
    QTest::newRow("s min saturates") << false << smin << smax << smin << big << -big << false << smin;
    QTest::newRow("s huge wrap") << false << smin << smax << "0" << big << -big << true
                                 << "-4611686014132420609";
    QTest::newRow("s near max") << false << smin << smax << "9223372036854775800" << 7 << 1 << false << smax;
    QTest::newRow("s empty range") << false << "10"
                                   << "0"
                                   << "5" << 1 << 1 << true << "5";
    QTest::newRow("u wrap 9+3") << true << "0"
                                << "10"
                                << "9" << 3 << 1 << true << "1";
    QTest::newRow("u wrap 1-3") << true << "0"
                                << "10"
                                << "1" << 3 << -1 << true << "9";
    QTest::newRow("u max wraps to 0") << true << "0" << umax << umax << 1 << 1 << true << "0";
    QTest::newRow("u 0 wraps to max") << true << "0" << umax << "0" << 1 << -1 << true << umax;
    QTest::newRow("u 0 saturates") << true << "0" << umax << "0" << big << -big << false << "0";
    QTest::newRow("u max saturates") << true << "0" << umax << umax << big << big << false << umax;
    QTest::newRow("u wrap past span") << true << "5"
                                      << "7"
                                      << "5" << 10 << -1 << true << "7";
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

// An arrow key steps only while its direction is enabled; every step ends a completed edit.
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
        QCOMPARE(box.value(), 5);
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
            [&](qint64 v) { events << QStringLiteral("value %1").arg(v); });
        QObject::connect(&box, qOverload<QString>(&CtrlInt64SpinBox::valueChanged),
            [&](const QString& text) { events << "text " + text; });
        QObject::connect(
            &box, &QAbstractSpinBox::editingFinished, [&] { events << QStringLiteral("finished"); });
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(events, QStringList({ "value 10", "text $ 10 k", "finished" }));
        QCOMPARE(edit(box)->selectedText(), QStringLiteral("10"));

        events.clear();
        box.setValue(10);
        QCOMPARE(events, QStringList());
        retype(box, QStringLiteral("12"));
        QCOMPARE(events, QStringList({ "value 1", "text $ 1 k", "value 12", "text $ 12 k" }));
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
        QCOMPARE(edit(box)->text(), QStringLiteral("off"));
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

void TestCtrlInt64SpinBox::refusedBase()
{
    withBox<CtrlUInt64SpinBox>([](auto& box) {
        box.setDisplayIntegerBase(16);
        box.setValue(255);
        for (int base : { -1, 0, 1, 37, 1000 }) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refuses display base"));
            box.setDisplayIntegerBase(base);
        }
        QCOMPARE(box.displayIntegerBase(), 16);
        QCOMPARE(edit(box)->text(), QStringLiteral("ff"));
        box.stepBy(1);
        QCOMPARE(edit(box)->text(), QStringLiteral("100"));
    });
}

void TestCtrlInt64SpinBox::focusSignal()
{
    QWidget window;
    auto* first = new QLineEdit(&window);
    auto* signedBox = new CtrlInt64SpinBox(&window);
    auto* unsignedBox = new CtrlUInt64SpinBox(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(signedBox);
    layout->addWidget(unsignedBox);
    QSignalSpy signedFocus(signedBox, &CtrlInt64SpinBox::signal_hasFocus);
    QSignalSpy unsignedFocus(unsignedBox, &CtrlUInt64SpinBox::signal_hasFocus);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_COMPARE(signedFocus.count(), 1);
    QTest::keyClick(signedBox, Qt::Key_Tab);
    QTRY_COMPARE(unsignedFocus.count(), 1);
    QCOMPARE(signedFocus.count(), 1);
}

QTEST_MAIN(TestCtrlInt64SpinBox)
#include "tst_ctrl_int64_spin_box.moc"
