// The gallery used as a keyboard-only user uses it: pages chosen with the arrow keys in the page list,
// every control of a page reached by Tab, named for a screen reader, and operated with keys.
#include "gallery_window.h"
#include "sensor_source.h"

#include <util/chart_widget.h>
#include <util/clickable_label.h>
#include <util/editable_label.h>
#include <util/expand_widget.h>
#include <util/range_slider.h>
#include <util/wizard.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

/// Widgets a mouse user can operate: each must be reachable by Tab.
bool operable(const QWidget* widget)
{
    if (qobject_cast<const QScrollBar*>(widget))
        return false; // the keys scroll the focused area
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QAbstractSlider*>(widget)
        || qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget) || widget->inherits("util::RangeSlider")
        || widget->inherits("util::ClickableLabel") || widget->inherits("util::ExpandWidgetHeader")
        || widget->inherits("util::EditableLabel") || widget->inherits("util::ChartWidget")
        || widget->inherits("util::DoubleSliderPopup") || widget->inherits("util::Int64SliderPopup")
        || widget->inherits("util::UInt64SliderPopup");
}

/// Whether @p widget or what stands for it took the focus during a walk.
bool reached(const QWidget* widget, const QSet<const QWidget*>& focused)
{
    for (; widget; widget = widget->focusProxy()) {
        for (const QWidget* w : focused) {
            if (w == widget || widget->isAncestorOf(w))
                return true;
        }
    }
    return false;
}

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()),
            widget->objectName().isEmpty() ? widget->accessibleName() : widget->objectName());
}

/// Presses @p forward, or @p back where @p forward changes nothing (at an end); whether @p state changed.
template<typename State>
bool pressChanges(QWidget* widget, Qt::Key forward, Qt::Key back, const std::function<State()>& state)
{
    const State before = state();
    QTest::keyClick(widget, forward);
    if (state() != before)
        return true;
    QTest::keyClick(widget, back);
    return state() != before;
}

/// Operates the focused @p widget with the keys its kind answers to; false when nothing happened.
/// Qt's push buttons, line edits and lists are Qt's business, and a push button may open a dialog.
bool operatesByKeys(QWidget* widget)
{
    // A range slider is a QSlider whose own value is none of its handles'.
    if (auto* range = qobject_cast<util::RangeSlider*>(widget)) {
        return pressChanges<QPair<int, int>>(range, Qt::Key_Right, Qt::Key_Left,
            [range] { return qMakePair(range->minimumValue(), range->maximumValue()); });
    }
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
        const bool vertical = slider->orientation() == Qt::Vertical;
        return pressChanges<int>(slider, vertical ? Qt::Key_Up : Qt::Key_Right,
            vertical ? Qt::Key_Down : Qt::Key_Left, [slider] { return slider->value(); });
    }
    if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(widget))
        return pressChanges<QString>(
            spinBox, Qt::Key_Up, Qt::Key_Down, [spinBox] { return spinBox->text(); });
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        return box->count() < 2
            || pressChanges<int>(box, Qt::Key_Down, Qt::Key_Up, [box] { return box->currentIndex(); });
    }
    if (auto* check = qobject_cast<QCheckBox*>(widget))
        return pressChanges<int>(
            check, Qt::Key_Space, Qt::Key_Space, [check] { return int(check->checkState()); });
    if (auto* label = qobject_cast<util::ClickableLabel*>(widget)) {
        QSignalSpy clicked(label, &util::ClickableLabel::signal_clicked);
        QTest::keyClick(label, Qt::Key_Space);
        return clicked.count() == 1;
    }
    if (auto* header = qobject_cast<util::ExpandWidgetHeader*>(widget)) {
        // Space folds the section and unfolds it again.
        QSignalSpy toggled(header, &util::ExpandWidgetHeader::signal_headerClicked);
        QTest::keyClick(header, Qt::Key_Space);
        QTest::keyClick(header, Qt::Key_Space);
        return toggled.count() == 2 && toggled.at(0).first() != toggled.at(1).first();
    }
    if (auto* label = qobject_cast<util::editable::Label*>(widget)) {
        // F2 opens the editor, Escape gives the focus back to the label, which keeps its text.
        const QString text = label->text();
        QTest::keyClick(label, Qt::Key_F2);
        auto* editor = qobject_cast<util::editable::Editor*>(QApplication::focusWidget());
        if (!editor)
            return false;
        QTest::keyClick(editor, Qt::Key_Escape);
        return QApplication::focusWidget() == label && label->text() == text;
    }
    if (widget->inherits("util::detail::WizardStep")) {
        // The arrow keys move between the steps the wizard lets the user enter.
        QTest::keyClick(widget, Qt::Key_Right);
        QWidget* other = QApplication::focusWidget();
        if (other == widget)
            return true; // the only step that can be entered
        QTest::keyClick(other, Qt::Key_Left);
        return other->inherits("util::detail::WizardStep") && QApplication::focusWidget() == widget;
    }
    if (auto* chart = qobject_cast<util::ChartWidget*>(widget)) {
        // The arrow keys pan the view, or move the shape selected by Tab; a screen reader sees either.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(chart);
        QAccessibleInterface* shape = iface->focusChild();
        if (shape && shape->role() == QAccessible::Graphic) {
            return pressChanges<QRect>(chart, Qt::Key_Right, Qt::Key_Left, [shape] { return shape->rect(); });
        }
        return pressChanges<QString>(
            chart, Qt::Key_Right, Qt::Key_Left, [iface] { return iface->text(QAccessible::Description); });
    }
    return true;
}

} // namespace

class TestGalleryKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyPageByKeys();
    void wizardStepsByKeys();

private:
    /// Presses Tab from the page list until the focus comes back to it; the widgets it passed.
    QList<QPointer<QWidget>> walk();
    /// Presses Tab until the focus is on a widget that @p wanted accepts; that widget, or null.
    QWidget* tabTo(const std::function<bool(QWidget*)>& wanted);
    void checkPage(int index);

    SensorSource m_source;
    std::unique_ptr<GalleryWindow> m_window;
    QListWidget* m_pages = nullptr;
    QStringList m_problems; ///< what a keyboard user would miss, page by page
};

void TestGalleryKeyboard::initTestCase()
{
    m_window = std::make_unique<GalleryWindow>(m_source);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_pages = m_window->findChild<QListWidget*>(QStringLiteral("pageList"));
    QVERIFY(m_pages);
    // The window opens with the focus where a keyboard user starts: the list of pages.
    QTRY_COMPARE(QApplication::focusWidget(), m_pages);
}

void TestGalleryKeyboard::cleanupTestCase()
{
    m_window.reset();
}

QList<QPointer<QWidget>> TestGalleryKeyboard::walk()
{
    QList<QPointer<QWidget>> passed;
    for (int presses = 0; presses < 400; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            break;
        QTest::keyClick(focus, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (next == m_pages)
            return passed;
        passed << next;
        if (next && !operatesByKeys(next))
            m_problems << describe(next) + QStringLiteral(": the keys change nothing");
    }
    return {}; // the focus never came back: caught by the caller
}

QWidget* TestGalleryKeyboard::tabTo(const std::function<bool(QWidget*)>& wanted)
{
    for (int presses = 0; presses < 400; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (wanted(QApplication::focusWidget()))
            return QApplication::focusWidget();
    }
    return nullptr;
}

void TestGalleryKeyboard::checkPage(int index)
{
    QCOMPARE(QApplication::focusWidget(), m_pages);
    const QList<QPointer<QWidget>> passed = walk();
    QVERIFY2(!passed.isEmpty(),
        qPrintable(
            QStringLiteral("Tab never returns to the page list on page %1").arg(m_window->pageTitle(index))));
    QCOMPARE(QApplication::focusWidget(), m_pages);

    QSet<const QWidget*> focused;
    for (const QPointer<QWidget>& w : passed)
        if (w)
            focused.insert(w);
    auto* stack = m_window->findChild<QStackedWidget*>();
    QVERIFY(stack);
    QWidget* page = stack->currentWidget();
    QStringList unreachable;
    for (const QWidget* w : page->findChildren<QWidget*>()) {
        if (w->isVisibleTo(m_window.get()) && w->isEnabled() && operable(w) && !reached(w, focused))
            unreachable << describe(w);
    }
    if (!unreachable.isEmpty())
        m_problems << m_window->pageTitle(index) + QStringLiteral(": not reached by Tab: ")
                + unreachable.join(", ");

    // Each control the focus passed is named for a screen reader, by its own text or by a label.
    QStringList unnamed;
    for (const QPointer<QWidget>& w : passed) {
        if (!w)
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(iface);
        const bool named = !iface->text(QAccessible::Name).trimmed().isEmpty()
            || !iface->relations(QAccessible::Label).isEmpty();
        if (!named)
            unnamed << describe(w);
    }
    unnamed.removeDuplicates();
    if (!unnamed.isEmpty())
        m_problems << m_window->pageTitle(index) + QStringLiteral(": nameless: ") + unnamed.join(", ");
}

void TestGalleryKeyboard::everyPageByKeys()
{
    for (int index = 0; index < m_window->pageCount(); ++index) {
        if (index > 0) {
            QTest::keyClick(m_pages, Qt::Key_Down);
            QCOMPARE(m_pages->currentRow(), index);
        }
        checkPage(index);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1Char('\n'))));
}

void TestGalleryKeyboard::wizardStepsByKeys()
{
    int containers = 0;
    while (
        containers < m_window->pageCount() && m_window->pageTitle(containers) != QStringLiteral("Containers"))
        ++containers;
    QVERIFY(containers < m_window->pageCount());
    QCOMPARE(QApplication::focusWidget(), m_pages);
    while (m_pages->currentRow() != containers)
        QTest::keyClick(m_pages, m_pages->currentRow() < containers ? Qt::Key_Down : Qt::Key_Up);
    auto* wizard = m_window->findChild<QStackedWidget*>()->currentWidget()->findChild<util::Wizard*>();
    QVERIFY(wizard);
    QCOMPARE(wizard->selectedStep(), 0);

    // Each step opens the next: End on the step bar goes to it, Return enters it, and its page is walked.
    for (int step = 1; step < wizard->numberOfStep(); ++step) {
        QWidget* bar = tabTo([](QWidget* w) { return w->inherits("util::detail::WizardStep"); });
        QVERIFY(bar);
        QTest::keyClick(bar, Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(wizard->selectedStep(), step);
        QVERIFY(tabTo([this](QWidget* w) { return w == m_pages; }));
        checkPage(containers);
    }
    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestGalleryKeyboard)
#include "tst_gallery_keyboard.moc"
