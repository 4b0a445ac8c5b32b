// The clickable label as screen readers meet it: a button named by its text, which the press
// action clicks.
#include "frame/accessible_factory.h"

#include <util/clickable_label.h>

#include <QAccessibleWidget>
#include <QTextDocument>

namespace util {

namespace {

class ClickableLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button)
    { }

    /// Without an accessible name of the host's, the name is the label's text as plain text.
    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name || !label()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(type);
        }
        QString text = label()->text();
        if (label()->textFormat() == Qt::RichText
            || (label()->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument document;
            document.setHtml(text);
            text = document.toPlainText();
        }
        return text.isEmpty() ? QAccessibleWidget::text(type) : text;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    /// The press action clicks the label as a mouse press does: it emits signal_clicked().
    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
        } else if (label()->isEnabled()) {
            emit label()->signal_clicked();
        }
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

[[maybe_unused]] const bool registered
    = detail::registerAccessible<ClickableLabel, ClickableLabelAccessible>();

} // namespace

} // namespace util
