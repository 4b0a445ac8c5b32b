// The showing face of an editable label as screen readers meet it: static text named by its text,
// with an action that starts editing. The editor is Qt's line edit, with Qt's interface.
#include "frame/accessible_factory.h"
#include "frame/label_accessible.h"

#include <util/editable_label.h>

#include <QCoreApplication>

namespace util {

namespace {

/// The action that shows the editor, as F2 does.
QString startEditingAction()
{
    return QStringLiteral("Start editing");
}

class EditableLabelAccessible : public detail::LabelAccessible
{
public:
    explicit EditableLabelAccessible(editable::Label* label)
        : LabelAccessible(label, QAccessible::StaticText)
    { }

    /// Without a description of the host's, the description tells how to edit.
    QString text(QAccessible::Text type) const override
    {
        QString text = LabelAccessible::text(type);
        if (type == QAccessible::Description && text.isEmpty()) {
            text = QCoreApplication::translate("util::EditableLabel", "Press F2 to edit.");
        }
        return text;
    }

    QStringList actionNames() const override
    {
        QStringList names = LabelAccessible::actionNames();
        if (label()->isEnabled()) {
            names.prepend(startEditingAction());
        }
        return names;
    }

    QString localizedActionName(const QString& name) const override
    {
        return name == startEditingAction()
            ? QCoreApplication::translate("util::EditableLabel", "Start editing")
            : LabelAccessible::localizedActionName(name);
    }

    QString localizedActionDescription(const QString& name) const override
    {
        return name == startEditingAction()
            ? QCoreApplication::translate("util::EditableLabel", "Shows an editor for the text")
            : LabelAccessible::localizedActionDescription(name);
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        return name == startEditingAction() ? QStringList { QKeySequence(Qt::Key_F2).toString() }
                                            : LabelAccessible::keyBindingsForAction(name);
    }

    /// Starts editing as F2 does, while the label is enabled.
    void doAction(const QString& name) override
    {
        if (name != startEditingAction()) {
            LabelAccessible::doAction(name);
        } else if (label()->isEnabled()) {
            emit static_cast<editable::Label*>(label())->signal_activateEditor(label()->text());
        }
    }
};

[[maybe_unused]] const bool registered
    = detail::registerAccessible<editable::Label, EditableLabelAccessible>();

} // namespace

} // namespace util
