// The containers as assistive tools and keyboard users meet them: the wizard's steps as a tab list,
// the expandable section's header as a button that expands and collapses, the editable label as
// text with an action that starts editing. The widgets are driven by keys and by the accessible
// actions and heard through their own signals; the accessibility events they raise are recorded by
// QAccessible's update handler.
#include "event_record.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>
#include <memory>

#include <util/editable_label.h>
#include <util/expand_widget.h>
#include <util/wizard.h>

namespace {

/// How many events of @p type were raised for @p object (its child @p child) since the last count,
/// for a state change only those that changed a state @p changed names; forgets them.
int count(QObject* object, QAccessible::Event type, int child = -1, QAccessible::State changed = {})
{
    const auto matches = [&](const Recorded& event) {
        if (event.object != object || event.type != type || event.child != child) {
            return false;
        }
        if (type != QAccessible::StateChanged) {
            return true;
        }
        return (changed.selected && event.changed.selected) || (changed.disabled && event.changed.disabled)
            || (changed.expanded && event.changed.expanded) || (changed.collapsed && event.changed.collapsed);
    };
    const auto end = std::remove_if(recorded().begin(), recorded().end(), matches);
    const int found = int(recorded().end() - end);
    recorded().erase(end, recorded().end());
    return found;
}

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

/// The first descendant of @p iface with @p role, depth first; null if there is none.
QAccessibleInterface* findRole(QAccessibleInterface* iface, QAccessible::Role role)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (child->role() == role) {
            return child;
        }
        if (QAccessibleInterface* found = findRole(child, role)) {
            return found;
        }
    }
    return nullptr;
}

/// Shows and activates @p window; a window manager may not activate it on its own.
bool raise(QWidget* window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) {
        return false;
    }
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool giveFocus(QWidget* widget)
{
    widget->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([widget] { return widget->hasFocus(); });
}

/// A window with a line edit ahead of the widget under test, from which Tab moves on.
struct TabWindow
{
    explicit TabWindow(QWidget* widget)
        : before(new QLineEdit(&window))
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(widget);
    }

    /// Shows and activates the window, with the focus on the line edit.
    bool show() { return raise(&window) && giveFocus(before); }

    QWidget window;
    QLineEdit* const before;
};

QString focusedName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? accessible(focus)->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibilityContainers : public QObject
{
    Q_OBJECT

    /// Skips a test of the events when no accessibility bridge is active: QAccessible drops every
    /// event without one.
    static bool eventsReach() { return QAccessible::isActive(); }

private Q_SLOTS:
    void initTestCase();
    void init() { recorded().clear(); }

    void wizardSteps();
    void wizardKeys();
    void wizardActions();
    void wizardEvents();
    void expandWidgetHeader();
    void expandWidgetKeysAndActions();
    void expandWidgetEvents();
    void editableLabel();
    void editableLabelKeys();
    void editableLabelEvents();
    void focusIsShown();
    void textsAreTranslated();
};

void TestAccessibilityContainers::initTestCase()
{
    startRecording();
}

namespace {

/// A wizard of three steps, "Connect" (current), "Configure" and "Deploy" (disabled), the first
/// marked complete.
std::unique_ptr<util::Wizard> threeSteps()
{
    auto wizard = std::make_unique<util::Wizard>();
    for (const char* name : { "Connect", "Configure", "Deploy" }) {
        wizard->addStep(QLatin1String(name));
    }
    wizard->enableStep(1, true);
    wizard->tagStepAsComplete(0, true);
    wizard->resize(600, 300);
    return wizard;
}

QAccessibleInterface* stepList(util::Wizard* wizard)
{
    return findRole(accessible(wizard), QAccessible::PageTabList);
}

} // namespace

void TestAccessibilityContainers::wizardSteps()
{
    const auto wizard = threeSteps();
    QAccessibleInterface* list = stepList(wizard.get());
    QVERIFY(list);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Steps"));
    QCOMPARE(list->childCount(), 3);

    const QStringList names { QStringLiteral("Connect"), QStringLiteral("Configure"),
        QStringLiteral("Deploy") };
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* tab = list->child(i);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), names.at(i));
        QCOMPARE(list->indexOfChild(tab), i);
        QCOMPARE(tab->childCount(), 0);
        QVERIFY(tab->state().selectable);
        QCOMPARE(bool(tab->state().selected), i == 0);
        QCOMPARE(bool(tab->state().disabled), i == 2);
        // Only the enabled steps can be entered.
        QCOMPARE(tab->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
            i != 2);
    }
    QCOMPARE(list->child(0)->text(QAccessible::Description), QStringLiteral("Completed"));
    QCOMPARE(list->child(1)->text(QAccessible::Description), QString());

    // The states follow the wizard.
    wizard->selectStep(1);
    wizard->enableStep(2, true);
    wizard->tagStepAsComplete(0, false);
    QVERIFY(!list->child(0)->state().selected && list->child(1)->state().selected);
    QVERIFY(!list->child(2)->state().disabled);
    QCOMPARE(list->child(0)->text(QAccessible::Description), QString());
    // A step at its end unchecks itself: it no longer reads as selected.
    wizard->selectStep(2);
    wizard->nextStep();
    QVERIFY(!list->child(2)->state().selected);
}

// Tab reaches the steps first, the arrow keys, Home and End move between the enabled steps, and
// Return or Space enters the focused one.
void TestAccessibilityContainers::wizardKeys()
{
    auto* wizard = threeSteps().release();
    wizard->enableNext(true);
    TabWindow fixture(wizard);
    QVERIFY(fixture.show());
    QSignalSpy indexSpy(wizard, &util::Wizard::signal_indexChanged);
    QAccessibleInterface* list = stepList(wizard);

    QTest::keyClick(fixture.before, Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("Connect"));
    QVERIFY(list->child(0)->state().focused);
    QCOMPARE(list->focusChild(), list->child(0));
    // The disabled "Deploy" is passed over; the focus stays at the last enabled step.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(focusedName(), QStringLiteral("Configure"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(focusedName(), QStringLiteral("Configure"));
    // Moving the focus selects nothing; Return does.
    QVERIFY(indexSpy.isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(indexSpy.count(), 1);
    QCOMPARE(indexSpy.at(0).at(0).toInt(), 1);
    QCOMPARE(wizard->selectedStep(), 1);
    QVERIFY(list->child(1)->state().selected);

    wizard->enableStep(2, true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QCOMPARE(focusedName(), QStringLiteral("Deploy"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(wizard->selectedStep(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QCOMPARE(focusedName(), QStringLiteral("Connect"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(focusedName(), QStringLiteral("Connect"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(wizard->selectedStep(), 0);
    QCOMPARE(indexSpy.count(), 3);

    // In a right-to-left layout Left goes on to the next step.
    fixture.window.setLayoutDirection(Qt::RightToLeft);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(focusedName(), QStringLiteral("Configure"));
    fixture.window.setLayoutDirection(Qt::LeftToRight);

    // After the steps Tab reaches the menu's buttons.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("Deploy"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), wizard->findChild<QPushButton*>(QStringLiteral("next")));
    QCOMPARE(indexSpy.count(), 3);
}

// The press action of a step enters it as a click does, and is refused by a disabled step.
void TestAccessibilityContainers::wizardActions()
{
    const auto wizard = threeSteps();
    QSignalSpy indexSpy(wizard.get(), &util::Wizard::signal_indexChanged);
    QAccessibleInterface* list = stepList(wizard.get());

    list->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(indexSpy.count(), 1);
    QCOMPARE(indexSpy.at(0).at(0).toInt(), 1);
    QVERIFY(list->child(1)->state().selected && !list->child(0)->state().selected);

    list->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(indexSpy.count(), 1);
    QCOMPARE(wizard->selectedStep(), 1);
}

void TestAccessibilityContainers::wizardEvents()
{
    if (!eventsReach()) {
        QSKIP("no accessibility bridge: QAccessible drops the events");
    }
    const auto wizard = threeSteps();
    wizard->show();
    QVERIFY(QTest::qWaitForWindowExposed(wizard.get()));
    QAccessibleInterface* list = stepList(wizard.get());
    QObject* bar = list->object();
    QObject* connect = list->child(0)->object();
    QObject* configure = list->child(1)->object();
    QObject* deploy = list->child(2)->object();
    QAccessible::State selected;
    selected.selected = true;
    QAccessible::State disabled;
    disabled.disabled = true;
    recorded().clear();

    // A new current step: the tab list's selection moves, both tabs change their selected state.
    wizard->selectStep(1);
    QCOMPARE(count(bar, QAccessible::Selection, 1), 1);
    QCOMPARE(count(connect, QAccessible::StateChanged, -1, selected), 1);
    QCOMPARE(count(configure, QAccessible::StateChanged, -1, selected), 1);
    // The same step again: the selection stays.
    wizard->selectStep(1);
    QCOMPARE(count(bar, QAccessible::Selection, 1), 0);

    // Enabled, and marked complete: the state and the description change.
    wizard->enableStep(2, true);
    QCOMPARE(count(deploy, QAccessible::StateChanged, -1, disabled), 1);
    wizard->tagStepAsComplete(2, true);
    QCOMPARE(count(deploy, QAccessible::DescriptionChanged), 1);
    wizard->tagStepAsComplete(2, true);
    QCOMPARE(count(deploy, QAccessible::DescriptionChanged), 0);
    wizard->tagStepAsComplete(2, false);
    QCOMPARE(count(deploy, QAccessible::DescriptionChanged), 1);
}

void TestAccessibilityContainers::expandWidgetHeader()
{
    util::ExpandWidget section;
    section.getHeader()->setText(QStringLiteral("<b>Exposure</b>"));
    section.addWidget(QStringLiteral("Load"));
    QAccessibleInterface* header = accessible(section.getHeader());
    QCOMPARE(header->role(), QAccessible::Button);
    QCOMPARE(header->text(QAccessible::Name), QStringLiteral("Exposure"));
    QVERIFY(header->state().expandable && header->state().expanded && !header->state().collapsed);
    QVERIFY(header->state().focusable);
    const QStringList actions = header->actionInterface()->actionNames();
    QVERIFY(actions.contains(QAccessibleActionInterface::pressAction()));
    QVERIFY(actions.contains(QAccessibleActionInterface::toggleAction()));

    section.setBodyVisibility(false);
    QVERIFY(header->state().collapsed && !header->state().expanded);
    section.getHeader()->setAccessibleName(QStringLiteral("Exposure settings"));
    QCOMPARE(header->text(QAccessible::Name), QStringLiteral("Exposure settings"));

    // A disabled header offers nothing to press.
    section.setEnabled(false);
    QVERIFY(!header->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
}

// Tab reaches the header; Space, Return and Enter toggle the body as a press does, and so do the
// press and toggle actions.
void TestAccessibilityContainers::expandWidgetKeysAndActions()
{
    auto* section = new util::ExpandWidget;
    section->getHeader()->setText(QStringLiteral("Exposure"));
    section->addWidget(QStringLiteral("Load"));
    QWidget* body = section->findChild<QWidget*>(QStringLiteral("body"));
    TabWindow fixture(section);
    QVERIFY(fixture.show());
    QSignalSpy headerSpy(section->getHeader(), &util::ExpandWidgetHeader::signal_headerClicked);
    QAccessibleInterface* header = accessible(section->getHeader());

    QTest::keyClick(fixture.before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), section->getHeader());
    QVERIFY(header->state().focused);
    QTest::keyClick(section->getHeader(), Qt::Key_Space);
    QVERIFY(!body->isVisible() && header->state().collapsed);
    QTest::keyClick(section->getHeader(), Qt::Key_Return);
    QVERIFY(body->isVisible() && header->state().expanded);
    QTest::keyClick(section->getHeader(), Qt::Key_Enter);
    QVERIFY(!body->isVisible());
    // A held key acts once.
    QTest::keyPress(section->getHeader(), Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(section->getHeader(), &repeat);
    QTest::keyRelease(section->getHeader(), Qt::Key_Space);
    QVERIFY(body->isVisible());
    // Other keys do nothing.
    QTest::keyClick(section->getHeader(), Qt::Key_A);
    QVERIFY(body->isVisible());

    header->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!body->isVisible());
    header->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(body->isVisible());

    // Each reported whether it hid the body, as a press does.
    const QList<bool> hidden { true, false, true, false, true, false };
    QCOMPARE(headerSpy.count(), hidden.size());
    for (int i = 0; i < hidden.size(); ++i) {
        QCOMPARE(headerSpy.at(i).at(0).toBool(), hidden.at(i));
    }
    // Tab goes on into the body.
    QTest::keyClick(section->getHeader(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), body->findChild<QPushButton*>());
}

void TestAccessibilityContainers::expandWidgetEvents()
{
    if (!eventsReach()) {
        QSKIP("no accessibility bridge: QAccessible drops the events");
    }
    util::ExpandWidget section;
    section.getHeader()->setText(QStringLiteral("Exposure"));
    section.show();
    QVERIFY(QTest::qWaitForWindowExposed(&section));
    QObject* header = section.getHeader();
    QAccessible::State expansion;
    expansion.expanded = true;
    expansion.collapsed = true;
    recorded().clear();

    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QCOMPARE(count(header, QAccessible::StateChanged, -1, expansion), 1);
    accessible(header)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(count(header, QAccessible::StateChanged, -1, expansion), 1);
    // The host's calls are heard too, but only when they change something.
    section.setBodyVisibility(false);
    QCOMPARE(count(header, QAccessible::StateChanged, -1, expansion), 1);
    section.setBodyVisibility(false);
    QCOMPARE(count(header, QAccessible::StateChanged, -1, expansion), 0);
}

void TestAccessibilityContainers::editableLabel()
{
    util::EditableLabel label;
    label.setText(QStringLiteral("Sensor 1"));
    QAccessibleInterface* text = accessible(label.getLabel());
    QCOMPARE(text->role(), QAccessible::StaticText);
    QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Sensor 1"));
    QCOMPARE(text->text(QAccessible::Description), QStringLiteral("Press F2 to edit."));
    QVERIFY(text->state().focusable);
    QCOMPARE(findRole(accessible(&label), QAccessible::StaticText), text);
    // The editor is Qt's line edit.
    QAccessibleInterface* editor = accessible(label.getEditor());
    QCOMPARE(editor->role(), QAccessible::EditableText);
    QVERIFY(editor->editableTextInterface());

    const QString startEditing = QStringLiteral("Start editing");
    QAccessibleActionInterface* actions = text->actionInterface();
    QCOMPARE(actions->actionNames().value(0), startEditing);
    QCOMPARE(actions->localizedActionName(startEditing), startEditing);
    QCOMPARE(actions->keyBindingsForAction(startEditing), QStringList { QStringLiteral("F2") });
    QVERIFY(!actions->localizedActionDescription(startEditing).isEmpty());

    QSignalSpy finishedSpy(&label, &util::EditableLabel::signal_editFinished);
    QVERIFY(raise(&label));
    actions->doAction(startEditing);
    QTRY_VERIFY(label.getEditor()->hasFocus());
    QCOMPARE(editor->textInterface()->text(0, editor->textInterface()->characterCount()),
        QStringLiteral("Sensor 1"));
    QTest::keyClick(label.getEditor(), Qt::Key_Return);
    QCOMPARE(finishedSpy.count(), 1);

    // Disabled, the label offers no edit.
    label.setEnabled(false);
    QVERIFY(!actions->actionNames().contains(startEditing));
    label.setEnabled(true);

    // A name of the host's wins, and rich text reads as plain text.
    label.setText(QStringLiteral("<i>Left</i> head"));
    QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Left head"));
    label.getLabel()->setAccessibleName(QStringLiteral("Sensor name"));
    QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Sensor name"));
}

// Tab reaches the label, F2 starts editing, Return or Escape ends the edit with the typed text; the
// focus comes back to the label either way.
void TestAccessibilityContainers::editableLabelKeys()
{
    auto* label = new util::EditableLabel;
    label->setText(QStringLiteral("Sensor 1"));
    TabWindow fixture(label);
    QVERIFY(fixture.show());
    QSignalSpy finishedSpy(label, &util::EditableLabel::signal_editFinished);

    QTest::keyClick(fixture.before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), label->getLabel());
    QVERIFY(accessible(label->getLabel())->state().focused);
    // Other keys do not edit.
    QTest::keyClick(label->getLabel(), Qt::Key_A);
    QCOMPARE(QApplication::focusWidget(), label->getLabel());

    QTest::keyClick(label->getLabel(), Qt::Key_F2);
    QCOMPARE(QApplication::focusWidget(), label->getEditor());
    QCOMPARE(label->getEditor()->text(), QStringLiteral("Sensor 1"));
    label->getEditor()->selectAll();
    QTest::keyClicks(label->getEditor(), QStringLiteral("Left head"));
    QTest::keyClick(label->getEditor(), Qt::Key_Return);
    QCOMPARE(finishedSpy.count(), 1);
    QCOMPARE(finishedSpy.at(0).at(0).toString(), QStringLiteral("Left head"));
    QCOMPARE(label->getLabel()->text(), QStringLiteral("Left head"));
    QCOMPARE(QApplication::focusWidget(), label->getLabel());

    QTest::keyClick(label->getLabel(), Qt::Key_F2);
    QCOMPARE(QApplication::focusWidget(), label->getEditor());
    QTest::keyClicks(label->getEditor(), QStringLiteral(" 2"));
    QTest::keyClick(label->getEditor(), Qt::Key_Escape);
    QCOMPARE(finishedSpy.count(), 2);
    QCOMPARE(finishedSpy.at(1).at(0).toString(), QStringLiteral("Left head 2"));
    QCOMPARE(label->getLabel()->text(), QStringLiteral("Left head 2"));
    QCOMPARE(QApplication::focusWidget(), label->getLabel());

    // Shift+Tab leaves the label.
    QTest::keyClick(label->getLabel(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), fixture.before);
    QCOMPARE(finishedSpy.count(), 2);
}

void TestAccessibilityContainers::editableLabelEvents()
{
    if (!eventsReach()) {
        QSKIP("no accessibility bridge: QAccessible drops the events");
    }
    auto* label = new util::EditableLabel;
    label->setText(QStringLiteral("Sensor 1"));
    TabWindow fixture(label);
    QVERIFY(fixture.show());
    QObject* text = label->getLabel();
    recorded().clear();

    // A new text renames the label.
    label->setText(QStringLiteral("Sensor 2"));
    QCOMPARE(count(text, QAccessible::NameChanged), 1);
    label->setText(QStringLiteral("Sensor 2"));
    QCOMPARE(count(text, QAccessible::NameChanged), 0);

    // Typing is heard from the editor, the committed text from the label.
    QVERIFY(giveFocus(label->getLabel()));
    recorded().clear();
    QTest::keyClick(label->getLabel(), Qt::Key_F2);
    QCOMPARE(count(label->getEditor(), QAccessible::Focus), 1);
    QTest::keyClick(label->getEditor(), Qt::Key_X);
    QVERIFY(count(label->getEditor(), QAccessible::TextInserted)
            + count(label->getEditor(), QAccessible::TextUpdated)
        > 0);
    QTest::keyClick(label->getEditor(), Qt::Key_Return);
    QCOMPARE(count(text, QAccessible::NameChanged), 1);
    // The focus is back on the label (Qt may announce it more than once).
    QVERIFY(count(text, QAccessible::Focus) > 0);
}

// The parts that take the focus show it, the labels too, which draw no focus frame of their own:
// each looks different with the focus from without it.
void TestAccessibilityContainers::focusIsShown()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    auto* wizard = threeSteps().release();
    auto* section = new util::ExpandWidget;
    section->getHeader()->setText(QStringLiteral("Exposure"));
    auto* label = new util::EditableLabel;
    label->setText(QStringLiteral("Sensor 1"));
    layout->addWidget(wizard);
    layout->addWidget(section);
    layout->addWidget(label);
    TabWindow fixture(column);
    QVERIFY(fixture.show());

    QAccessibleInterface* steps = stepList(wizard);
    const QList<QObject*> parts { steps->child(0)->object(), steps->child(1)->object(), section->getHeader(),
        label->getLabel() };
    for (QObject* object : parts) {
        auto* part = qobject_cast<QWidget*>(object);
        const QImage without = part->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), part);
        QVERIFY2(part->grab().toImage() != without, qPrintable(accessible(part)->text(QAccessible::Name)));
    }
}

void TestAccessibilityContainers::textsAreTranslated()
{
    const auto wizard = threeSteps();
    util::EditableLabel label;
    QAccessibleInterface* list = stepList(wizard.get());
    QAccessibleInterface* text = accessible(label.getLabel());
    const QString startEditing = QStringLiteral("Start editing");

    QTranslator german;
    QVERIFY(german.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("util-ui"),
        QStringLiteral("_"), QStringLiteral(":/util-ui/translations")));
    QCoreApplication::installTranslator(&german);
    const QStringList texts { list->text(QAccessible::Name), list->child(0)->text(QAccessible::Description),
        text->text(QAccessible::Description), text->actionInterface()->localizedActionName(startEditing),
        text->actionInterface()->localizedActionDescription(startEditing) };
    // The action's own name stays as it is: assistive tools know actions by their names.
    const bool actionKept = text->actionInterface()->actionNames().contains(startEditing);
    QCoreApplication::removeTranslator(&german);

    QCOMPARE(texts,
        (QStringList { QStringLiteral("Schritte"), QStringLiteral("Abgeschlossen"),
            QStringLiteral("Zum Bearbeiten F2 drücken."), QStringLiteral("Bearbeiten beginnen"),
            QStringLiteral("Zeigt einen Editor für den Text") }));
    QVERIFY(actionKept);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Steps"));
}

QTEST_MAIN(TestAccessibilityContainers)
#include "tst_accessibility_containers.moc"
