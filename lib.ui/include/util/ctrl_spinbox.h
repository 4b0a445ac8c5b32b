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
    /// A spin box with QSpinBox's defaults.
    explicit CtrlSpinbox(QWidget* parent = nullptr);

    /// Intermediate for a plain number out of range, else QSpinBox::validate().
    QValidator::State validate(QString& input, int& pos) const override;
    /// Clamps a plain number into the range and writes it in displayIntegerBase().
    void fixup(QString& input) const override;
    /// Steps as QAbstractSpinBox does, then emits editingFinished().
    void stepBy(int steps) override;
};

/**
 * @brief Double spin box with lenient range checks that announces focus and reports every step
 * as a finished edit.
 *
 * A plain number in the widget's locale (no prefix or suffix; not NaN or infinite) outside the
 * range is Intermediate instead of Invalid, unless it has more decimals than decimals(); fixup()
 * clamps it into the range and writes it as textFromValue() does, rounded to decimals(), before
 * QDoubleSpinBox's own fix-up: the text reads back inside the range, on the bound for a number
 * beyond it. Everything else, a number in the range included, is validated by QDoubleSpinBox,
 * which refuses more decimals than decimals() and reads what it accepts. Each step ends by emitting
 * editingFinished().
 * @see CtrlSpinbox
 */
class UTIL_UI_EXPORT CtrlDoubleSpinbox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    /// A spin box with QDoubleSpinBox's defaults.
    explicit CtrlDoubleSpinbox(QWidget* parent = nullptr);

    /**
     * Intermediate for a plain number out of range with at most decimals() decimals (Invalid with
     * more), else QDoubleSpinBox::validate().
     */
    QValidator::State validate(QString& input, int& pos) const override;
    /// Writes a plain number clamped into the range as textFromValue(), then runs QDoubleSpinBox::fixup().
    void fixup(QString& input) const override;
    /// Steps as QAbstractSpinBox does, then emits editingFinished().
    void stepBy(int steps) override;

Q_SIGNALS:
    /// The box received keyboard focus.
    void signal_hasFocus();

protected:
    /// Emits signal_hasFocus(), then takes the focus as QDoubleSpinBox does (shows the cursor; Tab
    /// and Backtab select the number).
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace util
