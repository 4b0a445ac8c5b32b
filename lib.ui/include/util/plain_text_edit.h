#pragma once

#include <util/util_ui_export.h>

#include <QPlainTextEdit>

namespace util {

/**
 * @brief A plain-text editor whose context menu can clear the document.
 *
 * The context menu is QPlainTextEdit's standard one with a "Clear" entry
 * appended, which calls clear().
 */
class UTIL_UI_EXPORT PlainTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    /// An empty editor.
    explicit PlainTextEdit(QWidget* parent = nullptr);

protected:
    /// Runs the standard context menu plus "Clear" at the event's position.
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace util
