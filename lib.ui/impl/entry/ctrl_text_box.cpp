#include <util/ctrl_text_box.h>

namespace util {

CtrlTextBox::CtrlTextBox(QWidget* parent)
    : QLineEdit(parent)
{ }

void CtrlTextBox::focusInEvent(QFocusEvent*)
{
    emit signal_hasFocus();
}

} // namespace util
