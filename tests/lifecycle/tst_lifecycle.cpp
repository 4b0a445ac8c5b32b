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

/// One class under test: how to create an object in the window (which holds a tool bar) and what to
/// do with it once shown.
struct Subject
{
    const char* name;
    std::function<QObject*(QWidget*)> make;
    std::function<void(QObject&)> use;
};

/// A widget of class @p W in the window, or an action of that class in the tool bar, which makes the
/// widget that represents it; once shown, @p use gives it some content or state.
template<class W> Subject make(const char* name, std::function<void(W&)> use = {})
{
    return { name,
        [](QWidget* window) -> QObject* {
            if constexpr (std::is_base_of_v<QAction, W>) {
                auto* bar = window->findChild<QToolBar*>();
                auto* action = new W(bar);
                bar->addAction(action);
                return action;
            } else {
                return new W(window);
            }
        },
        [use](QObject& object) {
            if (auto* action = qobject_cast<QAction*>(&object))
                QVERIFY(static_cast<QToolBar*>(action->parent())->widgetForAction(action));
            if (use)
                use(static_cast<W&>(object));
        } };
}

/// A line edit in the window with a validator of class @p V, typed into.
template<class V> Subject validator(const char* name)
{
    return make<QLineEdit>(name, [](QLineEdit& edit) {
        edit.setValidator(new V(0, 100, &edit));
        QTest::keyClicks(&edit, QStringLiteral("12x"));
        QCOMPARE(edit.text(), QStringLiteral("12"));
    });
}

std::vector<Subject> subjects()
{
    std::vector<Subject> list;
#ifdef UTIL_UI_HAS_WIDGETS
    list.insert(list.end(),
        { make<util::Action>("Action", [](auto& a) { a.setVisibility(false); }),
            make<util::ClickableLabel>("ClickableLabel"),
            make<util::InstantTooltipButton>("InstantTooltipButton"),
            make<util::PlainTextEdit>("PlainTextEdit", [](auto& w) { w.setPlainText("a\nb"); }),
            make<util::BlueFrame>("BlueFrame"), make<util::TransparentFrame>("TransparentFrame"),
            make<util::GroupBoxSquareNoVertical>("GroupBoxSquareNoVertical"),
            make<util::HideButton>("HideButton"), make<util::DisconnectButton>("DisconnectButton"),
            make<util::RectangleButton>("RectangleButton"),
            make<util::TristateCheckbox>(
                "TristateCheckbox", [](auto& w) { w.setCheckState(Qt::PartiallyChecked); }) });
#endif
#ifdef UTIL_UI_HAS_ENTRY
    list.insert(list.end(),
        { make<util::CtrlComboBox>("CtrlComboBox", [](auto& w) { w.setErrorText("No camera"); }),
            make<util::CtrlSpinbox>("CtrlSpinbox"), make<util::CtrlDoubleSpinbox>("CtrlDoubleSpinbox"),
            make<util::CtrlTextBox>("CtrlTextBox"),
            make<util::CtrlInt64SpinBox>("CtrlInt64SpinBox", [](auto& w) { w.setPrefix("x = "); }),
            make<util::CtrlUInt64SpinBox>("CtrlUInt64SpinBox", [](auto& w) { w.setDisplayIntegerBase(16); }),
            make<util::SpinBoxAction>("SpinBoxAction"),
            make<util::DoubleSpinBoxAction>("DoubleSpinBoxAction"),
            validator<util::LongLongValidator>("LongLongValidator"),
            validator<util::ULongLongValidator>("ULongLongValidator") });
#endif
#ifdef UTIL_UI_HAS_POPUPS
    list.insert(list.end(),
        { make<DoubleSliderPopup>(
              "DoubleSliderPopup", [](auto& w) { w.setSliderRange(0.0, 10.0, 5.0, false); }),
            make<Int64SliderPopup>("Int64SliderPopup", [](auto& w) { w.setSliderRange(-100, 100, 0, true); }),
            make<UInt64SliderPopup>(
                "UInt64SliderPopup", [](auto& w) { w.setSliderRange(0, 1000000, 10, false); }) });
#endif
#ifdef UTIL_UI_HAS_RANGES
    list.insert(list.end(),
        { make<util::RangeSlider>("RangeSlider", [](auto& w) { w.setValues(20, 80); }),
            make<util::CircularSlider>("CircularSlider"),
            make<util::BitRangeWidget>("BitRangeWidget", [](auto& a) { a.setBitRange(12); }) });
#endif
#ifdef UTIL_UI_HAS_CONTAINERS
    list.insert(list.end(),
        { make<util::editable::Label>("editable::Label"), make<util::editable::Editor>("editable::Editor"),
            make<util::EditableLabel>("EditableLabel", [](auto& w) { w.enableEditor(); }),
            make<util::ExpandWidgetHeader>("ExpandWidgetHeader"),
            make<util::ExpandWidget>("ExpandWidget", [](auto& w) { w.addWidget("Open"); }),
            make<util::PopupDialog>("PopupDialog"),
            make<util::VerticalScrollArea>(
                "VerticalScrollArea", [](auto& w) { w.setWidget(new QLabel("content")); }),
            make<util::Wizard>(
                "Wizard", [](auto& w) { w.addStep("Connect"), w.addStep("Measure"), w.nextStep(); }),
            { "DialogHelper::shadowLabel",
                [](QWidget* window) { return util::DialogHelper::shadowLabel("Caption", window); }, {} } });
#endif
#ifdef UTIL_UI_HAS_CHART
    list.push_back(make<util::ChartWidget>("ChartWidget", [](auto& w) {
        // The chart reads the curves again on later renders: they outlive every chart.
        static Vorn3dParametricCurveArray curves;
        VornProfileGenerator generator;
        generator.setPointCount(256);
        generator.fill(curves, 0.0);
        util::ChartPlot plot;
        plot.curves = &curves;
        w.setData({ plot });
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
    void createShowUseDestroy_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<Subject> list = subjects();
        for (std::size_t i = 0; i < list.size(); ++i)
            QTest::newRow(list[i].name) << int(i);
    }

    void createShowUseDestroy()
    {
        QFETCH(int, index);
        const Subject subject = subjects().at(index);
        QWidget window;
        window.resize(480, 360);
        (new QVBoxLayout(&window))->addWidget(new QToolBar(&window));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int windows = QApplication::topLevelWidgets().size();

        // The first cycle may leave lasting helpers in the window (style animations, the tool bar's
        // layout items); every later one must leave exactly what the first left.
        int objects = -1;
        for (int i = 0; i < cycles; ++i) {
            QPointer<QObject> object = subject.make(&window);
            QVERIFY(object);
            if (auto* w = qobject_cast<QWidget*>(object))
                w->show();
            QCoreApplication::processEvents();
            if (subject.use)
                subject.use(*object);
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
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
