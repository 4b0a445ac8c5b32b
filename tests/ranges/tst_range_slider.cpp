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
        connect(&capped, &util::RangeSlider::minimumValueChanged, this,
            [&](int min) { check("minValue", { min, now().last() }, now()); });
        connect(&capped, &util::RangeSlider::maximumValueChanged, this,
            [&](int max) { check("maxValue", { now().first(), max }, now()); });

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
