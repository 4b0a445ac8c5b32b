#pragma once

#include <util/util_ui_export.h>

#include <QCheckBox>

namespace util {

/**
 * @brief A check box whose clicks never lead to the partial state.
 *
 * When tri-state, a user click turns Unchecked into Checked, and Checked
 * and PartiallyChecked into Unchecked. Only the host reaches the partial
 * state, with setCheckState().
 * Without tri-state it behaves as a QCheckBox.
 */
class UTIL_UI_EXPORT TristateCheckbox : public QCheckBox
{
    Q_OBJECT
public:
    /// An unchecked box without text.
    explicit TristateCheckbox(QWidget* parent = nullptr);

protected:
    /// The state a click leads to: Checked and PartiallyChecked to Unchecked, Unchecked to Checked.
    void nextCheckState() override;
};

} // namespace util
