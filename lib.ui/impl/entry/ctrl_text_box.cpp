#include <util/ctrl_text_box.h>

namespace util {

CtrlTextBox::CtrlTextBox(QWidget* parent)
    : QLineEdit(parent)
{ }

void CtrlTextBox::focusInEvent(QFocusEvent* event)
{
    emit signal_hasFocus();
    QLineEdit::focusInEvent(event);
}

} // namespace util
