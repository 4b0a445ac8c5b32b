#include <util/spin_box_action.h>

#include <util/ctrl_spinbox.h>

#include <QHBoxLayout>

namespace util {

namespace {

// Puts a new spin box into a margin-less container that becomes the action's default widget.
template<class SpinBox> SpinBox* embedSpinBox(QWidgetAction* action)
{
    auto* container = new QWidget;
    container->setObjectName(QStringLiteral("container"));
    container->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QHBoxLayout;
    layout->setObjectName(QStringLiteral("layout"));
    auto* spinBox = new SpinBox;
    spinBox->setObjectName(QStringLiteral("spinBox"));
    layout->addWidget(spinBox);
    container->setLayout(layout);
    layout->setContentsMargins(1, 1, 1, 1);
    action->setDefaultWidget(container);
    return spinBox;
}

} // namespace

SpinBoxAction::SpinBoxAction(QObject* parent)
    : QWidgetAction(parent)
    , m_spinBox(embedSpinBox<CtrlSpinbox>(this))
{ }

SpinBoxAction::~SpinBoxAction() = default;

DoubleSpinBoxAction::DoubleSpinBoxAction(QObject* parent)
    : QWidgetAction(parent)
    , m_spinBox(embedSpinBox<CtrlDoubleSpinbox>(this))
{ }

DoubleSpinBoxAction::~DoubleSpinBoxAction() = default;

} // namespace util
