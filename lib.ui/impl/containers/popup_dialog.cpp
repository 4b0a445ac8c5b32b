#include <util/popup_dialog.h>

namespace util {

PopupDialog::PopupDialog(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{ }

void PopupDialog::closeEvent(QCloseEvent*)
{
    Q_EMIT signal_closing();
}

void PopupDialog::focusOutEvent(QFocusEvent*)
{
    Q_EMIT signal_focustLost();
}

} // namespace util
