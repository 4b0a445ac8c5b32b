#include <util/tristate_checkbox.h>

namespace util {

TristateCheckbox::TristateCheckbox(QWidget* parent)
    : QCheckBox(parent)
{ }

void TristateCheckbox::nextCheckState()
{
    if (!isTristate()) {
        QCheckBox::nextCheckState();
        return;
    }
    setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

} // namespace util
