#pragma once

#include <QFrame>
#include <QPushButton>

namespace util::detail {

/// The wizard's bar of step buttons, which screen readers meet as a tab list.
class WizardStepBar : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;
};

/**
 * One step button of a wizard, labelled "<n>. <name>" and checked while it is the current step;
 * screen readers meet it as a page tab named by the step's name.
 *
 * On the keyboard, Left and Right move the focus to the neighbouring enabled step of the bar
 * (mirrored in a right-to-left layout), Home and End to the first and the last; the focus stays
 * at either end. Return and Enter click the button, as Space does, which selects the step.
 * Disabled steps take no focus and no click.
 */
class WizardStep : public QPushButton
{
    Q_OBJECT

public:
    /// The step at @p index (from 0) called @p name, checkable, in @p bar.
    WizardStep(int index, const QString& name, WizardStepBar* bar);

    /// The index of the step, from 0.
    int index() const { return m_index; }
    /// The name given to the step, without its number.
    QString name() const { return m_name; }

    /// Whether the host marked the step complete; false at first.
    bool isComplete() const { return m_complete; }
    /// Marks the step complete or not, and announces a change to screen readers.
    void setComplete(bool complete);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_index;
    QString m_name;
    bool m_complete = false;
};

} // namespace util::detail
