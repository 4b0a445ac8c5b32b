// The clickable label as screen readers meet it: a button named by its text, which the press
// action clicks.
#include "frame/accessible_factory.h"
#include "frame/label_accessible.h"

#include <util/clickable_label.h>

namespace util {

namespace {

class ClickableLabelAccessible : public detail::LabelAccessible
{
public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : LabelAccessible(label, QAccessible::Button)
    { }

    QStringList actionNames() const override
    {
        QStringList names = LabelAccessible::actionNames();
        if (clickable()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    /// The press action clicks the label as a mouse press does: it emits signal_clicked().
    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            LabelAccessible::doAction(name);
        } else if (clickable()->isEnabled()) {
            emit clickable()->signal_clicked();
        }
    }

private:
    ClickableLabel* clickable() const { return static_cast<ClickableLabel*>(widget()); }
};

[[maybe_unused]] const bool registered
    = detail::registerAccessible<ClickableLabel, ClickableLabelAccessible>();

} // namespace

} // namespace util
