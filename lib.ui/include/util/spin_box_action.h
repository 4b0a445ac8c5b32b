#pragma once

#include <util/util_ui_export.h>

#include <QWidgetAction>

namespace util {

class CtrlDoubleSpinbox;
class CtrlSpinbox;

/**
 * @brief Menu or tool-bar action that carries a CtrlSpinbox.
 *
 * The host configures the spin box through spinBox() and connects to its signals; the spin box
 * keeps QSpinBox's defaults until then. The action owns the spin box (through the container
 * widget it shows), which lives as long as the action.
 * @see DoubleSpinBoxAction
 */
class UTIL_UI_EXPORT SpinBoxAction : public QWidgetAction
{
public:
    /// An action owned by @p parent, carrying a new spin box.
    explicit SpinBoxAction(QObject* parent);
    ~SpinBoxAction() override;

    /// The embedded spin box; the same object for the whole life of the action.
    CtrlSpinbox* spinBox() const { return m_spinBox; }

private:
    CtrlSpinbox* m_spinBox;
};

/**
 * @brief Menu or tool-bar action that carries a CtrlDoubleSpinbox.
 *
 * The host configures the spin box through spinBox() and connects to its signals; the spin box
 * keeps QDoubleSpinBox's defaults until then. The action owns the spin box.
 * @see SpinBoxAction
 */
class UTIL_UI_EXPORT DoubleSpinBoxAction : public QWidgetAction
{
public:
    /// An action owned by @p parent, carrying a new double spin box.
    explicit DoubleSpinBoxAction(QObject* parent);
    ~DoubleSpinBoxAction() override;

    /// The embedded spin box; the same object for the whole life of the action.
    CtrlDoubleSpinbox* spinBox() const { return m_spinBox; }

private:
    CtrlDoubleSpinbox* m_spinBox;
};

} // namespace util
