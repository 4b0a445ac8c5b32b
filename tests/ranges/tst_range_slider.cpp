// util::RangeSlider driven through mouse and help events at the style's rectangles.
#include "slider_geometry.h"

#include <util/range_slider.h>

#include <QProxyStyle>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace slider_geometry;

namespace {

class DragDistanceStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return metric == PM_MaximumDragDistance ? 20 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

class TestRangeSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void valuesAreOrderedAndClamped();
    void handleDragEmitsPositionsThenValues();
    void symmetricMoves();
    void grooveBetweenHandlesGrabsBoth();
    void ignoredPresses();
    void dragFarAwaySnapsBack();
    void handleToolTip();
    void verticalSliderKeepsTwiceItsFirstWidth();

private:
    QPoint at(int position) const { return handleRect(*slider, position).center(); }
    QPoint onGroove(int position) const { return { at(position).x(), grooveRect(*slider).center().y() }; }
    QStringList takeLog() { return std::exchange(log, {}); }
    QList<int> state() const { return { slider->minimumValue(), slider->maximumValue() }; }

    std::unique_ptr<util::RangeSlider> slider;
    QStringList log;
};

void TestRangeSlider::init()
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

void TestRangeSlider::valuesAreOrderedAndClamped()
{
    QCOMPARE(state(), QList<int>({ 0, 99 }));
    QSignalSpy values(slider.get(), &util::RangeSlider::valuesChanged);
    slider->setValues(70, 20);
    QCOMPARE(values.takeFirst(), QVariantList({ 20, 70 }));
    QCOMPARE(takeLog(), QStringList({ "values", "minValue", "maxValue" }));
    QCOMPARE(slider->maximumPosition(), 70);
    slider->setValues(-5, 200);
    QCOMPARE(state(), QList<int>({ 0, 99 }));
    slider->setValues(0, 50);
    slider->setMinimumValue(80);
    QCOMPARE(state(), QList<int>({ 80, 80 }));

    takeLog();
    slider->setRange(10, 20);
    QCOMPARE(takeLog(), QStringList({ "values", "minValue", "maxValue" }));
    QCOMPARE(state(), QList<int>({ 20, 20 }));

    // The widest range overflows nothing, in painting, a groove grab or a drag.
    slider->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    slider->setValues(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    slider->grab();
    drag(slider.get(), grooveRect(*slider).center(), grooveRect(*slider).center() + QPoint(5, 0));
    QVERIFY(slider->minimumValue() <= slider->maximumValue());
}

void TestRangeSlider::handleDragEmitsPositionsThenValues()
{
    slider->setValues(20, 61);
    takeLog();
    QVERIFY(send(slider.get(), QEvent::MouseButtonPress, at(61)));
    QVERIFY(slider->isMaximumSliderDown() && !slider->isMinimumSliderDown());
    moveTo(slider.get(), at(70));
    QCOMPARE(state(), QList<int>({ 20, 70 }));
    QCOMPARE(takeLog(), QStringList({ "maxPosition", "positions", "values", "maxValue" }));
    moveTo(slider.get(), at(5)); // stops at the lower handle
    QCOMPARE(state(), QList<int>({ 20, 20 }));
    release(slider.get(), at(5));
    QVERIFY(!slider->isMaximumSliderDown() && !slider->isSliderDown());

    // Without tracking only the positions move.
    slider->setTracking(false);
    slider->setValues(20, 61);
    takeLog();
    drag(slider.get(), at(20), at(10));
    QCOMPARE(takeLog(), QStringList({ "minPosition", "positions" }));
    QCOMPARE(slider->minimumPosition(), 10);
    QCOMPARE(slider->minimumValue(), 20);
}

void TestRangeSlider::symmetricMoves()
{
    slider->setSymmetricMoves(true);
    slider->setValues(40, 60);
    drag(slider.get(), at(60), at(70));
    QCOMPARE(state(), QList<int>({ 30, 70 }));
    slider->setValues(40, 60);
    drag(slider.get(), at(40), at(45));
    QCOMPARE(state(), QList<int>({ 45, 55 }));
}

void TestRangeSlider::grooveBetweenHandlesGrabsBoth()
{
    slider->setValues(20, 61);
    QVERIFY(send(slider.get(), QEvent::MouseButtonPress, onGroove(40)));
    QVERIFY(slider->isMinimumSliderDown() && slider->isMaximumSliderDown());
    moveTo(slider.get(), onGroove(50)); // half of 41 is 20: the odd unit is lost
    QCOMPARE(state(), QList<int>({ 30, 70 }));
    moveTo(slider.get(), onGroove(95));
    QCOMPARE(state(), QList<int>({ 75, 99 }));
    release(slider.get(), onGroove(95));
    QVERIFY(!slider->isMinimumSliderDown() && !slider->isMaximumSliderDown());
}

void TestRangeSlider::ignoredPresses()
{
    slider->setValues(30, 61);
    QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, onGroove(90)));
    QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, onGroove(5)));
    QVERIFY(!send(
        slider.get(), QEvent::MouseButtonPress, at(61), Qt::LeftButton, Qt::LeftButton | Qt::RightButton));
    takeLog();
    moveTo(slider.get(), at(80));
    QVERIFY(!slider->isSliderDown());
    QCOMPARE(state(), QList<int>({ 30, 61 }));
    QVERIFY(takeLog().isEmpty());
    slider->setRange(5, 5);
    QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, at(5)));
}

void TestRangeSlider::dragFarAwaySnapsBack()
{
    DragDistanceStyle style;
    slider->setStyle(&style);
    slider->setValues(20, 61);
    send(slider.get(), QEvent::MouseButtonPress, at(61));
    moveTo(slider.get(), QPoint(at(70).x(), slider->height() + 15)); // within 20 pixels
    QCOMPARE(state(), QList<int>({ 20, 70 }));
    moveTo(slider.get(), QPoint(at(70).x(), slider->height() + 25));
    QCOMPARE(state(), QList<int>({ 20, 61 }));
    release(slider.get(), at(61));
    slider->setStyle(nullptr);
}

void TestRangeSlider::handleToolTip()
{
    slider->setValues(20, 61);
    slider->setToolTip(QStringLiteral("the slider"));
    const auto hover = [this](QPoint pos) {
        QHelpEvent event(QEvent::ToolTip, pos, slider->mapToGlobal(pos));
        QApplication::sendEvent(slider.get(), &event);
    };
    hover(at(61));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("the slider"));
    slider->setHandleToolTip(QStringLiteral("Bit: %1"));
    hover(at(61));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Bit: 61"));
    hover(at(20));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Bit: 20"));
    hover(onGroove(90));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("the slider"));
}

void TestRangeSlider::verticalSliderKeepsTwiceItsFirstWidth()
{
    util::RangeSlider vertical(Qt::Vertical);
    vertical.setGeometry(0, 0, 30, 200);
    vertical.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vertical));
    QTRY_COMPARE(vertical.minimumWidth(), 60);
}

QTEST_MAIN(TestRangeSlider)
#include "tst_range_slider.moc"
