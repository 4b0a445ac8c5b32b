#include <util/long_long_validator.h>

#include <limits>

namespace util {

LongLongValidator::LongLongValidator(QObject* parent)
    : LongLongValidator(std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), parent)
{ }

LongLongValidator::LongLongValidator(qint64 bottom, qint64 top, QObject* parent)
    : QValidator(parent)
    , m_bottom(bottom)
    , m_top(top)
{ }

void LongLongValidator::setRange(qint64 bottom, qint64 top)
{
    m_bottom = bottom;
    m_top = top;
}

void LongLongValidator::setBottom(qint64 bottom)
{
    setRange(bottom, top());
}

void LongLongValidator::setTop(qint64 top)
{
    setRange(bottom(), top);
}

QValidator::State LongLongValidator::validate(QString& input, int&) const
{
    if (input.contains(QLatin1Char(' ')))
        return Invalid;
    if (input.isEmpty())
        return Intermediate;
    if (m_bottom < 0 && input == QLatin1String("-"))
        return Intermediate;
    bool ok = false;
    const qint64 number = input.toLongLong(&ok, 10);
    if (!ok)
        return Invalid;
    if (number < 0 && m_bottom >= 0)
        return Invalid;
    if (m_bottom <= number && number <= m_top)
        return Acceptable;
    // Out of range: more digits can still raise a number below bottom or lower one above top.
    if (number >= 0)
        return number <= m_top ? Intermediate : Invalid;
    return number >= m_bottom ? Intermediate : Invalid;
}

ULongLongValidator::ULongLongValidator(QObject* parent)
    : ULongLongValidator(0, std::numeric_limits<quint64>::max(), parent)
{ }

ULongLongValidator::ULongLongValidator(quint64 bottom, quint64 top, QObject* parent)
    : QValidator(parent)
    , m_bottom(bottom)
    , m_top(top)
{ }

void ULongLongValidator::setRange(quint64 bottom, quint64 top)
{
    m_bottom = bottom;
    m_top = top;
}

void ULongLongValidator::setBottom(quint64 bottom)
{
    setRange(bottom, top());
}

void ULongLongValidator::setTop(quint64 top)
{
    setRange(bottom(), top);
}

QValidator::State ULongLongValidator::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return Intermediate;
    if (input.contains(QLatin1Char(' ')) || input.contains(QLatin1Char('-')))
        return Invalid;
    bool ok = false;
    const quint64 number = input.toULongLong(&ok, 10);
    if (!ok || number < m_bottom || number > m_top)
        return Invalid;
    return Acceptable;
}

} // namespace util
