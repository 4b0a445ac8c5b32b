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
    void cleanup();
    void valuesAreOrderedAndClamped();
    void rangeChangeClampsValues();
    void handleDragEmitsPositionsThenValues();
    void dragWithoutTrackingKeepsValues();
    void symmetricMoves();
    void grooveBetweenHandlesGrabsBoth();
    void ignoredPresses();
    void dragFarAwaySnapsBack();
    void handleToolTip();
    void verticalSliderKeepsTwiceItsFirstWidth();

private:
    QPoint centreAt(int position) const { return handleRect(*slider, position).center(); }
    // Records the signals in the order they come.
    QStringList record();

    std::unique_ptr<util::RangeSlider> slider;
    QStringList signalLog;
};

void TestRangeSlider::init()
{
    slider = std::make_unique<util::RangeSlider>(Qt::Horizontal);
    slider->resize(220, 30);
    slider->show();
    QVERIFY(QTest::qWaitForWindowExposed(slider.get()));
    signalLog.clear();
    const auto log = [this](const char* name) { return [this, name] { signalLog << name; }; };
    connect(slider.get(), &util::RangeSlider::minimumValueChanged, this, log("minValue"));
    connect(slider.get(), &util::RangeSlider::maximumValueChanged, this, log("maxValue"));
    connect(slider.get(), &util::RangeSlider::valuesChanged, this, log("values"));
    connect(slider.get(), &util::RangeSlider::minimumPositionChanged, this, log("minPosition"));
    connect(slider.get(), &util::RangeSlider::maximumPositionChanged, this, log("maxPosition"));
    connect(slider.get(), &util::RangeSlider::positionsChanged, this, log("positions"));
}

void TestRangeSlider::cleanup()
{
    slider.reset();
}

QStringList TestRangeSlider::record()
{
    return std::exchange(signalLog, {});
}

void TestRangeSlider::valuesAreOrderedAndClamped()
{
    QCOMPARE(slider->minimumValue(), 0);
    QCOMPARE(slider->maximumValue(), 99);
    QCOMPARE(slider->minimumPosition(), 0);
    QCOMPARE(slider->maximumPosition(), 99);

    QSignalSpy values(slider.get(), &util::RangeSlider::valuesChanged);
    slider->setValues(70, 20);
    QCOMPARE(values.takeFirst(), QVariantList({ 20, 70 }));
    QCOMPARE(record(), QStringList({ "values", "minValue", "maxValue" }));
    QCOMPARE(slider->minimumPosition(), 20);
    QCOMPARE(slider->maximumPosition(), 70);

    slider->setValues(20, 70);
    QVERIFY(record().isEmpty());

    slider->setValues(-5, 200);
    QCOMPARE(slider->minimumValue(), 0);
    QCOMPARE(slider->maximumValue(), 99);

    slider->setValues(0, 50);
    slider->setMinimumValue(80);
    QCOMPARE(slider->minimumValue(), 80);
    QCOMPARE(slider->maximumValue(), 80);
    slider->setMaximumValue(10);
    QCOMPARE(slider->minimumValue(), 10);
    QCOMPARE(slider->maximumValue(), 10);
}

void TestRangeSlider::rangeChangeClampsValues()
{
    slider->setRange(10, 20);
    QCOMPARE(record(), QStringList({ "values", "minValue", "maxValue" }));
    QCOMPARE(slider->minimumValue(), 10);
    QCOMPARE(slider->maximumValue(), 20);
    QCOMPARE(slider->minimumPosition(), 10);
    QCOMPARE(slider->maximumPosition(), 20);

    // The widest range does not overflow anything.
    slider->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    slider->setValues(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    slider->grab();
    send(slider.get(), QEvent::MouseButtonPress, grooveRect(*slider).center());
    moveTo(slider.get(), grooveRect(*slider).center() + QPoint(5, 0));
    send(
        slider.get(), QEvent::MouseButtonRelease, grooveRect(*slider).center(), Qt::LeftButton, Qt::NoButton);
    QVERIFY(slider->minimumValue() <= slider->maximumValue());
}

void TestRangeSlider::handleDragEmitsPositionsThenValues()
{
    slider->setValues(20, 61);
    record();
    QVERIFY(send(slider.get(), QEvent::MouseButtonPress, centreAt(61)));
    QVERIFY(slider->isMaximumSliderDown());
    QVERIFY(!slider->isMinimumSliderDown());
    QVERIFY(slider->isSliderDown());

    moveTo(slider.get(), centreAt(70));
    QCOMPARE(slider->maximumPosition(), 70);
    QCOMPARE(slider->maximumValue(), 70);
    QCOMPARE(record(), QStringList({ "maxPosition", "positions", "values", "maxValue" }));

    // The upper handle cannot pass the lower one.
    moveTo(slider.get(), centreAt(5));
    QCOMPARE(slider->minimumValue(), 20);
    QCOMPARE(slider->maximumValue(), 20);

    send(slider.get(), QEvent::MouseButtonRelease, centreAt(5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!slider->isMaximumSliderDown());
    QVERIFY(!slider->isSliderDown());
}

void TestRangeSlider::dragWithoutTrackingKeepsValues()
{
    slider->setTracking(false);
    slider->setValues(20, 61);
    record();
    send(slider.get(), QEvent::MouseButtonPress, centreAt(20));
    moveTo(slider.get(), centreAt(30));
    QCOMPARE(record(), QStringList({ "minPosition", "positions" }));
    QCOMPARE(slider->minimumPosition(), 30);
    QCOMPARE(slider->minimumValue(), 20);
    send(slider.get(), QEvent::MouseButtonRelease, centreAt(30), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(slider->minimumValue(), 20);
}

void TestRangeSlider::symmetricMoves()
{
    slider->setSymmetricMoves(true);
    slider->setValues(40, 60);
    send(slider.get(), QEvent::MouseButtonPress, centreAt(60));
    moveTo(slider.get(), centreAt(70));
    send(slider.get(), QEvent::MouseButtonRelease, centreAt(70), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(slider->minimumValue(), 30);
    QCOMPARE(slider->maximumValue(), 70);

    slider->setValues(40, 60);
    send(slider.get(), QEvent::MouseButtonPress, centreAt(40));
    moveTo(slider.get(), centreAt(45));
    send(slider.get(), QEvent::MouseButtonRelease, centreAt(45), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(slider->minimumValue(), 45);
    QCOMPARE(slider->maximumValue(), 55);
}

void TestRangeSlider::grooveBetweenHandlesGrabsBoth()
{
    slider->setValues(20, 61);
    const int y = grooveRect(*slider).center().y();
    QVERIFY(send(slider.get(), QEvent::MouseButtonPress, QPoint(centreAt(40).x(), y)));
    QVERIFY(slider->isMinimumSliderDown());
    QVERIFY(slider->isMaximumSliderDown());

    moveTo(slider.get(), QPoint(centreAt(50).x(), y));
    QCOMPARE(slider->minimumPosition(), 30);
    QCOMPARE(slider->maximumPosition(), 70);

    // Against the end the span is kept by clamping each end.
    moveTo(slider.get(), QPoint(centreAt(95).x(), y));
    QCOMPARE(slider->minimumValue(), 75);
    QCOMPARE(slider->maximumValue(), 99);
    send(slider.get(), QEvent::MouseButtonRelease, QPoint(centreAt(95).x(), y), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!slider->isMinimumSliderDown());
    QVERIFY(!slider->isMaximumSliderDown());
}

void TestRangeSlider::ignoredPresses()
{
    slider->setValues(20, 61);
    record();
    const int y = grooveRect(*slider).center().y();

    // Groove outside the handles, on both sides.
    QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, QPoint(centreAt(90).x(), y)));
    slider->setValues(30, 61);
    QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, QPoint(centreAt(5).x(), y)));
    record();

    // A second button already held.
    QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, centreAt(61), Qt::LeftButton,
        Qt::LeftButton | Qt::RightButton));

    // An empty range.
    slider->setRange(5, 5);
    QVERIFY(!send(slider.get(), QEvent::MouseButtonPress, centreAt(5)));
    slider->setRange(0, 99);
    slider->setValues(30, 61);
    record();

    moveTo(slider.get(), centreAt(80));
    QVERIFY(!slider->isSliderDown());
    QCOMPARE(slider->maximumPosition(), 61);
    QVERIFY(record().isEmpty());
}

void TestRangeSlider::dragFarAwaySnapsBack()
{
    DragDistanceStyle style;
    slider->setStyle(&style);
    slider->setValues(20, 61);
    send(slider.get(), QEvent::MouseButtonPress, centreAt(61));
    moveTo(slider.get(), centreAt(70));
    QCOMPARE(slider->maximumValue(), 70);
    // The style allows 20 pixels around the widget.
    moveTo(slider.get(), QPoint(centreAt(70).x(), slider->height() + 15));
    QCOMPARE(slider->maximumValue(), 70);
    moveTo(slider.get(), QPoint(centreAt(70).x(), slider->height() + 25));
    QCOMPARE(slider->maximumValue(), 61);
    QCOMPARE(slider->minimumValue(), 20);
    send(slider.get(), QEvent::MouseButtonRelease, centreAt(61), Qt::LeftButton, Qt::NoButton);
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

    hover(centreAt(61));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("the slider"));

    slider->setHandleToolTip(QStringLiteral("Upper bit: %1"));
    hover(centreAt(61));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Upper bit: 61"));
    hover(centreAt(20));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Upper bit: 20"));
    hover(QPoint(centreAt(90).x(), grooveRect(*slider).center().y()));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("the slider"));
}

void TestRangeSlider::verticalSliderKeepsTwiceItsFirstWidth()
{
    util::RangeSlider vertical(Qt::Vertical);
    vertical.setGeometry(0, 0, 30, 200);
    vertical.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vertical));
    QTRY_COMPARE(vertical.minimumWidth(), 60);
    vertical.repaint();
    QCOMPARE(vertical.minimumWidth(), 60);
}

QTEST_MAIN(TestRangeSlider)
#include "tst_range_slider.moc"
