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

    /// The window the selector shows, as its label reads it.
    QString label() const { return host->findChild<QLabel*>(QStringLiteral("intensity_label"))->text(); }
    static QString labelFor(int high, int low)
    {
        return QStringLiteral("Image Intensity (Bit Range: [%1;%2]):").arg(high).arg(low);
    }
    /// The first argument of every signal @p spy caught: the shifts or values reported.
    static QList<int> reported(const QSignalSpy& spy)
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
        QCOMPARE(reported(spy), shift == 8 ? QList<int>() : QList<int>({ shift }));
    }

    void setBitRangeLeavesNoStaleShift()
    {
        bits->setBitRange(24);
        bits->setBitShift(0); // window [16, 23], outside a 16-bit slider
        QSignalSpy spy(bits, &util::BitRangeWidget::signal_bitRange);
        bits->setBitRange(16);
        QCOMPARE(bits->bitShift(), 8);
        QCOMPARE(reported(spy), QList<int>({ 8 }));
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
        QCOMPARE(reported(spy), QList<int>({ result }));
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
        QCOMPARE(reported(spy), QList<int>({ 3, 7 }));
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
        QCOMPARE(reported(spy), QList<int>({ 5 }));
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
        QCOMPARE(reported(spy), QList<int>({ 7, 6, 0, 1 }));
    }

    void circularSliderWraps_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<bool>("invertedControls");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("values"); // every valueChanged
        const auto ltr = Qt::LeftToRight;
        const auto rtl = Qt::RightToLeft;
        QTest::newRow("Right at max") << ltr << false << 99 << int(Qt::Key_Right) << QList<int>({ 0 });
        QTest::newRow("Left at min") << ltr << false << 0 << int(Qt::Key_Left) << QList<int>({ 99 });
        QTest::newRow("Right inside") << ltr << false << 50 << int(Qt::Key_Right) << QList<int>({ 51 });
        QTest::newRow("Up at max") << ltr << false << 99 << int(Qt::Key_Up) << QList<int>();
        // A key wraps where its step would leave the range, in the direction it steps.
        QTest::newRow("rtl, Right at max") << rtl << false << 99 << int(Qt::Key_Right) << QList<int>({ 98 });
        QTest::newRow("rtl, Left at max") << rtl << false << 99 << int(Qt::Key_Left) << QList<int>({ 0 });
        QTest::newRow("rtl, Right at min") << rtl << false << 0 << int(Qt::Key_Right) << QList<int>({ 99 });
        QTest::newRow("inverted, Left at max") << ltr << true << 99 << int(Qt::Key_Left) << QList<int>({ 0 });
    }

    void circularSliderWraps()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(bool, invertedControls);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(QList<int>, values);
        util::CircularSlider circular(host.get());
        circular.setOrientation(Qt::Horizontal);
        circular.setLayoutDirection(direction);
        circular.setInvertedControls(invertedControls);
        circular.setValue(start);
        circular.show();
        circular.setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(circular.hasFocus());
        QSignalSpy spy(&circular, &QAbstractSlider::valueChanged);
        QTest::keyClick(&circular, Qt::Key(key));
        QCOMPARE(reported(spy), values);
        QCOMPARE(circular.value(), values.isEmpty() ? start : values.last());
    }
};

QTEST_MAIN(TestRangeControls)
#include "tst_range_controls.moc"
