#include "entry/int64_text.h"

#include "entry/int64_steps.h"

#include <type_traits>

namespace util::detail {

namespace {

template<typename T> bool isNegative(T value)
{
    if constexpr (std::is_signed_v<T>)
        return value < 0;
    else
        return false;
}

template<typename T> T localeNumber(const QLocale& locale, QStringView text, bool* ok)
{
    if constexpr (std::is_signed_v<T>)
        return locale.toLongLong(text, ok);
    else
        return locale.toULongLong(text, ok);
}

// The number between the prefix and the suffix, each of which may be missing.
QStringView numberPart(QStringView text, const QString& prefix, const QString& suffix)
{
    if (!prefix.isEmpty() && text.startsWith(prefix))
        text = text.mid(prefix.size());
    if (!suffix.isEmpty() && text.endsWith(suffix))
        text.chop(suffix.size());
    return text.trimmed();
}

// A sign typed alone: the ASCII one, or in base 10 the locale's.
bool isLoneSign(QStringView text, QChar ascii, QChar localeSign, int base)
{
    return text.size() == 1 && (text[0] == ascii || (base == 10 && text[0] == localeSign));
}

// Whether a number could start @p text: a lone minus when the range reaches below zero, a lone
// plus when it reaches zero or above.
template<typename T> bool isSignOfRange(QStringView text, const Int64Input<T>& input)
{
    if (isNegative(input.minimum)
        && isLoneSign(text, QLatin1Char('-'), input.locale.negativeSign(), input.base))
        return true;
    return !isNegative(input.maximum)
        && isLoneSign(text, QLatin1Char('+'), input.locale.positiveSign(), input.base);
}

template<typename T> Int64Verdict<T> rangeVerdict(T number, const Int64Input<T>& input)
{
    if (input.minimum <= number && number <= input.maximum)
        return { QValidator::Acceptable, number };
    // More digits raise a non-negative number below the range or lower a negative one above it.
    if (isNegative(number) ? number >= input.minimum : number <= input.maximum)
        return { QValidator::Intermediate, number };
    const bool nearest = input.correctionMode == QAbstractSpinBox::CorrectToNearestValue;
    return { QValidator::Invalid, nearest ? clampInt64(number, input.minimum, input.maximum) : input.value };
}

} // namespace

template<typename T> QString formatInt64(T value, int base, const QLocale& locale, bool groupSeparators)
{
    if (base == 10)
        return groupSeparators ? locale.toString(value) : QString::number(value);
    if (isNegative(value)) // the magnitude of the smallest qint64 only fits quint64
        return QLatin1Char('-') + QString::number(quint64(0) - quint64(value), base);
    return QString::number(value, base);
}

template<typename T> T parseInt64(QStringView text, int base, const QLocale& locale, bool* ok)
{
    if (base != 10) {
        if constexpr (std::is_signed_v<T>)
            return text.toLongLong(ok, base);
        else
            return text.toULongLong(ok, base);
    }
    // The locale insists on its own grouping, which typing digit by digit breaks ("1,2345"):
    // what it refuses is read once more without the separators.
    const T number = localeNumber<T>(locale, text, ok);
    if (*ok || !text.contains(locale.groupSeparator()))
        return number;
    QString plain = text.toString();
    plain.remove(locale.groupSeparator());
    return localeNumber<T>(locale, plain, ok);
}

template<typename T> Int64Verdict<T> interpretInt64(QStringView text, const Int64Input<T>& input)
{
    const QStringView number = numberPart(text, input.prefix, input.suffix);
    if (!input.specialValueText.isEmpty() && number == input.specialValueText)
        return { QValidator::Acceptable, input.minimum };
    if (number.isEmpty())
        return { QValidator::Intermediate, input.minimum };
    if (isSignOfRange(number, input))
        return { QValidator::Intermediate, input.value };
    bool ok = false;
    const T parsed = parseInt64<T>(number, input.base, input.locale, &ok);
    if (!ok)
        return { QValidator::Invalid, input.value };
    return rangeVerdict(parsed, input);
}

QString int64Digits(int base, const QLocale& locale, bool groupSeparators)
{
    const QChar zero = base == 10 && groupSeparators ? locale.zeroDigit() : QLatin1Char('0');
    QString digits;
    for (int digit = 0; digit < base; ++digit)
        digits += digit < 10 ? QChar(zero.unicode() + digit) : QChar('a' + digit - 10);
    return digits;
}

void fixupInt64(QString& text, int base, const QLocale& locale, bool groupSeparatorShown)
{
    if (!groupSeparatorShown)
        text.remove(locale.groupSeparator());
    const char* basePrefix = base == 2 ? "0b" : base == 8 ? "0o" : base == 16 ? "0x" : nullptr;
    if (basePrefix && text.startsWith(QLatin1String(basePrefix), Qt::CaseInsensitive))
        text.remove(0, 2);
}

template UTIL_UI_EXPORT QString formatInt64(qint64, int, const QLocale&, bool);
template UTIL_UI_EXPORT QString formatInt64(quint64, int, const QLocale&, bool);
template UTIL_UI_EXPORT qint64 parseInt64(QStringView, int, const QLocale&, bool*);
template UTIL_UI_EXPORT quint64 parseInt64(QStringView, int, const QLocale&, bool*);
template UTIL_UI_EXPORT Int64Verdict<qint64> interpretInt64(QStringView, const Int64Input<qint64>&);
template UTIL_UI_EXPORT Int64Verdict<quint64> interpretInt64(QStringView, const Int64Input<quint64>&);

} // namespace util::detail
