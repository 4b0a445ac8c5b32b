// The three slider popups: windows, labels, relative moves, acceleration and the release signal.
#include "slider_geometry.h"

#include <util/slider_popup.h>
#include <util/style_markers.h>

#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <limits>

using namespace slider_geometry;

namespace {

QString text(const QWidget& popup, const char* name)
{
    return popup.findChild<QLabel*>(QLatin1String(name))->text();
}

QSlider* jog(const QWidget& popup)
{
    return popup.findChild<QSlider*>(QStringLiteral("popup_slider"));
}

QTimer* accelerationTimer(const QWidget& popup)
{
    return popup.findChild<QTimer*>(QStringLiteral("acceleration_timer"));
}

void press(QSlider* slider, Qt::MouseButton button = Qt::LeftButton)
{
    send(slider, QEvent::MouseButtonPress, handleRect(*slider, slider->value()).center(), button, button);
}

void release(QSlider* slider, Qt::MouseButton button = Qt::LeftButton)
{
    send(slider, QEvent::MouseButtonRelease, handleRect(*slider, slider->value()).center(), button,
        Qt::NoButton);
}

/// Presses the handle, drags it into the top (or bottom) acceleration zone and
/// collects the value label after each acceleration tick until @p ticks were seen.
template<typename Popup> QStringList holdEnd(Popup& popup, bool top, int ticks)
{
    QSlider* slider = jog(popup);
    QStringList seen;
    const auto connection = QObject::connect(
        accelerationTimer(popup), &QTimer::timeout, &popup, [&] { seen << text(popup, "value_label"); });
    press(slider);
    const QRect groove = grooveRect(*slider);
    moveTo(slider, QPoint(groove.center().x(), top ? groove.top() - 100 : groove.bottom() + 100));
    if (!QTest::qWaitFor([&] { return seen.size() >= ticks; })) {
        qWarning("no acceleration");
    }
    QObject::disconnect(connection);
    return seen;
}

} // namespace

class TestSliderPopup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void form();
    void windowedAndFullRange();
    void valueIsThePositionInTheWindow();
    void relativeMovesAccelerationAndRelease();
    void saturation_data();
    void saturation();
    void otherButtonsChangeNothing();
    void signalsReachSpiesAndQueuedReceivers();
    void refusedInput();
};

void TestSliderPopup::form()
{
    UInt64SliderPopup popup;
    QCOMPARE(popup.objectName(), QStringLiteral("SliderPopup"));
    QCOMPARE(popup.windowTitle(), QStringLiteral("SliderPopup"));
    QCOMPARE(text(popup, "absolute_max_label"), QStringLiteral("abs max"));
    QCOMPARE(text(popup, "max_label"), QStringLiteral("max"));
    QCOMPARE(text(popup, "value_label"), QStringLiteral("value"));
    QCOMPARE(jog(popup)->orientation(), Qt::Vertical);
    QVERIFY(popup.styleSheet().contains(QStringLiteral("SliderPopup")));
    QCOMPARE(popup.findChildren<util::BlueFrame*>().size(), 4);
    QVERIFY(!accelerationTimer(popup)->isActive());
}

void TestSliderPopup::windowedAndFullRange()
{
    DoubleSliderPopup popup;
    popup.setSliderRange(0, 100000, 500, false);
    QSlider* slider = jog(popup);
    QCOMPARE(slider->minimum(), -1);
    QCOMPARE(slider->maximum(), 3001);
    QCOMPARE(slider->value(), 500);
    QCOMPARE(popup.localMaximum(), 5000.0);
    QCOMPARE(popup.localMinimum(), 0.0);
    QCOMPARE(text(popup, "absolute_max_label"), QStringLiteral("100000"));
    QCOMPARE(text(popup, "absolute_min_label"), QStringLiteral("0"));
    QCOMPARE(text(popup, "max_label"), QStringLiteral("3000"));
    QCOMPARE(text(popup, "value_label"), QStringLiteral("500"));
    QCOMPARE(text(popup, "min_label"), QStringLiteral("0"));

    popup.setSliderRange(0, 100000, 500, true);
    QCOMPARE(slider->maximum(), 100001);
    QCOMPARE(slider->value(), 500);
    QCOMPARE(text(popup, "max_label"), QStringLiteral("100000"));
    QCOMPARE(text(popup, "min_label"), QStringLiteral("0"));

    Int64SliderPopup small;
    small.setSliderRange(100, 200, 150, true);
    QCOMPARE(jog(small)->value(), 50);
    QCOMPARE(small.localMaximum(), 100);

    // The widest span fits the slider's int positions.
    Int64SliderPopup widest;
    widest.setSliderRange(std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), 0, true);
    QCOMPARE(jog(widest)->maximum(), std::numeric_limits<int>::max() - 1);
    QCOMPARE(widest.localMaximum(), std::numeric_limits<qint64>::max());
    QCOMPARE(text(widest, "value_label"), QStringLiteral("0"));
}

void TestSliderPopup::valueIsThePositionInTheWindow()
{
    Int64SliderPopup popup;
    popup.setSliderRange(0, 100000, 500, false);
    QCOMPARE(popup.value(), 500);
    popup.setSliderRange(1000, 100000, 5000, false);
    QCOMPARE(popup.value(), 2500);
    QCOMPARE(text(popup, "max_label"), QStringLiteral("7500"));
    QCOMPARE(text(popup, "min_label"), QStringLiteral("2500"));
}

void TestSliderPopup::relativeMovesAccelerationAndRelease()
{
    Int64SliderPopup popup;
    popup.resize(125, 600);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    popup.setSliderLength(40);
    popup.setSliderRange(0, 100000, 500, false);
    QSlider* slider = jog(popup);
    QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);

    press(slider);
    QVERIFY(!accelerationTimer(popup)->isActive());
    moveTo(slider, handleRect(*slider, 25).center());
    QCOMPARE(slider->value(), 25);
    QCOMPARE(text(popup, "value_label"), QStringLiteral("505"));
    moveTo(slider, handleRect(*slider, 10).center());
    QCOMPARE(text(popup, "value_label"), QStringLiteral("490"));
    QCOMPARE(text(popup, "max_label"), QStringLiteral("510"));
    QCOMPARE(text(popup, "min_label"), QStringLiteral("470"));
    release(slider);
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited.takeFirst().first().toLongLong(), 490);

    // Steps of 222, 333, 444, ... while the top end is held.
    const QStringList seen = holdEnd(popup, true, 4);
    QVERIFY(accelerationTimer(popup)->isActive());
    QCOMPARE(seen.mid(0, 4), QStringList({ "712", "1045", "1489", "2044" }));
    release(slider);
    QVERIFY(!accelerationTimer(popup)->isActive());
    QCOMPARE(edited.count(), 1);
    QCOMPARE(QString::number(edited.first().first().toLongLong()), text(popup, "value_label"));

    // A stray release reports nothing more.
    release(slider);
    QCOMPARE(edited.count(), 1);
}

void TestSliderPopup::saturation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("top");
    QTest::addColumn<QString>("expected");
    constexpr qint64 low = std::numeric_limits<qint64>::min();
    constexpr qint64 high = std::numeric_limits<qint64>::max();
    QTest::newRow("int64 up") << 0 << true << QString::number(high);
    QTest::newRow("int64 down") << 0 << false << QString::number(low);
    QTest::newRow("uint64 up") << 1 << true << QString::number(std::numeric_limits<quint64>::max());
    QTest::newRow("uint64 down") << 1 << false << QStringLiteral("0");
    QTest::newRow("uint64 small down") << 2 << false << QStringLiteral("0");
    QTest::newRow("double up") << 3 << true << QStringLiteral("1e+300");
}

void TestSliderPopup::saturation()
{
    QFETCH(int, kind);
    QFETCH(bool, top);
    QFETCH(QString, expected);
    constexpr qint64 low = std::numeric_limits<qint64>::min();
    constexpr qint64 high = std::numeric_limits<qint64>::max();
    constexpr quint64 uhigh = std::numeric_limits<quint64>::max();
    Int64SliderPopup int64;
    int64.setSliderRange(low, high, top ? high - 300 : low + 300, true);
    UInt64SliderPopup uint64;
    uint64.setSliderRange(0, uhigh, top ? uhigh - 300 : 300, false);
    UInt64SliderPopup smallUInt64;
    smallUInt64.setSliderRange(0, 1000, 50, false);
    DoubleSliderPopup real;
    real.setSliderRange(-1e300, 1e300, 1e300 - 1e290, false);
    QWidget* popups[] = { &int64, &uint64, &smallUInt64, &real };
    QWidget& popup = *popups[kind];
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));

    switch (kind) {
    case 0: holdEnd(int64, top, 3); break;
    case 1: holdEnd(uint64, top, 3); break;
    case 2: holdEnd(smallUInt64, top, 3); break;
    default: holdEnd(real, top, 3); break;
    }
    QCOMPARE(text(popup, "value_label"), expected);
    QCOMPARE(text(popup, top ? "max_label" : "min_label"), expected);
}

void TestSliderPopup::otherButtonsChangeNothing()
{
    Int64SliderPopup popup;
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    popup.setSliderRange(0, 100, 100, true);
    QSlider* slider = jog(popup);
    QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);
    press(slider, Qt::RightButton);
    QVERIFY(!accelerationTimer(popup)->isActive());
    release(slider, Qt::RightButton);
    QCOMPARE(edited.count(), 0);
    QCOMPARE(text(popup, "value_label"), QStringLiteral("100"));
}

void TestSliderPopup::signalsReachSpiesAndQueuedReceivers()
{
    Int64SliderPopup int64;
    UInt64SliderPopup uint64;
    QSignalSpy signedSpy(&int64, &Int64SliderPopup::signal_valueEdited);
    QSignalSpy unsignedSpy(&uint64, &UInt64SliderPopup::signal_valueEdited);
    QVERIFY(signedSpy.isValid());
    QVERIFY(unsignedSpy.isValid());

    constexpr quint64 big = std::numeric_limits<quint64>::max() - 1;
    quint64 received = 0;
    connect(
        &uint64, &UInt64SliderPopup::signal_valueEdited, this, [&](quint64 value) { received = value; },
        Qt::QueuedConnection);
    uint64.setSliderRange(0, std::numeric_limits<quint64>::max(), big, true);
    press(jog(uint64));
    release(jog(uint64));
    QCOMPARE(unsignedSpy.count(), 1);
    QCOMPARE(unsignedSpy.first().first().value<quint64>(), big);
    QTRY_COMPARE(received, big);

    int64.setSliderRange(-10, 10, -7, true);
    press(jog(int64));
    release(jog(int64));
    QCOMPARE(signedSpy.first().first().value<qint64>(), -7);
}

void TestSliderPopup::refusedInput()
{
    DoubleSliderPopup popup;
    popup.setSliderRange(0, 10, 5, true);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("slider range refused"));
    popup.setSliderRange(0, qQNaN(), 5, true);
    QCOMPARE(text(popup, "absolute_max_label"), QStringLiteral("10"));

    // Bounds the wrong way round are ordered; the value is kept inside them.
    Int64SliderPopup int64;
    int64.setSliderRange(50, -50, 80, true);
    QCOMPARE(text(int64, "absolute_max_label"), QStringLiteral("50"));
    QCOMPARE(text(int64, "absolute_min_label"), QStringLiteral("-50"));
    QCOMPARE(text(int64, "value_label"), QStringLiteral("50"));
    int64.updateRealValue(std::numeric_limits<qint64>::min(), -1);
    QCOMPARE(text(int64, "value_label"), QStringLiteral("50"));
    int64.updateRealValue(std::numeric_limits<qint64>::min(), 3);
    QCOMPARE(text(int64, "value_label"), QStringLiteral("-50"));
    int64.updateRealValue(-7, -2);
    QCOMPARE(text(int64, "value_label"), QStringLiteral("-36"));
}

QTEST_MAIN(TestSliderPopup)
#include "tst_slider_popup.moc"
