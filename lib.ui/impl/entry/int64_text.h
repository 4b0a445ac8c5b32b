#pragma once

#include <util/util_ui_export.h>

#include <QAbstractSpinBox>
#include <QLocale>
#include <QString>
#include <QValidator>

namespace util::detail {

// How the 64-bit spin boxes write and read whole numbers, made for T = qint64 and T = quint64.
// Base 10 follows a locale; the other bases (2 to 36) use lower-case digits and a minus sign,
// without a base prefix such as "0x".

/**
 * The number alone. Base 10 is written after @p locale, with its digits and group separators, when
 * @p groupSeparators; else in plain ASCII digits, as the other bases are.
 */
template<typename T>
UTIL_UI_EXPORT QString formatInt64(T value, int base, const QLocale& locale, bool groupSeparators);

/**
 * Reads @p text as a number in @p base (in base 10 after @p locale, whose group separators may
 * stand anywhere between the digits); @p ok tells whether it is one and fits T.
 */
template<typename T> UTIL_UI_EXPORT T parseInt64(QStringView text, int base, const QLocale& locale, bool* ok);

/// Everything a verdict on typed text depends on besides the text itself.
template<typename T> struct Int64Input
{
    T minimum;
    T maximum;
    T value; ///< stands for a text that is refused or not yet a number
    int base;
    QString prefix;
    QString suffix;
    QString specialValueText;
    QLocale locale;
    QAbstractSpinBox::CorrectionMode correctionMode;

    bool operator==(const Int64Input& o) const
    {
        return minimum == o.minimum && maximum == o.maximum && value == o.value && base == o.base
            && prefix == o.prefix && suffix == o.suffix && specialValueText == o.specialValueText
            && locale == o.locale && correctionMode == o.correctionMode;
    }
};

/// A verdict on typed text and the value the text stands for.
template<typename T> struct Int64Verdict
{
    QValidator::State state;
    T value;
};

/**
 * Judges typed text. The prefix and the suffix are optional and white space around the number is
 * ignored.
 *
 * - Acceptable: a number in the range, or the special-value text (standing for the minimum).
 * - Intermediate: nothing typed yet (standing for the minimum), a lone sign that a number of the
 *   range may start with, or a number outside the range that more digits bring into it: a
 *   non-negative one below the range or a negative one above it.
 * - Invalid: anything else; a number beyond the range then stands for its nearest bound under
 *   QAbstractSpinBox::CorrectToNearestValue.
 *
 * Whatever stands for no number of its own stands for @p input's value.
 */
template<typename T>
UTIL_UI_EXPORT Int64Verdict<T> interpretInt64(QStringView text, const Int64Input<T>& input);

/**
 * The digits formatInt64() writes in @p base: '0' to '9' and 'a' to 'z' as far as the base reaches,
 * or in base 10 with @p groupSeparators the ten digits of @p locale.
 */
UTIL_UI_EXPORT QString int64Digits(int base, const QLocale& locale, bool groupSeparators);

/**
 * Removes from @p text the group separators of @p locale unless they are shown, and a base prefix
 * ("0b", "0o", "0x", in either case) at its start when @p base is 2, 8 or 16.
 */
UTIL_UI_EXPORT void fixupInt64(QString& text, int base, const QLocale& locale, bool groupSeparatorShown);

} // namespace util::detail
