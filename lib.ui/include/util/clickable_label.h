#pragma once

#include <util/util_ui_export.h>

#include <QLabel>

namespace util {

/**
 * @brief A label that reports mouse clicks.
 *
 * Every mouse press emits signal_clicked() and every double-click
 * signal_doubleClicked(), whatever the button. The presses are consumed:
 * QLabel's own handling (text selection, links) does not see them.
 *
 * As a button, the label takes the focus by Tab and by click
 * (Qt::StrongFocus; set Qt::NoFocus to keep it out of the focus chain),
 * shows the style's focus frame while it has the focus, and Space, Return
 * or Enter emit signal_clicked() as a press does.
 */
class UTIL_UI_EXPORT ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    /// An empty label.
    explicit ClickableLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    /// A mouse button was pressed on the label.
    void signal_clicked();
    /// The label was double-clicked; follows the signal_clicked() of the first press.
    void signal_doubleClicked();

protected:
    /// Emits signal_clicked().
    void mousePressEvent(QMouseEvent* event) override;
    /// Emits signal_doubleClicked().
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Space, Return and Enter emit signal_clicked(); other keys go to QLabel.
    void keyPressEvent(QKeyEvent* event) override;
    /// The label, and the focus frame while it has the focus.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace util
