// Every public widget, action and validator of the library, created in a window, shown, used and
// destroyed many times over. Each cycle must leave the window and the set of top-level windows as
// it found them; under the sanitizer build LeakSanitizer checks that no memory outlives it either.
#include <util/action.h>
#include <util/bit_range_widget.h>
#include <util/circular_slider.h>
#include <util/clickable_label.h>
#include <util/ctrl_combo_box.h>
#include <util/ctrl_int64_spin_box.h>
#include <util/ctrl_spinbox.h>
#include <util/ctrl_text_box.h>
#include <util/dialog_helper.h>
#include <util/editable_label.h>
#include <util/expand_widget.h>
#include <util/instant_tooltip_button.h>
#include <util/long_long_validator.h>
#include <util/plain_text_edit.h>
#include <util/popup_dialog.h>
#include <util/range_slider.h>
#include <util/slider_popup.h>
#include <util/spin_box_action.h>
#include <util/style_markers.h>
#include <util/tristate_checkbox.h>
#include <util/vertical_scroll_area.h>
#include <util/wizard.h>
#ifdef UTIL_UI_HAS_CHART
#include <util/chart_widget.h>
#include <vorn/VornProfileGenerator.h>
#endif

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtTest>

#include "gl_driver.h"

#include <functional>
#include <vector>

namespace {

constexpr int cycles = 200;

/// What a cycle may build on: the window and two of its children.
struct Place
{
    QWidget* window;
    QToolBar* bar;
    QLineEdit* edit;
};

/// One class under test: how to create an object in the window and what to do with it once shown.
struct Subject
{
    const char* name;
    std::function<QObject*(const Place&)> make;
    std::function<void(QObject&, const Place&)> use;
};

template<class T, class Make, class Use> Subject subject(const char* name, Make make, Use use)
{
    return { name, make,
        [use](QObject& object, const Place& place) { use(static_cast<T&>(object), place); } };
}

/// A widget whose parent is the window.
template<class W, class Use> Subject widget(const char* name, Use use)
{
    return subject<W>(
        name, [](const Place& place) { return new W(place.window); }, [use](W& w, const Place&) { use(w); });
}

/// An action in the window's tool bar, which makes the widget that represents it.
template<class A, class Use> Subject toolBarAction(const char* name, Use use)
{
    return subject<A>(
        name,
        [](const Place& place) {
            auto* action = new A(place.bar);
            place.bar->addAction(action);
            return action;
        },
        [use](A& action, const Place& place) {
            QVERIFY(place.bar->widgetForAction(&action));
            use(action);
        });
}

/// A validator on the window's line edit, typed into.
template<class V> Subject validator(const char* name)
{
    return subject<V>(
        name,
        [](const Place& place) {
            auto* v = new V(0, 100, place.edit);
            place.edit->setValidator(v);
            return v;
        },
        [](V&, const Place& place) {
            place.edit->clear();
            QTest::keyClicks(place.edit, QStringLiteral("12x"));
            QCOMPARE(place.edit->text(), QStringLiteral("12"));
        });
}

std::vector<Subject> subjects()
{
    std::vector<Subject> list;
#ifdef UTIL_UI_HAS_WIDGETS
    list.push_back(toolBarAction<util::Action>("Action", [](util::Action& a) { a.setVisibility(false); }));
    list.push_back(widget<util::ClickableLabel>("ClickableLabel", [](auto& w) { w.setText("Gain"); }));
    list.push_back(widget<util::InstantTooltipButton>("InstantTooltipButton", [](auto& w) {
        w.setText("?");
        w.setToolTip("Exposure in microseconds");
    }));
    list.push_back(widget<util::PlainTextEdit>("PlainTextEdit", [](auto& w) { w.setPlainText("a\nb"); }));
    list.push_back(widget<util::BlueFrame>("BlueFrame", [](auto& w) { w.setLineWidth(2); }));
    list.push_back(widget<util::TransparentFrame>("TransparentFrame", [](auto& w) { w.setLineWidth(2); }));
    list.push_back(widget<util::GroupBoxSquareNoVertical>(
        "GroupBoxSquareNoVertical", [](auto& w) { w.setTitle("Sensor"); }));
    list.push_back(widget<util::HideButton>("HideButton", [](auto& w) { w.setText("Hide"); }));
    list.push_back(widget<util::DisconnectButton>("DisconnectButton", [](auto& w) { w.setText("Off"); }));
    list.push_back(widget<util::RectangleButton>("RectangleButton", [](auto& w) { w.setText("Go"); }));
    list.push_back(widget<util::TristateCheckbox>("TristateCheckbox", [](auto& w) {
        w.setTristate(true);
        w.setCheckState(Qt::PartiallyChecked);
    }));
#endif
#ifdef UTIL_UI_HAS_ENTRY
    list.push_back(widget<util::CtrlComboBox>("CtrlComboBox", [](auto& w) {
        w.addItems({ "one", "two" });
        w.setErrorText("No camera");
    }));
    list.push_back(widget<util::CtrlSpinbox>("CtrlSpinbox", [](auto& w) { w.setValue(42); }));
    list.push_back(widget<util::CtrlDoubleSpinbox>("CtrlDoubleSpinbox", [](auto& w) { w.setValue(1.5); }));
    list.push_back(widget<util::CtrlTextBox>("CtrlTextBox", [](auto& w) { w.setText("name"); }));
    list.push_back(widget<util::CtrlInt64SpinBox>("CtrlInt64SpinBox", [](auto& w) {
        w.setPrefix("x = ");
        w.setValue(-5);
    }));
    list.push_back(widget<util::CtrlUInt64SpinBox>("CtrlUInt64SpinBox", [](auto& w) {
        w.setDisplayIntegerBase(16);
        w.setValue(255);
    }));
    list.push_back(
        toolBarAction<util::SpinBoxAction>("SpinBoxAction", [](auto& a) { a.spinBox()->setValue(3); }));
    list.push_back(toolBarAction<util::DoubleSpinBoxAction>(
        "DoubleSpinBoxAction", [](auto& a) { a.spinBox()->setValue(0.5); }));
    list.push_back(validator<util::LongLongValidator>("LongLongValidator"));
    list.push_back(validator<util::ULongLongValidator>("ULongLongValidator"));
#endif
#ifdef UTIL_UI_HAS_POPUPS
    list.push_back(widget<DoubleSliderPopup>("DoubleSliderPopup", [](auto& w) {
        w.setSliderRange(0.0, 10.0, 5.0, false);
        w.setValue(2.5);
    }));
    list.push_back(widget<Int64SliderPopup>("Int64SliderPopup", [](auto& w) {
        w.setSliderRange(-100, 100, 0, true);
        w.setValue(-50);
    }));
    list.push_back(widget<UInt64SliderPopup>("UInt64SliderPopup", [](auto& w) {
        w.setSliderRange(0, 1000000, 10, false);
        w.setValue(20);
    }));
#endif
#ifdef UTIL_UI_HAS_RANGES
    list.push_back(widget<util::RangeSlider>("RangeSlider", [](auto& w) {
        w.setRange(0, 100);
        w.setValues(20, 80);
    }));
    list.push_back(widget<util::CircularSlider>("CircularSlider", [](auto& w) {
        w.setRange(0, 359);
        w.setValue(350);
    }));
    list.push_back(toolBarAction<util::BitRangeWidget>("BitRangeWidget", [](auto& a) {
        a.setBitRange(12);
        a.setBitShift(2);
    }));
#endif
#ifdef UTIL_UI_HAS_CONTAINERS
    list.push_back(widget<util::editable::Label>("editable::Label", [](auto& w) { w.setText("Name"); }));
    list.push_back(widget<util::editable::Editor>("editable::Editor", [](auto& w) { w.setText("Name"); }));
    list.push_back(widget<util::EditableLabel>("EditableLabel", [](auto& w) {
        w.setText("Camera 1");
        w.enableEditor();
    }));
    list.push_back(
        widget<util::ExpandWidgetHeader>("ExpandWidgetHeader", [](auto& w) { w.setText("More"); }));
    list.push_back(widget<util::ExpandWidget>("ExpandWidget", [](auto& w) {
        w.addWidget("Open");
        w.setBodyVisibility(false);
    }));
    list.push_back(widget<util::PopupDialog>("PopupDialog", [](auto& w) { w.setWindowTitle("Settings"); }));
    list.push_back(widget<util::VerticalScrollArea>(
        "VerticalScrollArea", [](auto& w) { w.setWidget(new QLabel("content")); }));
    list.push_back(widget<util::Wizard>("Wizard", [](auto& w) {
        w.addStep("Connect");
        w.addStep("Measure");
        w.nextStep();
    }));
    list.push_back(subject<QLabel>(
        "DialogHelper::shadowLabel",
        [](const Place& place) { return util::DialogHelper::shadowLabel("Caption", place.window); },
        [](QLabel& label, const Place&) { label.setText("Other"); }));
#endif
#ifdef UTIL_UI_HAS_CHART
    list.push_back(widget<util::ChartWidget>("ChartWidget", [](auto& w) {
        // The chart reads the curves again on later renders: they outlive every chart.
        static Vorn3dParametricCurveArray curves = [] {
            Vorn3dParametricCurveArray profile;
            VornProfileGenerator generator;
            generator.setPointCount(256);
            generator.fill(profile, 0.0);
            return profile;
        }();
        util::ChartPlot plot;
        plot.curves = &curves;
        plot.name = "profile";
        w.setData({ plot });
        w.setTitle("Profile");
        w.render();
    }));
#endif
    return list;
}

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createShowUseDestroy_data();
    void createShowUseDestroy();
};

void TestLifecycle::createShowUseDestroy_data()
{
    QTest::addColumn<int>("index");
    const std::vector<Subject> list = subjects();
    for (std::size_t i = 0; i < list.size(); ++i)
        QTest::newRow(list[i].name) << int(i);
}

void TestLifecycle::createShowUseDestroy()
{
    QFETCH(int, index);
    const Subject subject = subjects().at(index);

    QWidget window;
    window.resize(480, 360);
    auto* layout = new QVBoxLayout(&window);
    const Place place { &window, new QToolBar(&window), new QLineEdit(&window) };
    layout->addWidget(place.bar);
    layout->addWidget(place.edit);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int windows = QApplication::topLevelWidgets().size();

    // The first cycle may leave lasting helpers in the window (style animations, the tool bar's
    // layout items); every later one must leave exactly what the first left.
    int objects = -1;
    for (int i = 0; i < cycles; ++i) {
        QPointer<QObject> object = subject.make(place);
        QVERIFY(object);
        if (auto* w = qobject_cast<QWidget*>(object))
            w->show();
        QCoreApplication::processEvents();
        subject.use(*object, place);
        if (QTest::currentTestFailed())
            return;
        QCoreApplication::processEvents();
        delete object;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const int now = window.findChildren<QObject*>().size();
        if (objects < 0)
            objects = now;
        QCOMPARE(now, objects);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    }
    // On an X display, windows and charts load Mesa's driver.
    keepGlDriverLoaded();
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
