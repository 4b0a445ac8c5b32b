#pragma once

#include <util/util_ui_export.h>

#include <QAction>

namespace util {

/**
 * @brief A QAction that announces changes of its visibility.
 *
 * setVisibility() sets the visibility and then always emits
 * signal_visibilityChanged(), also when the visibility stays the same.
 * QAction::setVisible() called directly emits only QAction::changed().
 */
class UTIL_UI_EXPORT Action : public QAction
{
    Q_OBJECT
public:
    /// An action with @p icon and @p text.
    Action(const QIcon& icon, const QString& text, QObject* parent);
    /// An action with @p text.
    Action(const QString& text, QObject* parent);
    /// An action without text.
    explicit Action(QObject* parent);

    /// Calls setVisible(@p visible), then emits signal_visibilityChanged().
    void setVisibility(bool visible);

Q_SIGNALS:
    /// setVisibility() ran; isVisible() tells the new state.
    void signal_visibilityChanged();
};

} // namespace util
