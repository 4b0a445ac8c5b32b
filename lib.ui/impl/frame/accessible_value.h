#pragma once

#include <QString>
#include <QVariant>

#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

namespace util::detail {

/// @p value as a T, saturated at T's limits.
template<typename T, typename N> T saturatedNumber(N value)
{
    using Limits = std::numeric_limits<T>;
    if constexpr (std::is_floating_point_v<T>) {
        return T(value);
    } else if constexpr (std::is_signed_v<N>) {
        if (value < 0) {
            return std::is_unsigned_v<T> || value < qint64(Limits::lowest()) ? Limits::lowest() : T(value);
        }
        return quint64(value) > quint64(Limits::max()) ? Limits::max() : T(value);
    } else {
        return quint64(value) > quint64(Limits::max()) ? Limits::max() : T(value);
    }
}

/// @p value as a T: rounded to the nearest whole number for an integral T, and saturated; nothing for NaN.
template<typename T> std::optional<T> roundedNumber(double value)
{
    using Limits = std::numeric_limits<T>;
    if (std::isnan(value)) {
        return std::nullopt;
    }
    if constexpr (std::is_floating_point_v<T>) {
        return T(value);
    } else {
        value = std::round(value);
        // The limits of the 64-bit types are powers of two or one below them: double(max()) rounds up
        // to the first value that no longer fits.
        if (value <= double(Limits::lowest())) {
            return Limits::lowest();
        }
        if (value >= double(Limits::max())) {
            return Limits::max();
        }
        return T(value);
    }
}

/**
 * A value an assistive tool hands to QAccessibleValueInterface::setCurrentValue(), as a number of
 * type T (int, qint64, quint64 or double). Integers are exact and saturate at T's limits;
 * floating-point numbers (AT-SPI sends every value as a double) are rounded to the nearest whole
 * number for an integral T, then saturated; text is read as such a number in the C locale. Nothing
 * for NaN and for what is no number.
 */
template<typename T> std::optional<T> accessibleNumber(const QVariant& value)
{
    bool ok = false;
    switch (value.userType()) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong: return saturatedNumber<T>(value.toLongLong());
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: return saturatedNumber<T>(value.toULongLong());
    case QMetaType::Float:
    case QMetaType::Double: return roundedNumber<T>(value.toDouble());
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (const qlonglong number = text.toLongLong(&ok); ok) {
            return saturatedNumber<T>(number);
        }
        if (const qulonglong number = text.toULongLong(&ok); ok) {
            return saturatedNumber<T>(number);
        }
        if (const double number = text.toDouble(&ok); ok) {
            return roundedNumber<T>(number);
        }
        return std::nullopt;
    }
    default: return std::nullopt;
    }
}

} // namespace util::detail
