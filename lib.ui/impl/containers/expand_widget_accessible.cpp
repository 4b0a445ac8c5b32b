// The header of an expandable section as screen readers meet it: a button, named by its text, that
// tells whether the section is expanded or collapsed and toggles it.
#include "frame/accessible_factory.h"
#include "frame/label_accessible.h"

#include <util/expand_widget.h>

namespace util {

namespace {

class ExpandWidgetHeaderAccessible : public detail::LabelAccessible
{
public:
    explicit ExpandWidgetHeaderAccessible(ExpandWidgetHeader* header)
        : LabelAccessible(header, QAccessible::Button)
    { }

    /// Expandable, and expanded or collapsed as the header's hide flag tells.
    QAccessible::State state() const override
    {
        QAccessible::State state = LabelAccessible::state();
        state.expandable = true;
        state.expanded = !header()->bodyHidden();
        state.collapsed = header()->bodyHidden();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = LabelAccessible::actionNames();
        if (header()->isEnabled()) {
            names = QStringList { pressAction(), toggleAction() } + names;
        }
        return names;
    }

    /// Press and toggle act as a press on the header, while it is enabled.
    void doAction(const QString& name) override
    {
        if (name != pressAction() && name != toggleAction()) {
            LabelAccessible::doAction(name);
        } else if (header()->isEnabled()) {
            header()->toggle();
        }
    }

private:
    ExpandWidgetHeader* header() const { return static_cast<ExpandWidgetHeader*>(widget()); }
};

[[maybe_unused]] const bool registered
    = detail::registerAccessible<ExpandWidgetHeader, ExpandWidgetHeaderAccessible>();

} // namespace

} // namespace util
