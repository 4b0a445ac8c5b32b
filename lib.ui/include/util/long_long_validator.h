#pragma once

#include <util/util_ui_export.h>

#include <QValidator>

namespace util {

/**
 * @brief Validator for signed 64-bit whole numbers in decimal, for a QLineEdit.
 *
 * Accepts decimal text (an optional sign and digits, no spaces) whose number lies in the inclusive
 * range [bottom(), top()]. Text that more typing can still bring into range is Intermediate: a
 * non-negative number below bottom() while it does not exceed top(), a negative number above a
 * negative top() while it does not fall below bottom(). Everything else is Invalid.
 * The range is stored as given; bottom() > top() accepts nothing.
 * @see ULongLongValidator
 */
class UTIL_UI_EXPORT LongLongValidator : public QValidator
{
    Q_OBJECT
    /// Smallest acceptable number; default the smallest qint64.
    Q_PROPERTY(qlonglong bottom READ bottom WRITE setBottom)
    /// Largest acceptable number; default the largest qint64.
    Q_PROPERTY(qlonglong top READ top WRITE setTop)

public:
    /// A validator for the whole signed 64-bit range.
    explicit LongLongValidator(QObject* parent);
    /// A validator for [@p bottom, @p top].
    LongLongValidator(qint64 bottom, qint64 top, QObject* parent);

    /// The smallest acceptable number.
    qint64 bottom() const { return m_bottom; }
    /// The largest acceptable number.
    qint64 top() const { return m_top; }

    /// Stores both bounds; every range change of this class goes through here.
    virtual void setRange(qint64 bottom, qint64 top);
    /// Calls setRange(@p bottom, top()).
    void setBottom(qint64 bottom);
    /// Calls setRange(bottom(), @p top).
    void setTop(qint64 top);

    /// Never changes @p input or @p pos.
    State validate(QString& input, int& pos) const override;

private:
    qint64 m_bottom;
    qint64 m_top;
};

/**
 * @brief Validator for unsigned 64-bit whole numbers in decimal, for a QLineEdit.
 *
 * Accepts decimal digits (no sign, no spaces) whose number lies in the inclusive range
 * [bottom(), top()]. Empty text is Intermediate; any other text out of range is Invalid, also a
 * partial number below bottom().
 * @see LongLongValidator
 */
class UTIL_UI_EXPORT ULongLongValidator : public QValidator
{
    Q_OBJECT
    /// Smallest acceptable number; default 0.
    Q_PROPERTY(qulonglong bottom READ bottom WRITE setBottom)
    /// Largest acceptable number; default the largest quint64.
    Q_PROPERTY(qulonglong top READ top WRITE setTop)

public:
    /// A validator for the whole unsigned 64-bit range.
    explicit ULongLongValidator(QObject* parent);
    /// A validator for [@p bottom, @p top].
    ULongLongValidator(quint64 bottom, quint64 top, QObject* parent);

    /// The smallest acceptable number.
    quint64 bottom() const { return m_bottom; }
    /// The largest acceptable number.
    quint64 top() const { return m_top; }

    /// Stores both bounds; every range change of this class goes through here.
    virtual void setRange(quint64 bottom, quint64 top);
    /// Calls setRange(@p bottom, top()).
    void setBottom(quint64 bottom);
    /// Calls setRange(bottom(), @p top).
    void setTop(quint64 top);

    /// Never changes @p input or @p pos.
    State validate(QString& input, int& pos) const override;

private:
    quint64 m_bottom;
    quint64 m_top;
};

} // namespace util
