// The wizard's steps as screen readers meet them: a tab list named "Steps" whose page tabs are the
// step buttons, each named by its step, selected while it is the current step, and described as
// completed once the host marked it so.
#include "containers/wizard_p.h"
#include "frame/accessible_factory.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace util {

namespace {

using detail::WizardStep;
using detail::WizardStepBar;

class WizardStepBarAccessible : public QAccessibleWidget
{
public:
    explicit WizardStepBarAccessible(WizardStepBar* bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList)
    { }

    QString text(QAccessible::Text type) const override
    {
        QString text = QAccessibleWidget::text(type);
        if (type == QAccessible::Name && text.isEmpty()) {
            text = QCoreApplication::translate("util::Wizard", "Steps");
        }
        return text;
    }
};

class WizardStepAccessible : public QAccessibleWidget
{
public:
    explicit WizardStepAccessible(WizardStep* step)
        : QAccessibleWidget(step, QAccessible::PageTab)
    { }

    /// The name is the step's, without its number; the description says whether it is complete.
    QString text(QAccessible::Text type) const override
    {
        QString text = QAccessibleWidget::text(type);
        if (!text.isEmpty()) {
            return text;
        }
        if (type == QAccessible::Name) {
            return step()->name();
        }
        if (type == QAccessible::Description && step()->isComplete()) {
            return QCoreApplication::translate("util::Wizard", "Completed");
        }
        return text;
    }

    /// Selectable, and selected while the button is checked; disabled steps cannot be entered.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = step()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (step()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    /// The press action selects the step, as a click does, while the step is enabled.
    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            step()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    WizardStep* step() const { return static_cast<WizardStep*>(widget()); }
};

[[maybe_unused]] const bool barRegistered
    = detail::registerAccessible<WizardStepBar, WizardStepBarAccessible>();
[[maybe_unused]] const bool stepRegistered = detail::registerAccessible<WizardStep, WizardStepAccessible>();

} // namespace

} // namespace util
