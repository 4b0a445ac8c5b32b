#include <util/wizard.h>

#include "containers/containers_logging.h"
#include "containers/wizard_p.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <vector>

namespace util {

namespace {

// The wizard's form, laid out as the designer would write it.
struct WizardForm
{
    QVBoxLayout* verticalLayout_2;
    detail::WizardStepBar* flow;
    QHBoxLayout* horizontalLayout;
    QFrame* content;
    QVBoxLayout* verticalLayout;
    QFrame* menu;
    QHBoxLayout* menu_layout;
    QPushButton* previous;
    QSpacerItem* horizontalSpacer;
    QPushButton* next;
    QPushButton* close_bt;

    void setupUi(QWidget* Wizard)
    {
        if (Wizard->objectName().isEmpty())
            Wizard->setObjectName(QStringLiteral("Wizard"));
        Wizard->resize(1000, 1000);
        verticalLayout_2 = new QVBoxLayout(Wizard);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));

        flow = new detail::WizardStepBar(Wizard);
        flow->setObjectName(QStringLiteral("flow"));
        flow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        horizontalLayout = new QHBoxLayout(flow);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        verticalLayout_2->addWidget(flow);

        content = new QFrame(Wizard);
        content->setObjectName(QStringLiteral("content"));
        content->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        verticalLayout = new QVBoxLayout(content);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout_2->addWidget(content);

        menu = new QFrame(Wizard);
        menu->setObjectName(QStringLiteral("menu"));
        menu_layout = new QHBoxLayout(menu);
        menu_layout->setObjectName(QStringLiteral("menu_layout"));
        previous = new QPushButton(menu);
        previous->setObjectName(QStringLiteral("previous"));
        menu_layout->addWidget(previous);
        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        menu_layout->addItem(horizontalSpacer);
        next = new QPushButton(menu);
        next->setObjectName(QStringLiteral("next"));
        menu_layout->addWidget(next);
        close_bt = new QPushButton(menu);
        close_bt->setObjectName(QStringLiteral("close_bt"));
        menu_layout->addWidget(close_bt);
        verticalLayout_2->addWidget(menu);

        retranslateUi(Wizard);
        QMetaObject::connectSlotsByName(Wizard);
    }

    void retranslateUi(QWidget* Wizard)
    {
        Wizard->setWindowTitle(QCoreApplication::translate("Wizard", "Wizard"));
        previous->setText(QCoreApplication::translate("Wizard", "Previous"));
        next->setText(QCoreApplication::translate("Wizard", "Next"));
        close_bt->setText(QCoreApplication::translate("Wizard", "Close"));
    }
};

// Takes every item out of the layout and deletes it, with its widget or nested layout.
void clearLayout(QLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QLayout* nested = item->layout()) {
            clearLayout(nested);
        } else if (QWidget* widget = item->widget()) {
            delete widget;
        }
        delete item;
    }
}

/// Gives the keyboard focus to the first enabled step of @p steps after position @p from, going in
/// @p direction (1 or -1); keeps it where it is when there is none.
void focusStep(const QList<detail::WizardStep*>& steps, int from, int direction)
{
    for (int i = from + direction; i >= 0 && i < steps.size(); i += direction) {
        if (steps[i]->isEnabled()) {
            steps[i]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

namespace detail {

WizardStep::WizardStep(int index, const QString& name, WizardStepBar* bar)
    : QPushButton(bar)
    , m_index(index)
    , m_name(name)
{
    // The text is set here, not by QPushButton's constructor: QAccessible keeps the interface of
    // the first event the button raises, and there the button is no WizardStep yet.
    setText(QStringLiteral("%1. %2").arg(index + 1).arg(name));
    setCheckable(true);
    // A screen reader reads the checked step as the selected tab.
    connect(this, &QAbstractButton::toggled, this, [this] {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    });
}

void WizardStep::setComplete(bool complete)
{
    if (complete == m_complete)
        return;
    m_complete = complete;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void WizardStep::keyPressEvent(QKeyEvent* event)
{
    const QList<WizardStep*> steps
        = parentWidget()->findChildren<WizardStep*>(QString(), Qt::FindDirectChildrenOnly);
    const int forward = layoutDirection() == Qt::RightToLeft ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Left: focusStep(steps, m_index, -forward); break;
    case Qt::Key_Right: focusStep(steps, m_index, forward); break;
    case Qt::Key_Home: focusStep(steps, -1, 1); break;
    case Qt::Key_End: focusStep(steps, int(steps.size()), -1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        break;
    default: QPushButton::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace detail

class WizardPrivate
{
public:
    explicit WizardPrivate(Wizard* owner)
        : owner(owner)
    { }

    // The step button at index, or null (with a warning) when there is none.
    detail::WizardStep* step(int index, const char* operation) const
    {
        if (index >= 0 && index < int(steps.size()))
            return steps[std::size_t(index)];
        qCWarning(lcContainers, "Wizard::%s: no step %d (the wizard has %d), ignored", operation, index,
            int(steps.size()));
        return nullptr;
    }

    // Unchecks the current step, makes button current and checks it; then announces it.
    void makeCurrent(detail::WizardStep* button)
    {
        const bool moved = button != currentStep;
        if (currentStep)
            currentStep->setChecked(false);
        currentStep = button;
        currentStep->setChecked(true);
        if (moved) {
            QAccessibleEvent event(ui.flow, QAccessible::Selection);
            event.setChild(button->index());
            QAccessible::updateAccessibility(&event);
        }
        Q_EMIT owner->signal_indexChanged(button->index());
    }

    // Translates the form's texts into the current language, keeping a title the host set.
    void retranslate()
    {
        const QString title = owner->windowTitle();
        ui.retranslateUi(owner);
        const QString translatedTitle = owner->windowTitle();
        if (title != formTitle)
            owner->setWindowTitle(title);
        formTitle = translatedTitle;
    }

    WizardForm ui;
    Wizard* const owner;
    QPointer<QWidget> content;
    detail::WizardStep* currentStep = nullptr;
    QString stepStyle;
    std::vector<detail::WizardStep*> steps;
    QString formTitle; // the window title as the form last set it
};

Wizard::Wizard(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<WizardPrivate>(this))
{
    d->ui.setupUi(this);
    d->formTitle = windowTitle();
    d->ui.verticalLayout_2->setContentsMargins(0, 0, 0, 0);
    d->ui.verticalLayout_2->setSpacing(0);
    setStyleSheet(QStringLiteral("QWidget { background-color: white; }"));

    d->ui.previous->setEnabled(false);
    d->ui.next->setEnabled(false);
    d->ui.close_bt->hide();
    connect(d->ui.next, &QPushButton::clicked, this, &Wizard::nextStep);
    connect(d->ui.previous, &QPushButton::clicked, this, &Wizard::previousStep);
    connect(d->ui.close_bt, &QPushButton::clicked, this, &Wizard::hide);

    d->ui.flow->setStyleSheet(QStringLiteral("#flow { background-color: #006AB7; }"));
    d->ui.content->setStyleSheet(
        QStringLiteral("#content { border-top: 1px solid black; border-bottom: 1px solid black; }"));
    d->ui.verticalLayout->setSpacing(0);
    d->ui.verticalLayout->setContentsMargins(0, 0, 0, 0);
    d->ui.menu->setStyleSheet(QStringLiteral(
        "#menu { background-color: #006AB7; } "
        "QPushButton { color: white; font-weight: bold; background-color: #006AB7; border: 0px;} "
        "QPushButton:hover { color: #3DAEE9; } "
        "QPushButton:disabled { color: gray; }"));
    d->stepStyle = QStringLiteral(
        "QPushButton { color: %1; font-weight: bold; background-color: #006AB7; border: 0px solid black; } "
        "QPushButton:checked { color: orange; } "
        "QPushButton:hover { color: #3DAEE9; } "
        "QPushButton:disabled { color: gray; } "
        "QPushButton:checked:disabled { color: gray; }");

    QMargins margins = d->ui.menu_layout->contentsMargins();
    margins.setLeft(10);
    margins.setRight(10);
    d->ui.menu_layout->setContentsMargins(margins);
}

Wizard::~Wizard() = default;

void Wizard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        d->retranslate();
    QWidget::changeEvent(event);
}

void Wizard::addStep(const QString& name)
{
    const int n = int(d->steps.size());
    auto* button = new detail::WizardStep(n, name, d->ui.flow);
    button->setStyleSheet(d->stepStyle.arg(QStringLiteral("white")));
    d->ui.horizontalLayout->addWidget(button);
    // Tab reaches the steps in their order, then the menu's buttons, as they stand on the screen. The
    // new step is last in the focus chain, behind which Qt 5.15 moves nothing: it goes behind Previous
    // first, then Previous behind it.
    QWidget::setTabOrder(d->ui.previous, button);
    QWidget::setTabOrder(button, d->ui.previous);
    connect(button, &QPushButton::clicked, this, [this, button] { d->makeCurrent(button); });
    button->setEnabled(n == 0);
    d->steps.push_back(button);
    if (!d->currentStep) {
        d->currentStep = button;
        button->setChecked(true);
    }
}

int Wizard::numberOfStep() const
{
    return int(d->steps.size());
}

int Wizard::selectedStep() const
{
    return d->currentStep ? d->currentStep->index() : 0;
}

void Wizard::selectStep(int index)
{
    if (detail::WizardStep* button = d->step(index, "selectStep"))
        d->makeCurrent(button);
}

void Wizard::nextStep()
{
    if (!d->currentStep)
        return;
    const int index = d->currentStep->index() + 1;
    if (index < numberOfStep()) {
        d->makeCurrent(d->steps[std::size_t(index)]);
    } else {
        d->currentStep->setChecked(false);
    }
}

void Wizard::previousStep()
{
    if (!d->currentStep)
        return;
    const int index = d->currentStep->index() - 1;
    if (index >= 0) {
        d->ui.previous->setEnabled(index != 0);
        d->makeCurrent(d->steps[std::size_t(index)]);
    } else {
        d->currentStep->setChecked(false);
    }
}

void Wizard::enableStep(int index, bool enabled)
{
    if (detail::WizardStep* button = d->step(index, "enableStep"))
        button->setEnabled(enabled);
}

bool Wizard::stepEnabled(int index)
{
    const detail::WizardStep* button = d->step(index, "stepEnabled");
    return button && button->isEnabled();
}

void Wizard::tagStepAsComplete(int index, bool complete)
{
    if (detail::WizardStep* button = d->step(index, "tagStepAsComplete")) {
        button->setStyleSheet(
            d->stepStyle.arg(complete ? QStringLiteral("#1FFF00") : QStringLiteral("white")));
        button->setComplete(complete);
    }
}

void Wizard::enableNext(bool enabled)
{
    d->ui.next->setEnabled(enabled);
}

bool Wizard::nextEnabled() const
{
    return d->ui.next->isEnabled();
}

void Wizard::enablePrevious(bool enabled)
{
    d->ui.previous->setEnabled(enabled);
}

bool Wizard::previousEnabled() const
{
    return d->ui.previous->isEnabled();
}

void Wizard::showClose(bool show)
{
    d->ui.close_bt->setVisible(show);
    d->ui.next->setVisible(!show);
}

bool Wizard::closeIsShown() const
{
    return d->ui.close_bt->isVisibleTo(this);
}

void Wizard::hide()
{
    Q_EMIT signal_visibility(false);
}

void Wizard::setContent(QWidget* page)
{
    if (!page) {
        qCWarning(lcContainers, "Wizard::setContent: null page ignored");
        return;
    }
    if (page == d->content)
        return;
    if (d->content) {
        d->content->disconnect();
        // A page taken from inside the old one must outlive it.
        if (d->content->isAncestorOf(page))
            page->setParent(d->ui.content);
        clearLayout(d->ui.verticalLayout);
    }
    d->content = page;
    d->ui.verticalLayout->addWidget(page);
}

QWidget* Wizard::content()
{
    return d->content;
}

} // namespace util
