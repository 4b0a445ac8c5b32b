#include <util/action.h>

namespace util {

Action::Action(const QIcon& icon, const QString& text, QObject* parent)
    : QAction(icon, text, parent)
{ }

Action::Action(const QString& text, QObject* parent)
    : QAction(text, parent)
{ }

Action::Action(QObject* parent)
    : QAction(parent)
{ }

void Action::setVisibility(bool visible)
{
    setVisible(visible);
    emit signal_visibilityChanged();
}

} // namespace util
