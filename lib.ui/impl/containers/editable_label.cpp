#include <util/editable_label.h>

#include "frame/focus_frame.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace util {

namespace editable {

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    Q_EMIT signal_activateEditor(text());
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    detail::paintFocusFrame(*this);
}

void Label::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F2) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT signal_activateEditor(text());
}

namespace {

bool endsEdit(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return true;
    default: return false;
    }
}

} // namespace

bool Editor::event(QEvent* event)
{
    // The keys that end the edit are the editor's: a window shortcut on them waits.
    if (event->type() == QEvent::ShortcutOverride && endsEdit(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void Editor::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or a completer's list takes the focus while the user still edits.
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT signal_editFinished(text());
}

void Editor::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    // While a completer shows its list, these keys pick or dismiss a completion (QLineEdit leaves them
    // to the completer); otherwise they end the edit and go no further, to a dialog for instance.
    if (!endsEdit(event) || (completer() && completer()->popup()->isVisible()))
        return;
    event->accept();
    Q_EMIT signal_editFinished(text());
}

} // namespace editable

EditableLabel::EditableLabel(QWidget* parent)
    : QWidget(parent)
    , m_label(new editable::Label)
    , m_editor(new editable::Editor)
    , m_stack(new QStackedWidget(this))
{
    m_label->setObjectName(QStringLiteral("label"));
    m_editor->setObjectName(QStringLiteral("editor"));
    m_label->setFocusPolicy(Qt::StrongFocus);
    m_editor->setReadOnly(false);
    m_stack->setObjectName(QStringLiteral("stack"));
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("layout"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_stack);
    m_stack->addWidget(m_label);
    m_stack->addWidget(m_editor);
    setSizePolicy(m_label->sizePolicy());
    m_editor->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    connect(m_label, &editable::Label::signal_activateEditor, this, &EditableLabel::enableEditor);
    connect(m_editor, &editable::Editor::signal_editFinished, this, &EditableLabel::disableEditor);
}

void EditableLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_label->setText(m_text);
    m_editor->setText(m_text);
    Q_EMIT signal_textChanged(m_text);
}

QString EditableLabel::text()
{
    return m_text;
}

void EditableLabel::enableEditor(const QString&)
{
    m_editing = true;
    m_stack->setCurrentWidget(m_editor);
    m_editor->setText(m_label->text());
    m_editor->setFocus(Qt::OtherFocusReason);
}

void EditableLabel::disableEditor(const QString&)
{
    // Leaving the editor takes its focus away, and that focus-out must not end the edit twice.
    if (!m_editing)
        return;
    m_editing = false;
    m_label->setText(m_editor->text());
    m_stack->setCurrentWidget(m_label);
    m_stack->resize(m_stack->minimumSizeHint());
    Q_EMIT signal_editFinished(m_editor->text());
}

QLabel* EditableLabel::getLabel()
{
    return m_label;
}

QLineEdit* EditableLabel::getEditor()
{
    return m_editor;
}

} // namespace util
