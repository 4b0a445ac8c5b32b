#pragma once

#include <util/util_ui_export.h>

#include <QDoubleSpinBox>
#include <QSpinBox>

namespace util {

/**
 * @brief Integer spin box with lenient range checks that reports every step as a finished edit.
 *
 * A plain number (in displayIntegerBase(), without prefix, suffix or group separators) outside
 * the range is Intermediate instead of Invalid, so the user can type past a bound; fixup() then
 * clamps it into the range. Everything else is validated and fixed up by QSpinBox. Each arrow,
 * key or wheel step ends by emitting editingFinished().
 * @see CtrlDoubleSpinbox
 */
class UTIL_UI_EXPORT CtrlSpinbox : public QSpinBox
{
    Q_OBJECT

public:
    explicit CtrlSpinbox(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    /// Clamps a plain number into the range and writes it in displayIntegerBase().
    void fixup(QString& input) const override;
    void stepBy(int steps) override;
};

/**
 * @brief Double spin box with lenient range checks that announces focus and reports every step
 * as a finished edit.
 *
 * A plain number in the widget's locale (no prefix or suffix; not NaN or infinite) outside the
 * range is Intermediate instead of Invalid; fixup() clamps it into the range and writes it with
 * six significant digits in the same locale, before QDoubleSpinBox's own fix-up. Everything else
 * is validated by QDoubleSpinBox. Each step ends by emitting editingFinished().
 * @see CtrlSpinbox
 */
class UTIL_UI_EXPORT CtrlDoubleSpinbox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit CtrlDoubleSpinbox(QWidget* parent = nullptr);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

Q_SIGNALS:
    /// The box received keyboard focus.
    void signal_hasFocus();

protected:
    /// Emits signal_hasFocus() only.
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace util
