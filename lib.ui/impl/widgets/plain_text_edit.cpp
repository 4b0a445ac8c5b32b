#include <util/plain_text_edit.h>

#include <QContextMenuEvent>
#include <QMenu>

#include <memory>

namespace util {

PlainTextEdit::PlainTextEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{ }

void PlainTextEdit::contextMenuEvent(QContextMenuEvent* event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    QAction* clearAction = menu->addAction(tr("Clear"));
    clearAction->setObjectName(QStringLiteral("clear_action"));
    connect(clearAction, &QAction::triggered, this, &QPlainTextEdit::clear);
    menu->exec(event->globalPos());
}

} // namespace util
