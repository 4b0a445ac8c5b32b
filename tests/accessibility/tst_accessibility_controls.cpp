// The controls as assistive tools meet them through QAccessible: roles, names, values, states and
// children; values set through the accessible interfaces and heard through the widgets' own
// signals; and the accessibility events the widgets raise, recorded by QAccessible's update handler.
#include "event_record.h"
#include "slider_geometry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <limits>
#include <memory>

#ifdef UTIL_UI_HAS_RANGES
#include <util/bit_range_widget.h>
#include <util/circular_slider.h>
#include <util/range_slider.h>
#endif
#ifdef UTIL_UI_HAS_ENTRY
#include <util/ctrl_int64_spin_box.h>
#endif
#ifdef UTIL_UI_HAS_POPUPS
#include <util/slider_popup.h>
#endif
#ifdef UTIL_UI_HAS_WIDGETS
#include <util/clickable_label.h>
#include <util/instant_tooltip_button.h>
#include <util/style_markers.h>
#endif

namespace {

/// The events of @p type raised for @p object, as (child, value) pairs, taken from the record.
QList<QPair<int, QVariant>> take(QObject* object, QAccessible::Event type)
{
    QList<QPair<int, QVariant>> taken;
    for (auto it = recorded().begin(); it != recorded().end();) {
        if (it->object == object && it->type == type) {
            taken.append({ it->child, it->value });
            it = recorded().erase(it);
        } else {
            ++it;
        }
    }
    return taken;
}

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

/// Raises the window of @p widget and gives @p widget the keyboard focus, as a Tab would. Used by the
/// tests of the range controls and the popups, which a build may leave out.
[[maybe_unused]] void focus(QWidget* widget)
{
    widget->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget->window()));
    widget->activateWindow();
    widget->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(widget->hasFocus());
}

} // namespace

#ifdef UTIL_UI_HAS_RANGES
/// A host's subclass, without an interface of its own.
class HostRangeSlider : public util::RangeSlider
{
    Q_OBJECT
public:
    using util::RangeSlider::RangeSlider;
};
#endif

class TestAccessibilityControls : public QObject
{
    Q_OBJECT

    /// Skips a test of the events when no accessibility bridge is active: QAccessible drops every
    /// event without one.
    static bool eventsReach() { return QAccessible::isActive(); }

private Q_SLOTS:
    void initTestCase();
    void init() { recorded().clear(); }

    void rangeSliderTree();
    void rangeSliderFocusedHandle();
    void rangeSliderSetThroughInterfaces();
    void rangeSliderEvents();
    void hostSubclassGetsTheInterface();
    void namesAreTranslated();
    void bitRangeWidget();
    void circularSlider();
    void int64SpinBox_data();
    void int64SpinBox();
    void uint64SpinBox_data();
    void uint64SpinBox();
    void spinBoxSetThroughInterface();
    void spinBoxTextAndActions();
    void spinBoxEvents();
    void sliderPopups();
    void sliderPopupEvents();
    void clickableLabel();
    void styledButtons_data();
    void styledButtons();
};

void TestAccessibilityControls::initTestCase()
{
    startRecording();
}

void TestAccessibilityControls::rangeSliderTree()
{
#ifdef UTIL_UI_HAS_RANGES
    util::RangeSlider slider(Qt::Horizontal);
    slider.resize(220, 30);
    slider.setRange(0, 100);
    slider.setSingleStep(5);
    slider.setValues(20, 80);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));

    QAccessibleInterface* iface = accessible(&slider);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Slider);
    QCOMPARE(iface->childCount(), 2);
    // The slider's own value is the active handle's, the lower one at first.
    QCOMPARE(iface->valueInterface()->currentValue(), QVariant(20));
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("20"));
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("20 to 80"));
    QCOMPARE(iface->valueInterface()->minimumValue(), QVariant(0));
    QCOMPARE(iface->valueInterface()->maximumValue(), QVariant(100));
    QCOMPARE(iface->valueInterface()->minimumStepSize(), QVariant(5));

    const QStringList names { QStringLiteral("Lower value"), QStringLiteral("Upper value") };
    const QList<int> values { 20, 80 };
    for (int i = 0; i < 2; ++i) {
        QAccessibleInterface* handle = iface->child(i);
        QVERIFY(handle);
        QCOMPARE(handle->role(), QAccessible::Slider);
        QCOMPARE(handle->text(QAccessible::Name), names[i]);
        QCOMPARE(handle->text(QAccessible::Value), QString::number(values[i]));
        QCOMPARE(handle->childCount(), 0);
        QCOMPARE(handle->parent(), iface);
        QCOMPARE(iface->indexOfChild(handle), i);
        QCOMPARE(iface->child(i), handle);
        QAccessibleValueInterface* value = handle->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue(), QVariant(values[i]));
        QCOMPARE(value->minimumValue(), QVariant(0));
        QCOMPARE(value->maximumValue(), QVariant(100));
        QCOMPARE(value->minimumStepSize(), QVariant(5));

        // Each handle sits where the style draws it, and a point on it finds it.
        const QPoint centre = slider.mapToGlobal(slider_geometry::handleAt(slider, values[i]));
        QVERIFY(handle->rect().contains(centre));
        QVERIFY(iface->rect().contains(handle->rect()));
        QCOMPARE(iface->childAt(centre.x(), centre.y()), handle);
    }
    QVERIFY(iface->text(QAccessible::Description).contains(QStringLiteral("80")));
    QVERIFY(!iface->child(2));

    // A drag holds the pressed handle down.
    QVERIFY(!iface->child(1)->state().pressed);
    slider_geometry::send(&slider, QEvent::MouseButtonPress, slider_geometry::handleAt(slider, 80));
    QVERIFY(iface->child(1)->state().pressed);
    QVERIFY(!iface->child(0)->state().pressed);
    slider_geometry::release(&slider, slider_geometry::handleAt(slider, 80));
    QVERIFY(!iface->child(1)->state().pressed);
    // The press made the upper handle the active one.
    QCOMPARE(iface->valueInterface()->currentValue(), QVariant(80));

    slider.setEnabled(false);
    QVERIFY(iface->child(0)->state().disabled);
#else
    QSKIP("built without the ranges");
#endif
}

void TestAccessibilityControls::rangeSliderFocusedHandle()
{
#ifdef UTIL_UI_HAS_RANGES
    util::RangeSlider slider(Qt::Horizontal);
    slider.resize(220, 30);
    slider.setValues(20, 80);
    QAccessibleInterface* iface = accessible(&slider);
    QVERIFY(!iface->child(0)->state().focused);
    focus(&slider);

    // The active handle is the focused child; Space makes the other one active.
    QCOMPARE(iface->focusChild(), iface->child(0));
    QVERIFY(iface->child(0)->state().focused);
    QVERIFY(!iface->child(1)->state().focused);
    QTest::keyClick(&slider, Qt::Key_Space);
    QCOMPARE(iface->focusChild(), iface->child(1));
    QVERIFY(iface->child(1)->state().focused);
    QVERIFY(!iface->child(0)->state().focused);
    QCOMPARE(iface->valueInterface()->currentValue(), QVariant(80));
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("80"));
#else
    QSKIP("built without the ranges");
#endif
}

void TestAccessibilityControls::rangeSliderSetThroughInterfaces()
{
#ifdef UTIL_UI_HAS_RANGES
    util::RangeSlider slider(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.setValues(20, 80);
    QAccessibleInterface* iface = accessible(&slider);
    QAccessibleValueInterface* lower = iface->child(0)->valueInterface();
    QAccessibleValueInterface* upper = iface->child(1)->valueInterface();
    QSignalSpy values(&slider, &util::RangeSlider::valuesChanged);
    QSignalSpy minima(&slider, &util::RangeSlider::minimumValueChanged);
    QSignalSpy maxima(&slider, &util::RangeSlider::maximumValueChanged);

    upper->setCurrentValue(90);
    QCOMPARE(values.takeFirst(), (QVariantList { 20, 90 }));
    QCOMPARE(maxima.takeFirst(), QVariantList { 90 });
    QVERIFY(minima.isEmpty());

    // AT-SPI sends doubles: rounded. The lower handle pushes the upper one as the setter does.
    lower->setCurrentValue(95.4);
    QCOMPARE(values.takeFirst(), (QVariantList { 95, 95 }));
    QCOMPARE(minima.takeFirst(), QVariantList { 95 });
    QCOMPARE(maxima.takeFirst(), QVariantList { 95 });

    lower->setCurrentValue(QStringLiteral(" 30 "));
    QCOMPARE(values.takeFirst(), (QVariantList { 30, 95 }));
    // Beyond the range, and beyond int: clamped.
    upper->setCurrentValue(qlonglong(1) << 40);
    QCOMPARE(values.takeFirst(), (QVariantList { 30, 100 }));
    lower->setCurrentValue(-1e300);
    QCOMPARE(values.takeFirst(), (QVariantList { 0, 100 }));
    // What is no number changes nothing.
    lower->setCurrentValue(QStringLiteral("many"));
    lower->setCurrentValue(std::numeric_limits<double>::quiet_NaN());
    lower->setCurrentValue(QVariant());
    QVERIFY(values.isEmpty());

    // The slider's own value sets the active handle.
    iface->valueInterface()->setCurrentValue(10);
    QCOMPARE(values.takeFirst(), (QVariantList { 10, 100 }));
    QCOMPARE(slider.minimumValue(), 10);
#else
    QSKIP("built without the ranges");
#endif
}

void TestAccessibilityControls::rangeSliderEvents()
{
#ifdef UTIL_UI_HAS_RANGES
    if (!eventsReach()) {
        QSKIP("no accessibility bridge: QAccessible drops the events");
    }
    util::RangeSlider slider(Qt::Horizontal);
    slider.resize(220, 30);
    slider.setValues(20, 80);
    focus(&slider);
    recorded().clear();
    using Events = QList<QPair<int, QVariant>>;

    // A key moves the lower handle: its child and the slider (child -1) hear the new value, before
    // the slider's listeners do.
    int eventsAtSignal = -1;
    connect(&slider, &util::RangeSlider::valuesChanged, this, [&] { eventsAtSignal = recorded().size(); });
    QTest::keyClick(&slider, Qt::Key_Right);
    QVERIFY(eventsAtSignal > 0);
    QCOMPARE(take(&slider, QAccessible::ValueChanged), (Events { { 0, 21 }, { -1, 21 } }));

    // Space: the slider's value is now the upper handle's, and the upper handle has the focus.
    QTest::keyClick(&slider, Qt::Key_Space);
    QCOMPARE(take(&slider, QAccessible::ValueChanged), (Events { { -1, 80 } }));
    QCOMPARE(take(&slider, QAccessible::Focus), (Events { { 1, {} } }));
    QTest::keyClick(&slider, Qt::Key_Left);
    QCOMPARE(take(&slider, QAccessible::ValueChanged), (Events { { 1, 79 }, { -1, 79 } }));

    // The host moves both handles; the lower one is not the active handle.
    slider.setValues(10, 90);
    QCOMPARE(take(&slider, QAccessible::ValueChanged), (Events { { 0, 10 }, { 1, 90 }, { -1, 90 } }));
    // Nothing changed, nothing raised.
    slider.setValues(10, 90);
    QCOMPARE(take(&slider, QAccessible::ValueChanged), Events {});

    // An event for a child names that child's interface.
    slider.setMinimumValue(11);
    QAccessibleValueChangeEvent probe(&slider, 11);
    probe.setChild(0);
    QCOMPARE(probe.accessibleInterface(), accessible(&slider)->child(0));
#else
    QSKIP("built without the ranges");
#endif
}

void TestAccessibilityControls::hostSubclassGetsTheInterface()
{
#ifdef UTIL_UI_HAS_RANGES
    HostRangeSlider slider(Qt::Horizontal);
    QAccessibleInterface* iface = accessible(&slider);
    QCOMPARE(iface->childCount(), 2);
    QCOMPARE(iface->child(1)->text(QAccessible::Name), QStringLiteral("Upper value"));
#else
    QSKIP("built without the ranges");
#endif
}

void TestAccessibilityControls::namesAreTranslated()
{
#ifdef UTIL_UI_HAS_RANGES
    QTranslator german;
    QVERIFY(german.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("util-ui"),
        QStringLiteral("_"), QStringLiteral(":/util-ui/translations")));
    QCoreApplication::installTranslator(&german);
    util::RangeSlider slider(Qt::Horizontal);
    slider.setValues(20, 80);
    util::BitRangeWidget selector(nullptr);
    QAccessibleInterface* iface = accessible(&slider);
    const QString lower = iface->child(0)->text(QAccessible::Name);
    const QString upper = iface->child(1)->text(QAccessible::Name);
    const QString description = iface->text(QAccessible::Description);
    const QString bits = accessible(selector.defaultWidget())->text(QAccessible::Value);
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(lower, QStringLiteral("Unterer Wert"));
    QCOMPARE(upper, QStringLiteral("Oberer Wert"));
    QCOMPARE(description, QStringLiteral("20 bis 80"));
    QCOMPARE(bits, QStringLiteral("Bits 15 bis 8"));
    QCOMPARE(iface->child(0)->text(QAccessible::Name), QStringLiteral("Lower value"));
#else
    QSKIP("built without the ranges");
#endif
}

void TestAccessibilityControls::bitRangeWidget()
{
#ifdef UTIL_UI_HAS_RANGES
    util::BitRangeWidget selector(nullptr);
    QWidget* panel = selector.defaultWidget();
    util::RangeSlider* slider = selector.rangeSlider();
    auto* bitsLabel = panel->findChild<QLabel*>(QStringLiteral("intensity_label"));
    QAccessibleInterface* iface = accessible(panel);
    QCOMPARE(iface->role(), QAccessible::Grouping);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Bit range"));
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("Bits 15 to 8"));
    QAccessibleValueInterface* value = iface->valueInterface();
    QCOMPARE(value->currentValue(), QVariant(8));
    QCOMPARE(value->minimumValue(), QVariant(0));
    QCOMPARE(value->maximumValue(), QVariant(8));
    QCOMPARE(value->minimumStepSize(), QVariant(1));
    // The label of the shown bits, the slider and the description.
    QCOMPARE(iface->childCount(), 3);
    QList<QObject*> children;
    for (int i = 0; i < iface->childCount(); ++i) {
        children << iface->child(i)->object();
    }
    QVERIFY(children.contains(bitsLabel));
    QVERIFY(children.contains(slider));
    // The label names the slider.
    QCOMPARE(accessible(slider)->text(QAccessible::Name), bitsLabel->text());

    recorded().clear();
    QSignalSpy shifts(&selector, &util::BitRangeWidget::signal_bitRange);
    value->setCurrentValue(0);
    QCOMPARE(shifts.takeFirst(), QVariantList { 0 });
    QCOMPARE(selector.bitShift(), 0);
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("Bits 7 to 0"));
    QCOMPARE(
        accessible(slider)->text(QAccessible::Name), QStringLiteral("Image Intensity (Bit Range: [7;0]):"));
    if (eventsReach()) {
        QCOMPARE(take(panel, QAccessible::ValueChanged).value(0).second, QVariant(0));
        QCOMPARE(take(slider, QAccessible::NameChanged).size(), 1);
    }
    value->setCurrentValue(100.0);
    QCOMPARE(shifts.takeFirst(), QVariantList { 8 });

    // A 24-bit image: shifts 0 to 16.
    selector.setBitRange(24);
    QCOMPARE(value->maximumValue(), QVariant(16));
    QCOMPARE(value->currentValue(), QVariant(16));
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("Bits 23 to 16"));
    shifts.clear();
    value->setCurrentValue(QStringLiteral("3"));
    QCOMPARE(shifts.takeFirst(), QVariantList { 3 });
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("Bits 10 to 3"));
#else
    QSKIP("built without the ranges");
#endif
}

void TestAccessibilityControls::circularSlider()
{
#ifdef UTIL_UI_HAS_RANGES
    // Qt's slider interface serves the circular slider: its value is the slider's, and it hears the
    // wrap.
    util::CircularSlider slider(nullptr);
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 10);
    slider.setValue(3);
    QAccessibleInterface* iface = accessible(&slider);
    QCOMPARE(iface->role(), QAccessible::Slider);
    QAccessibleValueInterface* value = iface->valueInterface();
    QCOMPARE(value->currentValue(), QVariant(3));
    QCOMPARE(value->minimumValue(), QVariant(0));
    QCOMPARE(value->maximumValue(), QVariant(10));
    QCOMPARE(value->minimumStepSize(), QVariant(1));
    QSignalSpy changes(&slider, &QAbstractSlider::valueChanged);
    value->setCurrentValue(10);
    QCOMPARE(changes.takeFirst(), QVariantList { 10 });
    focus(&slider);
    recorded().clear();
    QTest::keyClick(&slider, Qt::Key_Right);
    QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("0"));
    if (eventsReach()) {
        QCOMPARE(take(&slider, QAccessible::ValueChanged).value(0).second, QVariant(0));
    }
#else
    QSKIP("built without the ranges");
#endif
}

#ifdef UTIL_UI_HAS_ENTRY
namespace {

/// Checks a 64-bit box's interface against its own getters at @p value.
template<class Box, typename T>
void checkSpinBox(T minimum, T maximum, T value, int base, const QString& shown)
{
    Box box;
    box.setRange(minimum, maximum);
    box.setDisplayIntegerBase(base);
    box.setPrefix(QStringLiteral("0x"));
    box.setSuffix(QStringLiteral(" u"));
    box.setSingleStep(7);
    box.setValue(value);
    QAccessibleInterface* iface = accessible(&box);
    QCOMPARE(iface->role(), QAccessible::SpinBox);
    QCOMPARE(iface->text(QAccessible::Value), shown);
    QCOMPARE(iface->text(QAccessible::Value), box.displayedText());
    QAccessibleValueInterface* number = iface->valueInterface();
    QCOMPARE(number->currentValue(), QVariant::fromValue(value));
    QCOMPARE(number->currentValue().template value<T>(), value);
    QCOMPARE(number->minimumValue(), QVariant::fromValue(minimum));
    QCOMPARE(number->maximumValue(), QVariant::fromValue(maximum));
    QCOMPARE(number->minimumStepSize(), QVariant(7));
    // As for Qt's spin boxes, the line edit is no child of its own: the box's text is the line edit's.
    QCOMPARE(iface->childCount(), 0);
    QCOMPARE(iface->textInterface()->characterCount(), shown.size());
    QCOMPARE(iface->textInterface()->text(0, shown.size()), shown);
}

} // namespace
#endif

void TestAccessibilityControls::int64SpinBox_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("shown");
    constexpr qint64 lowest = std::numeric_limits<qint64>::lowest();
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    QTest::newRow("lowest, base 10") << lowest << 10 << QStringLiteral("0x-9223372036854775808 u");
    QTest::newRow("largest, base 10") << largest << 10 << QStringLiteral("0x9223372036854775807 u");
    QTest::newRow("lowest, base 16") << lowest << 16 << QStringLiteral("0x-8000000000000000 u");
    QTest::newRow("largest, base 16") << largest << 16 << QStringLiteral("0x7fffffffffffffff u");
    QTest::newRow("minus one, base 2") << qint64(-1) << 2 << QStringLiteral("0x-1 u");
}

void TestAccessibilityControls::int64SpinBox()
{
#ifdef UTIL_UI_HAS_ENTRY
    QFETCH(qint64, value);
    QFETCH(int, base);
    QFETCH(QString, shown);
    QLocale::setDefault(QLocale::c());
    checkSpinBox<util::CtrlInt64SpinBox>(
        std::numeric_limits<qint64>::lowest(), std::numeric_limits<qint64>::max(), value, base, shown);
#else
    QSKIP("built without the entry controls");
#endif
}

void TestAccessibilityControls::uint64SpinBox_data()
{
    QTest::addColumn<quint64>("value");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("shown");
    constexpr quint64 largest = std::numeric_limits<quint64>::max();
    QTest::newRow("zero, base 10") << quint64(0) << 10 << QStringLiteral("0x0 u");
    QTest::newRow("largest, base 10") << largest << 10 << QStringLiteral("0x18446744073709551615 u");
    QTest::newRow("largest, base 16") << largest << 16 << QStringLiteral("0xffffffffffffffff u");
    QTest::newRow("largest, base 36") << largest << 36 << QStringLiteral("0x3w5e11264sgsf u");
}

void TestAccessibilityControls::uint64SpinBox()
{
#ifdef UTIL_UI_HAS_ENTRY
    QFETCH(quint64, value);
    QFETCH(int, base);
    QFETCH(QString, shown);
    QLocale::setDefault(QLocale::c());
    checkSpinBox<util::CtrlUInt64SpinBox>(
        quint64(0), std::numeric_limits<quint64>::max(), value, base, shown);
#else
    QSKIP("built without the entry controls");
#endif
}

void TestAccessibilityControls::spinBoxSetThroughInterface()
{
#ifdef UTIL_UI_HAS_ENTRY
    QLocale::setDefault(QLocale::c());
    constexpr qint64 lowest = std::numeric_limits<qint64>::lowest();
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    util::CtrlInt64SpinBox box;
    box.setValue(0);
    QAccessibleValueInterface* value = accessible(&box)->valueInterface();
    QSignalSpy changes(&box, qOverload<qint64>(&util::CtrlInt64SpinBox::valueChanged));

    value->setCurrentValue(QVariant::fromValue(largest));
    QCOMPARE(changes.takeFirst().at(0).value<qint64>(), largest);
    value->setCurrentValue(QVariant::fromValue(lowest));
    QCOMPARE(changes.takeFirst().at(0).value<qint64>(), lowest);
    // An unsigned number beyond qint64 and a huge double are clamped, not wrapped.
    value->setCurrentValue(QVariant::fromValue(std::numeric_limits<quint64>::max()));
    QCOMPARE(changes.takeFirst().at(0).value<qint64>(), largest);
    value->setCurrentValue(-1e30);
    QCOMPARE(changes.takeFirst().at(0).value<qint64>(), lowest);
    // Into the box's own range.
    box.setRange(-50, 50);
    changes.clear();
    value->setCurrentValue(qlonglong(1000));
    QCOMPARE(changes.takeFirst().at(0).value<qint64>(), qint64(50));
    // Text is taken as typed, in the display base, prefix optional.
    box.setRange(lowest, largest);
    box.setDisplayIntegerBase(16);
    box.setPrefix(QStringLiteral("0x"));
    changes.clear();
    value->setCurrentValue(QStringLiteral("0x-7b"));
    QCOMPARE(changes.takeFirst().at(0).value<qint64>(), qint64(-0x7b));
    value->setCurrentValue(QStringLiteral("7fffffffffffffff"));
    QCOMPARE(changes.takeFirst().at(0).value<qint64>(), largest);
    value->setCurrentValue(QStringLiteral("xyz"));
    value->setCurrentValue(std::numeric_limits<double>::quiet_NaN());
    QVERIFY(changes.isEmpty());

    util::CtrlUInt64SpinBox unsignedBox;
    QAccessibleValueInterface* unsignedValue = accessible(&unsignedBox)->valueInterface();
    QSignalSpy unsignedChanges(&unsignedBox, qOverload<quint64>(&util::CtrlUInt64SpinBox::valueChanged));
    unsignedValue->setCurrentValue(QVariant::fromValue(std::numeric_limits<quint64>::max()));
    QCOMPARE(unsignedChanges.takeFirst().at(0).value<quint64>(), std::numeric_limits<quint64>::max());
    QCOMPARE(unsignedValue->currentValue().toULongLong(), std::numeric_limits<quint64>::max());
    unsignedValue->setCurrentValue(qlonglong(-5));
    QCOMPARE(unsignedChanges.takeFirst().at(0).value<quint64>(), quint64(0));
    unsignedValue->setCurrentValue(QStringLiteral("18446744073709551614"));
    QCOMPARE(unsignedChanges.takeFirst().at(0).value<quint64>(), std::numeric_limits<quint64>::max() - 1);
#else
    QSKIP("built without the entry controls");
#endif
}

void TestAccessibilityControls::spinBoxTextAndActions()
{
#ifdef UTIL_UI_HAS_ENTRY
    QLocale::setDefault(QLocale::c());
    util::CtrlUInt64SpinBox box;
    box.setRange(0, 10);
    box.setSuffix(QStringLiteral(" mm"));
    box.setValue(9);
    QAccessibleInterface* iface = accessible(&box);
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::decreaseAction()));
    QSignalSpy changes(&box, qOverload<quint64>(&util::CtrlUInt64SpinBox::valueChanged));
    actions->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(changes.takeFirst().at(0).value<quint64>(), quint64(10));
    // As the arrow keys: the step stops at the bound.
    actions->doAction(QAccessibleActionInterface::increaseAction());
    QVERIFY(changes.isEmpty());
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    QCOMPARE(changes.takeFirst().at(0).value<quint64>(), quint64(9));

    // The editable text is the line edit's: an edit there is typing.
    iface->editableTextInterface()->replaceText(0, 1, QStringLiteral("4"));
    QCOMPARE(changes.takeFirst().at(0).value<quint64>(), quint64(4));
    QCOMPARE(iface->textInterface()->text(0, 4), QStringLiteral("4 mm"));

    // A read-only box offers no steps, and takes none.
    box.setReadOnly(true);
    QVERIFY(!actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    actions->doAction(QAccessibleActionInterface::increaseAction());
    QVERIFY(changes.isEmpty());
    QCOMPARE(box.value(), quint64(4));
#else
    QSKIP("built without the entry controls");
#endif
}

void TestAccessibilityControls::spinBoxEvents()
{
#ifdef UTIL_UI_HAS_ENTRY
    if (!eventsReach()) {
        QSKIP("no accessibility bridge: QAccessible drops the events");
    }
    QLocale::setDefault(QLocale::c());
    util::CtrlInt64SpinBox box;
    box.setValue(1);
    recorded().clear();
    box.setValue(std::numeric_limits<qint64>::lowest());
    QCOMPARE(take(&box, QAccessible::ValueChanged),
        (QList<QPair<int, QVariant>> { { -1, QVariant::fromValue(std::numeric_limits<qint64>::lowest()) } }));
    // The same value in another base is a new text for screen readers.
    box.setDisplayIntegerBase(16);
    QCOMPARE(take(&box, QAccessible::ValueChanged).size(), 1);
    box.setValue(std::numeric_limits<qint64>::lowest());
    QCOMPARE(take(&box, QAccessible::ValueChanged).size(), 0);

    util::CtrlUInt64SpinBox unsignedBox;
    unsignedBox.setValue(1);
    recorded().clear();
    unsignedBox.setValue(std::numeric_limits<quint64>::max());
    QCOMPARE(take(&unsignedBox, QAccessible::ValueChanged).value(0).second.toULongLong(),
        std::numeric_limits<quint64>::max());
#else
    QSKIP("built without the entry controls");
#endif
}

void TestAccessibilityControls::sliderPopups()
{
#ifdef UTIL_UI_HAS_POPUPS
    constexpr qint64 lowest = std::numeric_limits<qint64>::lowest();
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    Int64SliderPopup popup;
    popup.setSliderRange(lowest, largest, largest - 5, false);
    auto* jog = popup.findChild<QSlider*>(QStringLiteral("popup_slider"));
    QAccessibleInterface* group = accessible(&popup);
    QAccessibleInterface* slider = accessible(jog);
    QCOMPARE(group->role(), QAccessible::Grouping);
    QCOMPARE(slider->role(), QAccessible::Slider);
    QCOMPARE(slider->text(QAccessible::Name), QStringLiteral("Value"));
    QVERIFY(!slider->text(QAccessible::Description).isEmpty());
    // Both present the popup's value between its absolute bounds, not the jog positions.
    for (QAccessibleInterface* iface : { group, slider }) {
        QAccessibleValueInterface* value = iface->valueInterface();
        QCOMPARE(value->currentValue(), QVariant::fromValue(largest - 5));
        QCOMPARE(value->minimumValue(), QVariant::fromValue(lowest));
        QCOMPARE(value->maximumValue(), QVariant::fromValue(largest));
        QCOMPARE(value->minimumStepSize(), QVariant(1));
        QCOMPARE(iface->text(QAccessible::Value), QString::number(largest - 5));
    }

    // Set through the jog slider's interface, the value is reported as a user's move is.
    QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);
    slider->valueInterface()->setCurrentValue(QVariant::fromValue(lowest));
    QCOMPARE(edited.takeFirst().at(0).value<qint64>(), lowest);
    QCOMPARE(popup.findChild<QLabel*>(QStringLiteral("value_label"))->text(), QString::number(lowest));
    group->valueInterface()->setCurrentValue(1e300);
    QCOMPARE(edited.takeFirst().at(0).value<qint64>(), largest);
    slider->valueInterface()->setCurrentValue(QStringLiteral("none"));
    QVERIFY(edited.isEmpty());

    constexpr quint64 unsignedLargest = std::numeric_limits<quint64>::max();
    UInt64SliderPopup unsignedPopup;
    unsignedPopup.setSliderRange(0, unsignedLargest, unsignedLargest, true);
    QAccessibleValueInterface* unsignedValue = accessible(&unsignedPopup)->valueInterface();
    QCOMPARE(unsignedValue->currentValue().toULongLong(), unsignedLargest);
    QCOMPARE(unsignedValue->maximumValue().toULongLong(), unsignedLargest);
    QSignalSpy unsignedEdited(&unsignedPopup, &UInt64SliderPopup::signal_valueEdited);
    unsignedValue->setCurrentValue(QVariant::fromValue(unsignedLargest - 1));
    QCOMPARE(unsignedEdited.takeFirst().at(0).value<quint64>(), unsignedLargest - 1);

    DoubleSliderPopup doublePopup;
    doublePopup.setSliderRange(-10.5, 10.5, 2.25, false);
    QAccessibleValueInterface* doubleValue = accessible(&doublePopup)->valueInterface();
    QCOMPARE(doubleValue->currentValue(), QVariant(2.25));
    QCOMPARE(doubleValue->minimumValue(), QVariant(-10.5));
    QCOMPARE(accessible(&doublePopup)->text(QAccessible::Value), QStringLiteral("2.25"));
    QSignalSpy doubleEdited(&doublePopup, &DoubleSliderPopup::signal_valueEdited);
    doubleValue->setCurrentValue(-3.75);
    QCOMPARE(doubleEdited.takeFirst().at(0).toDouble(), -3.75);
    doubleValue->setCurrentValue(std::numeric_limits<double>::infinity());
    QVERIFY(doubleEdited.isEmpty());
#else
    QSKIP("built without the popups");
#endif
}

void TestAccessibilityControls::sliderPopupEvents()
{
#ifdef UTIL_UI_HAS_POPUPS
    if (!eventsReach()) {
        QSKIP("no accessibility bridge: QAccessible drops the events");
    }
    Int64SliderPopup popup;
    popup.setSliderRange(0, 1000000, 500000, false);
    auto* jog = popup.findChild<QSlider*>(QStringLiteral("popup_slider"));
    focus(jog);
    recorded().clear();
    // A key moves the jog by a position: the popup and the jog slider hear the popup's new value.
    QTest::keyClick(jog, Qt::Key_Up);
    QCOMPARE(take(&popup, QAccessible::ValueChanged).value(0).second, QVariant::fromValue(qint64(500001)));
    QVERIFY(take(jog, QAccessible::ValueChanged).contains({ -1, QVariant::fromValue(qint64(500001)) }));
    popup.setValue(7);
    QCOMPARE(take(&popup, QAccessible::ValueChanged).value(0).second, QVariant::fromValue(qint64(7)));
#else
    QSKIP("built without the popups");
#endif
}

void TestAccessibilityControls::clickableLabel()
{
#ifdef UTIL_UI_HAS_WIDGETS
    util::ClickableLabel label;
    label.setText(QStringLiteral("Open <b>profile</b>"));
    QAccessibleInterface* iface = accessible(&label);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Open profile"));
    label.setAccessibleName(QStringLiteral("Open the profile"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Open the profile"));

    QAccessibleActionInterface* actions = iface->actionInterface();
    QCOMPARE(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
    QSignalSpy clicks(&label, &util::ClickableLabel::signal_clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);

    label.setEnabled(false);
    QVERIFY(!actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
#else
    QSKIP("built without the styled widgets");
#endif
}

void TestAccessibilityControls::styledButtons_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("HideButton") << QStringLiteral("HideButton");
    QTest::newRow("DisconnectButton") << QStringLiteral("DisconnectButton");
    QTest::newRow("RectangleButton") << QStringLiteral("RectangleButton");
    QTest::newRow("InstantTooltipButton") << QStringLiteral("InstantTooltipButton");
}

void TestAccessibilityControls::styledButtons()
{
#ifdef UTIL_UI_HAS_WIDGETS
    // Qt's button interface serves the styled buttons: a button named by its text, whose press
    // action clicks it.
    QFETCH(QString, className);
    std::unique_ptr<QPushButton> button;
    if (className == QLatin1String("HideButton")) {
        button = std::make_unique<util::HideButton>();
    } else if (className == QLatin1String("DisconnectButton")) {
        button = std::make_unique<util::DisconnectButton>();
    } else if (className == QLatin1String("RectangleButton")) {
        button = std::make_unique<util::RectangleButton>();
    } else {
        button = std::make_unique<util::InstantTooltipButton>();
    }
    button->setText(QStringLiteral("&Disconnect"));
    button->setToolTip(QStringLiteral("Ends the session"));
    QAccessibleInterface* iface = accessible(button.get());
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Disconnect"));
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Ends the session"));
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicks(button.get(), &QAbstractButton::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(clicks.count(), 1);
#else
    QSKIP("built without the styled widgets");
#endif
}

QTEST_MAIN(TestAccessibilityControls)
#include "tst_accessibility_controls.moc"
