#pragma once

#include <util/util_ui_export.h>

#include <QDialog>

namespace util {

/**
 * @brief A dialog that reports losing the focus and closing.
 *
 * Hosts use it for pop-ups that dismiss themselves: signal_focustLost() when
 * the dialog loses the keyboard focus, signal_closing() when it is closed.
 * The close itself goes ahead as usual.
 */
class UTIL_UI_EXPORT PopupDialog : public QDialog
{
    Q_OBJECT

public:
    /// A dialog with the window @p flags (none by default).
    explicit PopupDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

Q_SIGNALS:
    /// The dialog lost the keyboard focus.
    void signal_focustLost();
    /// The dialog is being closed (close(), the window's close button, Alt+F4).
    void signal_closing();

protected:
    /// Emits signal_closing(); the dialog then closes.
    void closeEvent(QCloseEvent* event) override;
    /// Emits signal_focustLost().
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace util
