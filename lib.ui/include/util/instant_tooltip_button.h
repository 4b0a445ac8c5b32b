#pragma once

#include <util/util_ui_export.h>

#include <QPushButton>

namespace util {

/**
 * @brief A push button whose tooltip shows at once, on every mouse move.
 *
 * Mouse tracking stays off, so by default the tooltip follows the pointer
 * while a button is held; a host that wants it on plain hover switches
 * mouse tracking on.
 */
class UTIL_UI_EXPORT InstantTooltipButton : public QPushButton
{
    Q_OBJECT
public:
    /// A button without text.
    explicit InstantTooltipButton(QWidget* parent = nullptr);

protected:
    /// Shows toolTip() at the pointer, then lets the button track the press as usual.
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace util
