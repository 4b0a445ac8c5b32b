// util::RangeSlider driven through mouse and help events at the style's rectangles.
#include "slider_geometry.h"

#include <util/range_slider.h>

#include <QProxyStyle>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace slider_geometry;
using Pair = QList<int>;

class TestRangeSlider : public QObject
{
    Q_OBJECT

    std::unique_ptr<util::RangeSlider> slider;
    QStringList log;

    QPoint at(int position) const { return handleAt(*slider, position); }
    QPoint onGroove(int position) const { return { at(position).x(), grooveRect(*slider).center().y() }; }
    QStringList takeLog() { return std::exchange(log, {}); }
    Pair values() const { return { slider->minimumValue(), slider->maximumValue() }; }
    Pair positions() const { return { slider->minimumPosition(), slider->maximumPosition() }; }

    /// A wheel event at the slider's centre turned by @p angle; returns whether the slider used it.
    static bool turn(
        QWidget* widget, QPoint angle, Qt::KeyboardModifiers modifiers = {}, bool inverted = false)
    {
        const QPoint centre = widget->rect().center();
        QWheelEvent event(centre, widget->mapToGlobal(centre), {}, angle, Qt::NoButton, modifiers,
            Qt::NoScrollPhase, inverted);
        QApplication::sendEvent(widget, &event);
        return event.isAccepted();
    }

    /// Gives the slider the keyboard focus, as a Tab would.
    void focus()
    {
        slider->activateWindow();
        slider->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(slider->hasFocus());
    }

    /// Sets the values to @p start, drags along @p path (at the handles, or on the groove) and
    /// returns the values.
    Pair dragAlong(Pair start, Pair path, bool groove = false)
    {
        slider->setValues(start[0], start[1]);
        takeLog();
        const auto point = [&](int position) { return groove ? onGroove(position) : at(position); };
        send(slider.get(), QEvent::MouseButtonPress, point(path[0]));
        for (int i = 1; i < path.size(); ++i)
            moveTo(slider.get(), point(path[i]));
        release(slider.get(), point(path.last()));
        return values();
    }

private Q_SLOTS:
    void init()
    {
        slider = std::make_unique<util::RangeSlider>(Qt::Horizontal);
        slider->resize(220, 30);
        slider->show();
        QVERIFY(QTest::qWaitForWindowExposed(slider.get()));
        log.clear();
        const auto note = [this](const char* name) { return [this, name] { log << name; }; };
        connect(slider.get(), &util::RangeSlider::minimumValueChanged, this, note("minValue"));
        connect(slider.get(), &util::RangeSlider::maximumValueChanged, this, note("maxValue"));
        connect(slider.get(), &util::RangeSlider::valuesChanged, this, note("values"));
        connect(slider.get(), &util::RangeSlider::minimumPositionChanged, this, note("minPosition"));
        connect(slider.get(), &util::RangeSlider::maximumPositionChanged, this, note("maxPosition"));
        connect(slider.get(), &util::RangeSlider::positionsChanged, this, note("positions"));
    }

    void valuesAreOrderedAndClamped()
    {
        QSignalSpy spy(slider.get(), &util::RangeSlider::valuesChanged);
        slider->setValues(70, 20);
        QCOMPARE(spy.takeFirst(), QVariantList({ 20, 70 }));
        QCOMPARE(takeLog(), QStringList({ "values", "minValue", "maxValue" }));
        slider->setValues(-5, 200);
        QCOMPARE(values(), Pair({ 0, 99 }));
        slider->setValues(0, 50);
        slider->setMinimumValue(80);
        QCOMPARE(values(), Pair({ 80, 80 }));
        takeLog();
        slider->setRange(10, 20);
        QCOMPARE(takeLog(), QStringList({ "values", "minValue", "maxValue" }));
        QCOMPARE(values(), Pair({ 20, 20 }));

        // The widest range overflows nothing, in painting, a groove grab or a drag.
        slider->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        slider->setValues(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        slider->grab();
        drag(slider.get(), grooveRect(*slider).center(), grooveRect(*slider).center() + QPoint(5, 0));
        QVERIFY(slider->minimumValue() <= slider->maximumValue());
    }

    void listenersHearTheCurrentValues_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("cap heard") << false;
        QTest::newRow("cap with signals blocked") << true;
    }

    void listenersHearTheCurrentValues()
    {
        QFETCH(bool, blocked);
        // A listener connected before the others holds the upper value at 50 or below.
        util::RangeSlider capped(Qt::Horizontal);
        connect(&capped, &util::RangeSlider::valuesChanged, &capped, [&capped, blocked](int, int max) {
            if (max > 50) {
                const QSignalBlocker blocker(blocked ? &capped : nullptr);
                capped.setMaximumValue(50);
            }
        });
        // Every value signal is checked against the slider's values when it arrives.
        QStringList stale;
        const auto check = [&](const char* name, Pair carried, Pair now) {
            if (carried != now)
                stale << QStringLiteral("%1(%2) at %3").arg(name).arg(carried.last()).arg(now.last());
        };
        const auto now = [&capped] { return Pair({ capped.minimumValue(), capped.maximumValue() }); };
        QSignalSpy pairs(&capped, &util::RangeSlider::valuesChanged);
        connect(&capped, &util::RangeSlider::minimumValueChanged, this, [&](int min) {
            check("minValue", { min, now().last() }, now());
        });
        connect(&capped, &util::RangeSlider::maximumValueChanged, this, [&](int max) {
            check("maxValue", { now().first(), max }, now());
        });

        capped.setValues(20, 80);
        QCOMPARE(now(), Pair({ 20, 50 }));
        QCOMPARE(stale, QStringList());
        // valuesChanged(20, 80) was on its way to the spy when the cap ran; the spy hears the
        // capped values after it.
        QCOMPARE(pairs.last(), QVariantList({ 20, 50 }));
    }

    void handleAndGrooveDrags()
    {
        QCOMPARE(dragAlong({ 20, 61 }, { 61, 70 }), Pair({ 20, 70 }));
        QCOMPARE(takeLog(), QStringList({ "maxPosition", "positions", "values", "maxValue" }));
        QCOMPARE(dragAlong({ 20, 61 }, { 61, 5 }), Pair({ 20, 20 })); // stops at the lower handle
        // The groove between the handles grabs both; half of 41 is 20: the odd unit is lost.
        QCOMPARE(dragAlong({ 20, 61 }, { 40, 50 }, true), Pair({ 30, 70 }));
        QCOMPARE(dragAlong({ 20, 61 }, { 40, 50, 95 }, true), Pair({ 75, 99 }));
        QVERIFY(!slider->isMinimumSliderDown() && !slider->isMaximumSliderDown());
        slider->setSymmetricMoves(true);
        QCOMPARE(dragAlong({ 40, 60 }, { 60, 70 }), Pair({ 30, 70 }));
        QCOMPARE(dragAlong({ 40, 60 }, { 40, 45 }), Pair({ 45, 55 }));
        // Without tracking only the positions move.
        slider->setSymmetricMoves(false);
        slider->setTracking(false);
        QCOMPARE(dragAlong({ 20, 61 }, { 20, 10 }), Pair({ 20, 61 }));
        QCOMPARE(positions(), Pair({ 10, 61 }));
        QCOMPARE(takeLog(), QStringList({ "minPosition", "positions" }));
    }

    void keysMoveTheActiveHandle()
    {
        focus();
        QSignalSpy hidden(slider.get(), &QAbstractSlider::valueChanged);
        const int hiddenValue = slider->value();
        slider->setValues(20, 61);
        takeLog();
        const auto key = [this](Qt::Key key) {
            QTest::keyClick(slider.get(), key);
            return values();
        };
        // The lower handle first; a key commits at once and reports values, as QSlider's keys do.
        QCOMPARE(key(Qt::Key_Right), Pair({ 21, 61 }));
        QCOMPARE(takeLog(), QStringList({ "values", "minValue" }));
        QCOMPARE(key(Qt::Key_PageUp), Pair({ 31, 61 }));
        // Space makes the upper handle active; Home takes it down to the lower one, as a drag would.
        QCOMPARE(key(Qt::Key_Space), Pair({ 31, 61 }));
        QCOMPARE(key(Qt::Key_Down), Pair({ 31, 60 }));
        QCOMPARE(key(Qt::Key_End), Pair({ 31, 99 }));
        QCOMPARE(key(Qt::Key_Home), Pair({ 31, 31 }));
        takeLog();
        QCOMPARE(key(Qt::Key_Left), Pair({ 31, 31 }));
        QVERIFY(takeLog().isEmpty());
        QCOMPARE(key(Qt::Key_Space), Pair({ 31, 31 }));
        QCOMPARE(key(Qt::Key_Home), Pair({ 0, 31 }));
        slider->setSymmetricMoves(true);
        QCOMPARE(key(Qt::Key_Right), Pair({ 1, 30 }));
        // A pressed handle becomes the active one.
        slider->setSymmetricMoves(false);
        send(slider.get(), QEvent::MouseButtonPress, at(30));
        release(slider.get(), at(30));
        QCOMPARE(key(Qt::Key_Right), Pair({ 1, 31 }));
        // Without tracking, a key still commits, as in QSlider.
        slider->setTracking(false);
        QCOMPARE(key(Qt::Key_Right), Pair({ 1, 32 }));
        QCOMPARE(positions(), Pair({ 1, 32 }));
        // QSlider's own value, which nobody sees, stays where it was.
        QCOMPARE(slider->value(), hiddenValue);
        QCOMPARE(hidden.count(), 0);
    }

    void keysAndWheelStepAsInQSlider_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<bool>("invertedAppearance");
        QTest::addColumn<bool>("invertedControls");
        QTest::newRow("horizontal") << Qt::Horizontal << Qt::LeftToRight << false << false;
        QTest::newRow("right to left") << Qt::Horizontal << Qt::RightToLeft << false << false;
        QTest::newRow("inverted appearance") << Qt::Horizontal << Qt::LeftToRight << true << false;
        QTest::newRow("right to left, inverted") << Qt::Horizontal << Qt::RightToLeft << true << false;
        QTest::newRow("inverted controls") << Qt::Horizontal << Qt::LeftToRight << false << true;
        QTest::newRow("vertical") << Qt::Vertical << Qt::LeftToRight << false << false;
        QTest::newRow("vertical, inverted") << Qt::Vertical << Qt::LeftToRight << true << true;
    }

    void keysAndWheelStepAsInQSlider()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(bool, invertedAppearance);
        QFETCH(bool, invertedControls);
        // The lower handle of a range slider (the upper one at the maximum) against a QSlider.
        QSlider plain;
        for (QAbstractSlider* each : std::initializer_list<QAbstractSlider*> { &plain, slider.get() }) {
            each->setOrientation(orientation);
            each->setLayoutDirection(direction);
            each->setInvertedAppearance(invertedAppearance);
            each->setInvertedControls(invertedControls);
            each->setSingleStep(2);
            each->setPageStep(15);
        }
        plain.setValue(50);
        slider->setValues(50, 99);
        QSignalSpy hidden(slider.get(), &QAbstractSlider::valueChanged);
        const int hiddenValue = slider->value();

        for (const Qt::Key key : { Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down,
                 Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Left, Qt::Key_Home,
                 Qt::Key_Right }) {
            QTest::keyClick(&plain, key);
            QTest::keyClick(slider.get(), key);
            QCOMPARE(slider->minimumValue(), plain.value());
        }
        struct Turn
        {
            QPoint angle;
            Qt::KeyboardModifiers modifiers;
            bool inverted;
            int times;
        };
        // Whole notches, a fine wheel's eighth notches, a horizontal wheel, an inverted one, a page a
        // notch with Ctrl or Shift, then on past the end.
        for (const Turn& t : { Turn { { 0, 120 }, {}, false, 1 }, Turn { { 0, -120 }, {}, false, 2 },
                 Turn { { 0, 15 }, {}, false, 7 }, Turn { { 0, -15 }, {}, false, 3 },
                 Turn { { 120, 0 }, {}, false, 1 }, Turn { { 0, 120 }, {}, true, 1 },
                 Turn { { 0, 120 }, Qt::ControlModifier, false, 1 },
                 Turn { { 0, -60 }, Qt::ShiftModifier, false, 1 }, Turn { { 0, -120 }, {}, false, 20 } }) {
            for (int i = 0; i < t.times; ++i) {
                const bool plainUsed = turn(&plain, t.angle, t.modifiers, t.inverted);
                QCOMPARE(turn(slider.get(), t.angle, t.modifiers, t.inverted), plainUsed);
                QCOMPARE(slider->minimumValue(), plain.value());
            }
        }
        QVERIFY(plain.value() == plain.minimum() || plain.value() == plain.maximum());
        QCOMPARE(slider->value(), hiddenValue);
        QCOMPARE(hidden.count(), 0);
    }

    void activeHandleIsDrawnWithTheFocus()
    {
        struct HandleLog : QProxyStyle
        {
            mutable QList<QPair<int, bool>> handles; // position, focus
            void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                QPainter* painter, const QWidget* widget) const override
            {
                const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
                if (control == CC_Slider && slider && slider->subControls == SC_SliderHandle)
                    handles << qMakePair(slider->sliderPosition, bool(slider->state & State_HasFocus));
                QProxyStyle::drawComplexControl(control, option, painter, widget);
            }
        } style;
        slider->setStyle(&style);
        slider->setValues(20, 61);
        const auto drawn = [&] {
            style.handles.clear();
            slider->grab();
            return style.handles;
        };
        using Drawn = QList<QPair<int, bool>>;
        slider->clearFocus();
        QCOMPARE(drawn(), Drawn({ { 20, false }, { 61, false } }));
        focus();
        QCOMPARE(drawn(), Drawn({ { 20, true }, { 61, false } }));
        QTest::keyClick(slider.get(), Qt::Key_Space);
        QCOMPARE(drawn(), Drawn({ { 20, false }, { 61, true } }));
        slider->setStyle(nullptr);
    }

    void ignoredPresses()
    {
        slider->setValues(30, 61);
        QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, onGroove(90)));
        QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, onGroove(5)));
        QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, at(61), Qt::LeftButton,
            Qt::LeftButton | Qt::RightButton));
        takeLog();
        moveTo(slider.get(), at(80));
        QVERIFY(!slider->isSliderDown());
        QCOMPARE(values(), Pair({ 30, 61 }));
        QVERIFY(takeLog().isEmpty());
        slider->setRange(5, 5);
        QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, at(5)));
    }

    void dragFarAwaySnapsBack()
    {
        struct DragDistance : QProxyStyle
        {
            int pixelMetric(
                PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
            {
                return metric == PM_MaximumDragDistance ? 20
                                                        : QProxyStyle::pixelMetric(metric, option, widget);
            }
        } style;
        slider->setStyle(&style);
        slider->setValues(20, 61);
        send(slider.get(), QEvent::MouseButtonPress, at(61));
        moveTo(slider.get(), QPoint(at(70).x(), slider->height() + 15)); // within 20 pixels
        QCOMPARE(values(), Pair({ 20, 70 }));
        moveTo(slider.get(), QPoint(at(70).x(), slider->height() + 25));
        QCOMPARE(values(), Pair({ 20, 61 }));
        release(slider.get(), at(61));
        slider->setStyle(nullptr);
    }

    void handleToolTip()
    {
        slider->setValues(20, 61);
        slider->setToolTip(QStringLiteral("the slider"));
        const auto hover = [this](QPoint pos, const QString& expected) {
            QHelpEvent event(QEvent::ToolTip, pos, slider->mapToGlobal(pos));
            QApplication::sendEvent(slider.get(), &event);
            QTRY_COMPARE(QToolTip::text(), expected);
        };
        hover(at(61), QStringLiteral("the slider"));
        slider->setHandleToolTip(QStringLiteral("Bit: %1"));
        hover(at(61), QStringLiteral("Bit: 61"));
        hover(at(20), QStringLiteral("Bit: 20"));
        hover(onGroove(90), QStringLiteral("the slider"));
    }

    void verticalSliderKeepsTwiceItsFirstWidth()
    {
        util::RangeSlider vertical(Qt::Vertical);
        vertical.setGeometry(0, 0, 30, 200);
        vertical.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vertical));
        QTRY_COMPARE(vertical.minimumWidth(), 60);
    }
};

QTEST_MAIN(TestRangeSlider)
#include "tst_range_slider.moc"
