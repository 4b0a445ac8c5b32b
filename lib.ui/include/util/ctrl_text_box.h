#pragma once

#include <util/util_ui_export.h>

#include <QLineEdit>

namespace util {

/// @brief Line edit that announces keyboard focus with signal_hasFocus().
class UTIL_UI_EXPORT CtrlTextBox : public QLineEdit
{
    Q_OBJECT

public:
    /// An empty line edit.
    explicit CtrlTextBox(QWidget* parent = nullptr);

Q_SIGNALS:
    /// The box received keyboard focus.
    void signal_hasFocus();

protected:
    /// Emits signal_hasFocus(), then takes the focus as QLineEdit does (shows the cursor; Tab and
    /// Backtab select the text).
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace util
