// util::BitRangeWidget and util::CircularSlider.
#include "slider_geometry.h"

#include <util/bit_range_widget.h>
#include <util/circular_slider.h>
#include <util/range_slider.h>

#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace slider_geometry;

class TestRangeControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void setBitRange_data();
    void setBitRange();
    void setBitRangeLeavesNoStaleShift();
    void setBitShift_data();
    void setBitShift();
    void draggingTheUpperHandleCarriesTheWindow();
    void circularSliderWraps_data();
    void circularSliderWraps();

private:
    QString label() const { return host->findChild<QLabel*>(QStringLiteral("intensity_label"))->text(); }
    static QString labelFor(int high, int low)
    {
        return QStringLiteral("Image Intensity (Bit Range: [%1;%2]):").arg(high).arg(low);
    }

    std::unique_ptr<QWidget> host;
    util::BitRangeWidget* bits = nullptr;
};

void TestRangeControls::init()
{
    host = std::make_unique<QWidget>();
    bits = new util::BitRangeWidget(host.get());
    auto* layout = new QVBoxLayout(host.get());
    QWidget* selector = bits->requestWidget(host.get());
    selector->show();
    layout->addWidget(selector);
    host->resize(400, 150);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
}

void TestRangeControls::cleanup()
{
    host.reset();
}

void TestRangeControls::setBitRange_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("shift");
    QTest::newRow("12") << 12 << 15 << 4 << 11 << 4;
    QTest::newRow("16") << 16 << 15 << 0 << 7 << 8;
    QTest::newRow("24") << 24 << 23 << 0 << 7 << 16;
    QTest::newRow("8") << 8 << 7 << 0 << 7 << 0;
    QTest::newRow("6") << 6 << 7 << 2 << 7 << 0;
    QTest::newRow("32 as 24") << 32 << 23 << 0 << 7 << 16;
    QTest::newRow("-3 as 1") << -3 << 7 << 7 << 7 << 0;
}

void TestRangeControls::setBitRange()
{
    QFETCH(int, depth);
    QFETCH(int, top);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, shift);
    QCOMPARE(bits->bitShift(), 8); // a new selector shows bits 15 to 8
    QCOMPARE(label(), labelFor(15, 8));
    QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
    if (depth > 24) {
        QTest::ignoreMessage(QtWarningMsg, "images of 32 bits are shown as 24 bit images");
    }
    bits->setBitRange(depth);
    util::RangeSlider* slider = bits->rangeSlider();
    QCOMPARE(slider->maximum(), top);
    QCOMPARE(slider->minimumValue(), lower);
    QCOMPARE(slider->maximumValue(), upper);
    QCOMPARE(bits->bitShift(), shift);
    QCOMPARE(label(), labelFor(top - lower, top - upper));
    // The host hears of a changed shift once, and only of the final one.
    QCOMPARE(spy.count(), shift == 8 ? 0 : 1);
    if (!spy.isEmpty()) {
        QCOMPARE(spy.first().first().toInt(), shift);
    }
}

void TestRangeControls::setBitRangeLeavesNoStaleShift()
{
    bits->setBitRange(24);
    bits->setBitShift(0); // window [16, 23], outside a 16-bit slider
    QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
    bits->setBitRange(16);
    QCOMPARE(bits->bitShift(), 8);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), 8);
}

void TestRangeControls::setBitShift_data()
{
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("result");
    QTest::newRow("4") << 4 << 4 << 4;
    QTest::newRow("12 clamped") << 12 << 0 << 8;
    QTest::newRow("int max") << std::numeric_limits<int>::max() << 0 << 8;
    QTest::newRow("int min") << std::numeric_limits<int>::min() << 8 << 0;
}

void TestRangeControls::setBitShift()
{
    QFETCH(int, shift);
    QFETCH(int, lower);
    QFETCH(int, result);
    QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
    bits->setBitShift(shift);
    QCOMPARE(bits->rangeSlider()->minimumValue(), lower);
    QCOMPARE(bits->rangeSlider()->maximumValue(), lower + 7);
    QCOMPARE(bits->bitShift(), result);
    QCOMPARE(label(), labelFor(15 - lower, 15 - lower - 7));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), result);
}

void TestRangeControls::draggingTheUpperHandleCarriesTheWindow()
{
    util::RangeSlider* slider = bits->rangeSlider();
    QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
    drag(slider, handleRect(*slider, 7).center(), handleRect(*slider, 12).center());
    QCOMPARE(slider->minimumValue(), 5);
    QCOMPARE(slider->maximumValue(), 12);
    QCOMPARE(bits->bitShift(), 3);
    QCOMPARE(label(), labelFor(10, 3));
    QCOMPARE(spy.last().first().toInt(), 3);

    // The lower handle pushes the window along too.
    drag(slider, handleRect(*slider, 5).center(), handleRect(*slider, 1).center());
    QCOMPARE(slider->minimumValue(), 1);
    QCOMPARE(slider->maximumValue(), 8);
    QCOMPARE(spy.last().first().toInt(), 7);
}

void TestRangeControls::circularSliderWraps_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("right at maximum") << 99 << int(Qt::Key_Right) << 0;
    QTest::newRow("left at minimum") << 0 << int(Qt::Key_Left) << 99;
    QTest::newRow("right inside") << 50 << int(Qt::Key_Right) << 51;
    QTest::newRow("up at maximum") << 99 << int(Qt::Key_Up) << 99;
}

void TestRangeControls::circularSliderWraps()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, result);
    util::CircularSlider slider(nullptr);
    QCOMPARE(slider.orientation(), Qt::Vertical);
    slider.setValue(start);
    QTest::keyClick(&slider, Qt::Key(key));
    QCOMPARE(slider.value(), result);
}

QTEST_MAIN(TestRangeControls)
#include "tst_range_controls.moc"
