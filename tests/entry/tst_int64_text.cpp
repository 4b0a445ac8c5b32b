// Text of the 64-bit spin boxes: numbers written and read in every base and in several locales,
// typed text judged with prefix, suffix and special-value text, and fix-ups.
#include "entry/int64_text.h"

#include <QtTest>

using util::detail::fixupInt64;
using util::detail::formatInt64;
using util::detail::int64Digits;
using util::detail::Int64Input;
using util::detail::interpretInt64;
using util::detail::parseInt64;

namespace {

const QString smin = QStringLiteral("-9223372036854775808");
const QString smax = QStringLiteral("9223372036854775807");
const QString umax = QStringLiteral("18446744073709551615");
const int invalid = QValidator::Invalid, intermediate = QValidator::Intermediate, ok = QValidator::Acceptable;

// Values are decimal text in the tables, so that one row type serves both value types.
template<typename T> T number(const QString& text)
{
    if constexpr (std::is_signed_v<T>)
        return text.toLongLong();
    else
        return text.toULongLong();
}

// What a box with these settings is given to judge typed text.
struct Judged
{
    bool isUnsigned;
    QString text;
    QString minimum, maximum, value;
    int state;
    QString result;
    int base = 10;
    QString prefix {}, suffix {}, specialValueText {};
    QAbstractSpinBox::CorrectionMode correctionMode = QAbstractSpinBox::CorrectToPreviousValue;
    QLocale locale = QLocale::c();
};

template<typename T> void checkJudged(const Judged& c)
{
    const Int64Input<T> input { number<T>(c.minimum), number<T>(c.maximum), number<T>(c.value), c.base,
        c.prefix, c.suffix, c.specialValueText, c.locale, c.correctionMode };
    const auto verdict = interpretInt64(c.text, input);
    QCOMPARE(int(verdict.state), c.state);
    QCOMPARE(verdict.value, number<T>(c.result));
}

template<typename T>
void checkFormatAndParse(
    const QString& value, int base, const QLocale& locale, bool groupSeparators, const QString& text)
{
    QCOMPARE(formatInt64(number<T>(value), base, locale, groupSeparators), text);
    bool read = false;
    QCOMPARE(parseInt64<T>(text, base, locale, &read), number<T>(value));
    QVERIFY(read);
}

template<typename T>
void checkParse(const QString& text, int base, const QLocale& locale, bool isNumber, const QString& value)
{
    bool read = !isNumber;
    const T parsed = parseInt64<T>(text, base, locale, &read);
    QCOMPARE(read, isNumber);
    if (isNumber)
        QCOMPARE(parsed, number<T>(value));
}

} // namespace

Q_DECLARE_METATYPE(Judged)

class TestInt64Text : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatAndParse_data();
    void formatAndParse();
    void parse_data();
    void parse();
    void interpret_data();
    void interpret();
    void fixup_data();
    void fixup();
    void digits_data();
    void digits();
};

// Both ends of both types in every base, and base 10 after a locale: written, then read back.
void TestInt64Text::formatAndParse_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("groupSeparators");
    QTest::addColumn<QString>("text");
    auto row = [](const char* name, bool u, const QString& value, int base, const QString& text,
                   const char* locale = "C", bool groups = false) {
        QTest::newRow(name) << u << value << base << QString(locale) << groups << text;
    };
    row("s min 2", false, smin, 2, "-1" + QString(63, '0'));
    row("s max 2", false, smax, 2, QString(63, '1'));
    row("s min 8", false, smin, 8, "-1000000000000000000000");
    row("s min 16", false, smin, 16, "-8000000000000000");
    row("s max 16", false, smax, 16, "7fffffffffffffff");
    row("s -71 36", false, "-71", 36, "-1z");
    row("s min 10", false, smin, 10, smin);
    row("s 0 2", false, "0", 2, "0");
    row("u max 2", true, umax, 2, QString(64, '1'));
    row("u max 8", true, umax, 8, "1777777777777777777777");
    row("u max 16", true, umax, 16, "ffffffffffffffff");
    row("u max 36", true, umax, 36, "3w5e11264sgsf");
    row("u max 10", true, umax, 10, umax);
    row("s en_US groups", false, "-1234567", 10, "-1,234,567", "en_US", true);
    row("s de_DE groups", false, "1234567", 10, "1.234.567", "de_DE", true);
    row("s hi_IN groups", false, "1234567", 10, "12,34,567", "hi_IN", true);
    row("u de_DE groups", true, umax, 10, "18.446.744.073.709.551.615", "de_DE", true);
    row("s de_DE without groups", false, "1234567", 10, "1234567", "de_DE");
    row("s ar_EG without groups", false, "1234567", 10, "1234567", "ar_EG");
    row("s ar_EG groups", false, "1234", 10, QStringLiteral("\u0661\u066c\u0662\u0663\u0664"), "ar_EG", true);
    row("s de_DE base 16", false, "-1234567", 16, "-12d687", "de_DE", true);
}

void TestInt64Text::formatAndParse()
{
    QFETCH(bool, isUnsigned);
    QFETCH(QString, value);
    QFETCH(int, base);
    QFETCH(QString, locale);
    QFETCH(bool, groupSeparators);
    QFETCH(QString, text);
    if (isUnsigned)
        checkFormatAndParse<quint64>(value, base, QLocale(locale), groupSeparators, text);
    else
        checkFormatAndParse<qint64>(value, base, QLocale(locale), groupSeparators, text);
}

void TestInt64Text::parse_data()
{
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<QString>("value");
    auto row = [](const char* name, bool u, const QString& text, int base, const char* locale, bool isNumber,
                   const QString& value = QString()) {
        QTest::newRow(name) << u << text << base << QString(locale) << isNumber << value;
    };
    row("s max+1", false, "9223372036854775808", 10, "C", false);
    row("s min-1", false, "-9223372036854775809", 10, "C", false);
    row("s min-1 16", false, "-8000000000000001", 16, "C", false);
    row("u max+1", true, "18446744073709551616", 10, "C", false);
    row("u max+1 16", true, "10000000000000000", 16, "C", false);
    row("u minus", true, "-1", 10, "C", false);
    row("u minus 16", true, "-1", 16, "C", false);
    row("empty", false, "", 10, "C", false);
    row("digit beyond the base", false, "12", 2, "C", false);
    row("upper-case digits", false, "FF", 16, "C", true, "255");
    row("grouping broken by typing", false, "1,2345", 10, "en_US", true, "12345");
    row("u grouping broken by typing", true, "18,446,744,073,709,55,1615", 10, "en_US", true, umax);
    row("another locale's separator", false, "1.234", 10, "en_US", false);
    row("locale digits", false, QStringLiteral("\u0661\u0662\u0663"), 10, "ar_EG", true, "123");
    row("group separator in base 16", false, "1,f", 16, "en_US", false);
}

void TestInt64Text::parse()
{
    QFETCH(bool, isUnsigned);
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(QString, locale);
    QFETCH(bool, isNumber);
    QFETCH(QString, value);
    if (isUnsigned)
        checkParse<quint64>(text, base, QLocale(locale), isNumber, value);
    else
        checkParse<qint64>(text, base, QLocale(locale), isNumber, value);
}

// Verdicts and the values they stand for; the box's value is 7 unless a row says otherwise.
void TestInt64Text::interpret_data()
{
    QTest::addColumn<Judged>("c");
    auto row = [](const QByteArray& name, const Judged& c) { QTest::newRow(name.constData()) << c; };
    for (bool u : { false, true }) {
        const QString min = u ? "0" : smin, max = u ? umax : smax;
        const char* tag = u ? "u " : "s ";
        auto tagged = [&](const char* name) { return QByteArray(tag).append(name); };
        row(tagged("in range"), { u, "5", "0", "10", "7", ok, "5" });
        row(tagged("maximum"), { u, " " + max + " ", min, max, "7", ok, max });
        row(tagged("beyond the type"), { u, max.chopped(1) + (u ? "6" : "8"), min, max, "7", invalid, "7" });
        row(tagged("not a number"), { u, "12a", "0", "10", "7", invalid, "7" });
        row(tagged("empty"), { u, "", "3", "10", "7", intermediate, "3" });
        row(tagged("lone plus"), { u, "+", "0", "10", "7", intermediate, "7" });
        row(tagged("below the range"), { u, "5", "10", "100", "50", intermediate, "5" });
        row(tagged("above the range"), { u, "500", "10", "100", "50", invalid, "50" });
        row(tagged("above the range, nearest"),
            { u, "500", "10", "100", "50", invalid, "100", 10, {}, {}, {},
                QAbstractSpinBox::CorrectToNearestValue });
        row(tagged("prefix and suffix"), { u, "#5 mm", "0", "10", "7", ok, "5", 10, "#", " mm" });
        row(tagged("prefix only"), { u, "#5", "0", "10", "7", ok, "5", 10, "#", " mm" });
        row(tagged("space inside the affixes"), { u, "# 5 mm", "0", "10", "7", ok, "5", 10, "#", " mm" });
        row(tagged("space before the prefix"), { u, " #5", "0", "10", "7", invalid, "7", 10, "#" });
        row(tagged("affixes alone"), { u, "# mm", "3", "10", "7", intermediate, "3", 10, "#", " mm" });
        row(tagged("special-value text"), { u, "#auto", "3", "10", "7", ok, "3", 10, "#", {}, "auto" });
        row(tagged("base 16"), { u, "ff", "0", "1000", "7", ok, "255", 16 });
        row(tagged("base 10 refuses hex digits"), { u, "ff", "0", "1000", "7", invalid, "7" });
        row(tagged("grouping broken by typing"),
            { u, "1,2345", "0", "100000", "7", ok, "12345", 10, {}, {}, {}, {}, QLocale("en_US") });
    }
    row("s lone minus", { false, "-", "-10", "10", "7", intermediate, "7" });
    row("s lone minus, range from zero", { false, "-", "0", "10", "7", invalid, "7" });
    row("s lone plus, range below zero", { false, "+", "-10", "-1", "-7", invalid, "-7" });
    row("s negative above the range", { false, "-5", "-100", "-10", "-50", intermediate, "-5" });
    row("s negative below the range, nearest",
        { false, "-500", "-100", "-10", "-50", invalid, "-100", 10, {}, {}, {},
            QAbstractSpinBox::CorrectToNearestValue });
    row("s lone minus in base 16", { false, "-", "-10", "10", "7", intermediate, "7", 16 });
    row("s minimum in base 2", { false, "-1" + QString(63, '0'), smin, smax, "7", ok, smin, 2 });
    row("u lone minus", { true, "-", "0", "10", "7", invalid, "7" });
}

void TestInt64Text::interpret()
{
    QFETCH(Judged, c);
    if (c.isUnsigned)
        checkJudged<quint64>(c);
    else
        checkJudged<qint64>(c);
}

void TestInt64Text::fixup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<bool>("groupSeparatorShown");
    QTest::addColumn<QString>("fixed");
    auto row = [](const char* name, const char* text, int base, bool shown, const char* fixed) {
        QTest::newRow(name) << QString(text) << base << shown << QString(fixed);
    };
    row("0x in base 16", "0X1f", 16, false, "1f");
    row("0b in base 2", "0b101", 2, false, "101");
    row("0o in base 8", "0O17", 8, false, "17");
    row("0x in base 10", "0x10", 10, false, "0x10");
    row("another base's prefix", "0b1", 16, false, "0b1");
    row("prefix behind a sign", "-0x1f", 16, false, "-0x1f");
    row("hidden group separators", "1,234,567", 10, false, "1234567");
    row("shown group separators", "1,234,567", 10, true, "1,234,567");
    row("separators and prefix", "0x1,f", 16, false, "1f");
}

void TestInt64Text::fixup()
{
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(bool, groupSeparatorShown);
    QFETCH(QString, fixed);
    fixupInt64(text, base, QLocale(QLocale::English, QLocale::UnitedStates), groupSeparatorShown);
    QCOMPARE(text, fixed);
}

void TestInt64Text::digits_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("groupSeparators");
    QTest::addColumn<QString>("digits");
    const QLocale egypt(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("2") << 2 << QLocale::c() << false << "01";
    QTest::newRow("16") << 16 << egypt << true << "0123456789abcdef";
    QTest::newRow("36") << 36 << QLocale::c() << false << "0123456789abcdefghijklmnopqrstuvwxyz";
    QTest::newRow("10 plain") << 10 << egypt << false << "0123456789";
    QTest::newRow("10 grouped") << 10 << egypt << true << QString::fromUtf8("٠١٢٣٤٥٦٧٨٩");
}

// The digits are those that numbers are written with: every character of a number but its sign
// and group separators is one of them.
void TestInt64Text::digits()
{
    QFETCH(int, base);
    QFETCH(QLocale, locale);
    QFETCH(bool, groupSeparators);
    QFETCH(QString, digits);
    QCOMPARE(int64Digits(base, locale, groupSeparators), digits);
    QString written = formatInt64(std::numeric_limits<qint64>::lowest(), base, locale, groupSeparators)
        + formatInt64(std::numeric_limits<quint64>::max(), base, locale, groupSeparators);
    written.remove(QLatin1Char('-')).remove(locale.negativeSign()).remove(locale.groupSeparator());
    for (const QChar c : written)
        QVERIFY2(digits.contains(c), qPrintable(written));
}

QTEST_APPLESS_MAIN(TestInt64Text)
#include "tst_int64_text.moc"
