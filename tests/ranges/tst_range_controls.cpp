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

    std::unique_ptr<QWidget> host;
    util::BitRangeWidget* bits = nullptr;
    util::RangeSlider* slider = nullptr;

    /// The window the selector shows, as its label reads it, and the shifts it reported.
    QString label() const { return host->findChild<QLabel*>(QStringLiteral("intensity_label"))->text(); }
    static QString labelFor(int high, int low)
    {
        return QStringLiteral("Image Intensity (Bit Range: [%1;%2]):").arg(high).arg(low);
    }
    static QList<int> shifts(const QSignalSpy& spy)
    {
        QList<int> list;
        for (const QVariantList& arguments : spy)
            list << arguments.first().toInt();
        return list;
    }

private Q_SLOTS:
    void init()
    {
        host = std::make_unique<QWidget>();
        bits = new util::BitRangeWidget(host.get());
        slider = bits->rangeSlider();
        (new QVBoxLayout(host.get()))->addWidget(bits->requestWidget(host.get()));
        host->resize(400, 150);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        // A new selector shows bits 15 to 8.
        QCOMPARE(bits->bitShift(), 8);
        QCOMPARE(label(), labelFor(15, 8));
    }

    void cleanup() { host.reset(); }

    void setBitRange_data()
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

    void setBitRange()
    {
        QFETCH(int, depth);
        QFETCH(int, top);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, shift);
        QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
        if (depth > 24)
            QTest::ignoreMessage(QtWarningMsg, "images of 32 bits are shown as 24 bit images");
        bits->setBitRange(depth);
        QCOMPARE(QList<int>({ slider->maximum(), slider->minimumValue(), slider->maximumValue() }),
            QList<int>({ top, lower, upper }));
        QCOMPARE(bits->bitShift(), shift);
        QCOMPARE(label(), labelFor(top - lower, top - upper));
        // The host hears of a changed shift once, and only of the final one.
        QCOMPARE(shifts(spy), shift == 8 ? QList<int>() : QList<int>({ shift }));
    }

    void setBitRangeLeavesNoStaleShift()
    {
        bits->setBitRange(24);
        bits->setBitShift(0); // window [16, 23], outside a 16-bit slider
        QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
        bits->setBitRange(16);
        QCOMPARE(bits->bitShift(), 8);
        QCOMPARE(shifts(spy), QList<int>({ 8 }));
    }

    void setBitShift_data()
    {
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("result");
        QTest::newRow("4") << 4 << 4 << 4;
        QTest::newRow("12 clamped") << 12 << 0 << 8;
        QTest::newRow("int max") << std::numeric_limits<int>::max() << 0 << 8;
        QTest::newRow("int min") << std::numeric_limits<int>::min() << 8 << 0;
    }

    void setBitShift()
    {
        QFETCH(int, shift);
        QFETCH(int, lower);
        QFETCH(int, result);
        QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
        bits->setBitShift(shift);
        QCOMPARE(
            QList<int>({ slider->minimumValue(), slider->maximumValue() }), QList<int>({ lower, lower + 7 }));
        QCOMPARE(label(), labelFor(15 - lower, 8 - lower));
        QCOMPARE(shifts(spy), QList<int>({ result }));
    }

    void draggingAHandleCarriesTheWindow()
    {
        QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
        drag(slider, handleAt(*slider, 7), handleAt(*slider, 12));
        QCOMPARE(QList<int>({ slider->minimumValue(), slider->maximumValue() }), QList<int>({ 5, 12 }));
        QCOMPARE(label(), labelFor(10, 3));
        drag(slider, handleAt(*slider, 5), handleAt(*slider, 1));
        QCOMPARE(QList<int>({ slider->minimumValue(), slider->maximumValue() }), QList<int>({ 1, 8 }));
        // One report per move of the window, though the slider announces each corrected window.
        QCOMPARE(shifts(spy), QList<int>({ 3, 7 }));
    }

    void listenersHearTheWindowTheSliderHas()
    {
        // Host listeners connect after the selector's own one, which corrects every change; a
        // change of the upper value alone carries the window along.
        QSignalSpy pairs(slider, &util::RangeSlider::valuesChanged);
        QSignalSpy lowers(slider, &util::RangeSlider::minimumValueChanged);
        QSignalSpy uppers(slider, &util::RangeSlider::maximumValueChanged);
        QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
        slider->setMaximumValue(10);
        QCOMPARE(QList<int>({ slider->minimumValue(), slider->maximumValue() }), QList<int>({ 3, 10 }));
        QCOMPARE(pairs.last(), QVariantList({ 3, 10 }));
        QCOMPARE(lowers.last(), QVariantList({ 3 }));
        QCOMPARE(uppers.last(), QVariantList({ 10 }));
        QCOMPARE(label(), labelFor(12, 5));
        QCOMPARE(shifts(spy), QList<int>({ 5 }));
    }

    void keysMoveTheWindow()
    {
        slider->activateWindow();
        slider->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(slider->hasFocus());
        QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
        const auto key = [this](Qt::Key key) {
            QTest::keyClick(slider, key);
            return QList<int>({ slider->minimumValue(), slider->maximumValue() });
        };
        QCOMPARE(key(Qt::Key_Right), QList<int>({ 1, 8 }));
        // The upper handle, once active, carries the window as a drag of it does.
        QCOMPARE(key(Qt::Key_Space), QList<int>({ 1, 8 }));
        QCOMPARE(key(Qt::Key_Right), QList<int>({ 2, 9 }));
        QCOMPARE(key(Qt::Key_End), QList<int>({ 8, 15 }));
        QCOMPARE(key(Qt::Key_Left), QList<int>({ 7, 14 }));
        QCOMPARE(label(), labelFor(8, 1));
        QCOMPARE(shifts(spy), QList<int>({ 7, 6, 0, 1 }));
    }

    void circularSliderWraps()
    {
        util::CircularSlider circular(nullptr);
        const auto press = [&](int start, Qt::Key key) {
            circular.setValue(start);
            QTest::keyClick(&circular, key);
            return circular.value();
        };
        QCOMPARE(press(99, Qt::Key_Right), 0);
        QCOMPARE(press(0, Qt::Key_Left), 99);
        QCOMPARE(press(50, Qt::Key_Right), 51);
        QCOMPARE(press(99, Qt::Key_Up), 99);
    }
};

QTEST_MAIN(TestRangeControls)
#include "tst_range_controls.moc"
