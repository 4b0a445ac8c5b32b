// The three slider popups: windows, labels, relative moves, acceleration and the release signal.
#include "slider_geometry.h"

#include <util/slider_popup.h>

#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <limits>

using namespace slider_geometry;

namespace {

constexpr qint64 int64Min = std::numeric_limits<qint64>::min();
constexpr qint64 int64Max = std::numeric_limits<qint64>::max();
constexpr quint64 uint64Max = std::numeric_limits<quint64>::max();

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

QPoint handle(QSlider* slider)
{
    return handleRect(*slider, slider->value()).center();
}

/// Presses the handle, drags it into the top (or bottom) acceleration zone and
/// returns the value label after each acceleration tick, once @p ticks were seen.
QStringList holdEnd(QWidget& popup, bool top, int ticks)
{
    QSlider* slider = jog(popup);
    QStringList seen;
    const auto connection = QObject::connect(
        accelerationTimer(popup), &QTimer::timeout, &popup, [&] { seen << text(popup, "value_label"); });
    send(slider, QEvent::MouseButtonPress, handle(slider));
    const QRect groove = grooveRect(*slider);
    moveTo(slider, QPoint(groove.center().x(), top ? groove.top() - 100 : groove.bottom() + 100));
    // Too few ticks show as a short list in the caller's comparison.
    static_cast<void>(QTest::qWaitFor([&] { return seen.size() >= ticks; }));
    QObject::disconnect(connection);
    return seen;
}

} // namespace

class TestSliderPopup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowedAndFullRange();
    void relativeMovesAccelerationAndRelease();
    void saturation_data();
    void saturation();
    void otherButtonsChangeNothing();
    void signalsReachSpiesAndQueuedReceivers();
    void refusedAndOrderedInput();
};

void TestSliderPopup::windowedAndFullRange()
{
    DoubleSliderPopup popup;
    QCOMPARE(text(popup, "value_label"), QStringLiteral("value"));
    popup.setSliderRange(0, 100000, 500, false);
    QSlider* slider = jog(popup);
    QCOMPARE(
        QList<int>({ slider->minimum(), slider->value(), slider->maximum() }), QList<int>({ -1, 500, 3001 }));
    QCOMPARE(popup.localMaximum(), 5000.0);
    QCOMPARE(QStringList({ text(popup, "absolute_max_label"), text(popup, "max_label"),
                 text(popup, "value_label"), text(popup, "min_label"), text(popup, "absolute_min_label") }),
        QStringList({ "100000", "3000", "500", "0", "0" }));
    popup.setSliderRange(0, 100000, 500, true);
    QCOMPARE(QList<int>({ slider->minimum(), slider->value(), slider->maximum() }),
        QList<int>({ -1, 500, 100001 }));
    QCOMPARE(text(popup, "max_label"), QStringLiteral("100000"));

    // value() is the position in the window, not the value.
    Int64SliderPopup int64;
    int64.setSliderRange(1000, 100000, 5000, false);
    QCOMPARE(int64.value(), 2500);
    QCOMPARE(text(int64, "min_label"), QStringLiteral("2500"));
    // The widest span is cut to what the slider's int positions hold.
    int64.setSliderRange(int64Min, int64Max, 0, true);
    QCOMPARE(jog(int64)->maximum(), std::numeric_limits<int>::max() - 1);
    QCOMPARE(int64.localMaximum(), int64Max);
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

    send(slider, QEvent::MouseButtonPress, handle(slider));
    moveTo(slider, handleRect(*slider, 25).center());
    QCOMPARE(text(popup, "value_label"), QStringLiteral("505"));
    moveTo(slider, handleRect(*slider, 10).center());
    QCOMPARE(QStringList({ text(popup, "max_label"), text(popup, "value_label"), text(popup, "min_label") }),
        QStringList({ "510", "490", "470" }));
    QVERIFY(!accelerationTimer(popup)->isActive());
    release(slider, handle(slider));
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited.takeFirst().first().toLongLong(), 490);

    // Steps of 222, 333, 444, ... while the top end is held; the jump there adds nothing.
    QCOMPARE(holdEnd(popup, true, 4).mid(0, 4), QStringList({ "712", "1045", "1489", "2044" }));
    QVERIFY(accelerationTimer(popup)->isActive());
    release(slider, handle(slider));
    QVERIFY(!accelerationTimer(popup)->isActive());
    QCOMPARE(edited.count(), 1);
    QCOMPARE(QString::number(edited.first().first().toLongLong()), text(popup, "value_label"));
    // A stray release reports nothing more.
    release(slider, handle(slider));
    QCOMPARE(edited.count(), 1);
}

void TestSliderPopup::saturation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("top");
    QTest::addColumn<QString>("expected");
    QTest::newRow("int64 up") << 0 << true << QString::number(int64Max);
    QTest::newRow("int64 down") << 0 << false << QString::number(int64Min);
    QTest::newRow("uint64 up") << 1 << true << QString::number(uint64Max);
    QTest::newRow("uint64 down") << 1 << false << QStringLiteral("0");
    QTest::newRow("uint64 [0, 1000] from 50 down") << 2 << false << QStringLiteral("0");
    QTest::newRow("double up") << 3 << true << QStringLiteral("1e+300");
}

void TestSliderPopup::saturation()
{
    QFETCH(int, kind);
    QFETCH(bool, top);
    QFETCH(QString, expected);
    std::unique_ptr<QWidget> popup;
    if (kind == 0) {
        auto* int64 = new Int64SliderPopup;
        int64->setSliderRange(int64Min, int64Max, top ? int64Max - 300 : int64Min + 300, true);
        popup.reset(int64);
    } else if (kind == 3) {
        auto* real = new DoubleSliderPopup;
        real->setSliderRange(-1e300, 1e300, 1e300 - 1e290, false);
        popup.reset(real);
    } else {
        auto* uint64 = new UInt64SliderPopup;
        uint64->setSliderRange(0, kind == 1 ? uint64Max : 1000,
            kind == 2 ? 50
                : top ? uint64Max - 300
                      : 300,
            false);
        popup.reset(uint64);
    }
    popup->show();
    QVERIFY(QTest::qWaitForWindowExposed(popup.get()));
    holdEnd(*popup, top, 3);
    QCOMPARE(text(*popup, "value_label"), expected);
    QCOMPARE(text(*popup, top ? "max_label" : "min_label"), expected);
}

void TestSliderPopup::otherButtonsChangeNothing()
{
    Int64SliderPopup popup;
    popup.setSliderRange(0, 100, 100, true);
    QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);
    send(jog(popup), QEvent::MouseButtonPress, handle(jog(popup)), Qt::RightButton, Qt::RightButton);
    QVERIFY(!accelerationTimer(popup)->isActive());
    send(jog(popup), QEvent::MouseButtonRelease, handle(jog(popup)), Qt::RightButton, Qt::NoButton);
    QCOMPARE(edited.count(), 0);
    QCOMPARE(text(popup, "value_label"), QStringLiteral("100"));
}

void TestSliderPopup::signalsReachSpiesAndQueuedReceivers()
{
    UInt64SliderPopup popup;
    QSignalSpy spy(&popup, &UInt64SliderPopup::signal_valueEdited);
    QVERIFY(spy.isValid());
    QVERIFY(QSignalSpy(new Int64SliderPopup(&popup), &Int64SliderPopup::signal_valueEdited).isValid());
    quint64 received = 0;
    connect(
        &popup, &UInt64SliderPopup::signal_valueEdited, this, [&](quint64 value) { received = value; },
        Qt::QueuedConnection);
    popup.setSliderRange(0, uint64Max, uint64Max - 1, true);
    send(jog(popup), QEvent::MouseButtonPress, handle(jog(popup)));
    release(jog(popup), handle(jog(popup)));
    QCOMPARE(spy.first().first().value<quint64>(), uint64Max - 1);
    QTRY_COMPARE(received, uint64Max - 1);
}

void TestSliderPopup::refusedAndOrderedInput()
{
    DoubleSliderPopup popup;
    popup.setSliderRange(0, 10, 5, true);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("slider range refused"));
    popup.setSliderRange(0, qQNaN(), 5, true);
    QCOMPARE(text(popup, "absolute_max_label"), QStringLiteral("10"));

    Int64SliderPopup int64;
    int64.setSliderRange(50, -50, 80, true); // ordered, the value clamped
    QCOMPARE(QStringList({ text(int64, "absolute_max_label"), text(int64, "value_label") }),
        QStringList({ "50", "50" }));
    int64.updateRealValue(int64Min, 3);
    QCOMPARE(text(int64, "value_label"), QStringLiteral("-50"));
    int64.updateRealValue(-7, -2);
    QCOMPARE(text(int64, "value_label"), QStringLiteral("-36"));
}

QTEST_MAIN(TestSliderPopup)
#include "tst_slider_popup.moc"
