#include <util/style_markers.h>

#include <QApplication>
#include <QFile>

namespace util {

QString defaultStyleSheet()
{
    QFile file(QStringLiteral(":/util-ui/styles/style_markers.qss"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

void installDefaultStyleSheet()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) {
        return;
    }
    const QString rules = defaultStyleSheet();
    const QString current = app->styleSheet();
    if (!current.startsWith(rules)) {
        app->setStyleSheet(rules + current);
    }
}

BlueFrame::BlueFrame(QWidget* parent)
    : QFrame(parent)
{ }

TransparentFrame::TransparentFrame(QWidget* parent)
    : QFrame(parent)
{ }

GroupBoxSquareNoVertical::GroupBoxSquareNoVertical(QWidget* parent)
    : QGroupBox(parent)
{ }

HideButton::HideButton(QWidget* parent)
    : QPushButton(parent)
{ }

DisconnectButton::DisconnectButton(QWidget* parent)
    : QPushButton(parent)
{ }

RectangleButton::RectangleButton(QWidget* parent)
    : QPushButton(parent)
{ }

} // namespace util
