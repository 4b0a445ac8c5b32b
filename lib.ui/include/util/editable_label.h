#pragma once

#include <util/util_ui_export.h>

#include <QLabel>
#include <QLineEdit>

class QStackedWidget;

namespace util {

namespace editable {

/// The showing face of an EditableLabel: a label that asks for the editor on double-click or F2.
class UTIL_UI_EXPORT Label : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    /// A double-click on the label or F2 while it has the focus, with the text it shows.
    void signal_activateEditor(QString current_text);

protected:
    /// Emits signal_activateEditor() with the label's text.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// F2 emits signal_activateEditor() with the label's text, as in file managers.
    void keyPressEvent(QKeyEvent* event) override;
    /// Paints the label, and a focus frame while it has the keyboard focus.
    void paintEvent(QPaintEvent* event) override;
};

/// The editing face of an EditableLabel: a line edit that reports the end of an edit.
class UTIL_UI_EXPORT Editor : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    /**
     * Sent with the typed text on every Return, Enter or Escape press and on every focus-out,
     * except a focus-out to a popup (the editor's context menu, a completer's list): the edit
     * goes on there.
     */
    void signal_editFinished(QString text);

protected:
    /// Claims Return, Enter and Escape before window shortcuts on them.
    bool event(QEvent* event) override;
    /// Ends the edit unless the focus went to a popup: emits signal_editFinished().
    void focusOutEvent(QFocusEvent* event) override;
    /**
     * Return, Enter and Escape end the edit and are accepted, so that they do not reach a
     * dialog around the editor; while a completer shows its list they are left to the
     * completer. Other keys edit the text.
     */
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace editable

/**
 * @brief A label that turns into a line editor for in-place renaming.
 *
 * Double-clicking the label, or F2 while the label has the keyboard focus (it
 * takes it by Tab and by click), shows the editor with the label's text.
 * Return, Enter, Escape or moving the focus away ends the edit, puts the typed
 * text on the label (Escape too) and emits signal_editFinished() once. The key that ends an edit goes no
 * further: inside a dialog it neither rejects the dialog nor presses its default button; the focus goes back
 * to the label. Opening the editor's context menu or a completer's list does not end the edit. The accepted
 * text, text(), does not change by editing: the host accepts an edit by calling setText() in response.
 *
 * Screen readers meet the label as static text named by its text, with an
 * action that starts editing, and the editor as Qt's line edit.
 */
class UTIL_UI_EXPORT EditableLabel : public QWidget
{
    Q_OBJECT

public:
    /// An empty label; the editor is hidden until the first double-click.
    explicit EditableLabel(QWidget* parent = nullptr);

    /// Sets the accepted text on the label and the editor; emits signal_textChanged() when it differs.
    void setText(const QString& text);
    /// The accepted text; empty at construction.
    QString text();

    /// Shows the editor with the label's text and gives it the keyboard focus. The argument is unused.
    void enableEditor(const QString& = QString());
    /// Ends an edit in progress: shows the typed text on the label, shows the label again and
    /// emits signal_editFinished(). Does nothing when no edit is in progress. The argument is unused.
    void disableEditor(const QString& = QString());

    /// The label shown while not editing (owned by this widget).
    QLabel* getLabel();
    /// The line editor shown while editing (owned by this widget).
    QLineEdit* getEditor();

Q_SIGNALS:
    /// The accepted text changed through setText().
    void signal_textChanged(QString text);
    /// An edit ended with the typed @p text; sent once per edit.
    void signal_editFinished(QString text);

private:
    editable::Label* m_label;
    editable::Editor* m_editor;
    QStackedWidget* m_stack;
    QString m_text;
    bool m_editing = false;
};

} // namespace util
