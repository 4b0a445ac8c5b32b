#pragma once

#include <QAccessibleWidget>
#include <QLabel>
#include <QTextDocument>

namespace util::detail {

/**
 * The accessible interface of a label that acts: named by its text, read as plain text, unless
 * the host gave it an accessible name (or the label is empty); Qt's own interface for labels names
 * them so too.
 */
class LabelAccessible : public QAccessibleWidget
{
public:
    LabelAccessible(QLabel* label, QAccessible::Role role)
        : QAccessibleWidget(label, role)
    { }

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

protected:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

} // namespace util::detail
