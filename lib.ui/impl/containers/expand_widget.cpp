#include <util/expand_widget.h>

#include "frame/focus_frame.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace util {

ExpandWidgetHeader::ExpandWidgetHeader(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setFocusPolicy(Qt::StrongFocus);
}

void ExpandWidgetHeader::setBodyHidden(bool hidden)
{
    if (hidden == m_hide)
        return;
    m_hide = hidden;
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ExpandWidgetHeader::toggle()
{
    setBodyHidden(!m_hide);
    Q_EMIT signal_headerClicked(m_hide);
}

void ExpandWidgetHeader::mousePressEvent(QMouseEvent*)
{
    toggle();
}

void ExpandWidgetHeader::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    detail::paintFocusFrame(*this);
}

void ExpandWidgetHeader::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            toggle();
        event->accept();
        break;
    default: QLabel::keyPressEvent(event);
    }
}

ExpandWidget::ExpandWidget(QWidget* parent)
    : QWidget(parent)
    , m_header(new ExpandWidgetHeader(this))
    , m_body(new QWidget(this))
{
    m_header->setObjectName(QStringLiteral("header"));
    m_body->setObjectName(QStringLiteral("body"));
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("layout"));
    layout->addWidget(m_header);
    layout->addWidget(m_body);
    auto* bodyLayout = new QVBoxLayout(m_body);
    bodyLayout->setObjectName(QStringLiteral("bodyLayout"));
    // setBodyVisibility() keeps the header's flag on the body's state, so every press flips the
    // body, whatever state the host left it in, and reports what it did.
    connect(m_header, &ExpandWidgetHeader::signal_headerClicked, this,
        [this](bool hide) { setBodyVisibility(!hide); });
}

QPushButton* ExpandWidget::addWidget(const QString& text, const QIcon& icon)
{
    auto* button = new QPushButton(icon, text);
    addWidget(button);
    return button;
}

void ExpandWidget::addWidget(QWidget* widget)
{
    if (widget)
        m_body->layout()->addWidget(widget);
}

void ExpandWidget::setBodyVisibility(bool visible)
{
    m_body->setVisible(visible);
    m_header->setBodyHidden(!visible);
}

ExpandWidgetHeader* ExpandWidget::getHeader()
{
    return m_header;
}

} // namespace util
