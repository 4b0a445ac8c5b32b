// The three slider popups: windows, labels, relative moves, acceleration and the release signal.
#include "slider_geometry.h"

#include <util/slider_popup.h>

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <limits>
#include <memory>

using namespace slider_geometry;

class TestSliderPopup : public QObject
{
    Q_OBJECT

    static constexpr qint64 int64Min = std::numeric_limits<qint64>::min();
    static constexpr qint64 int64Max = std::numeric_limits<qint64>::max();
    static constexpr quint64 uint64Max = std::numeric_limits<quint64>::max();

    /// The texts of the popup's labels of these names.
    static QStringList texts(const QWidget& popup, std::initializer_list<const char*> names)
    {
        QStringList list;
        for (const char* name : names)
            list << popup.findChild<QLabel*>(QLatin1String(name))->text();
        return list;
    }

    static QString text(const QWidget& popup, const char* name) { return texts(popup, { name }).first(); }

    static QSlider* jog(const QWidget& popup) { return popup.findChild<QSlider*>("popup_slider"); }
    static QTimer* timer(const QWidget& popup) { return popup.findChild<QTimer*>("acceleration_timer"); }

    /// One notch of a mouse wheel turned up over the slider of @p popup.
    static void wheelUp(const QWidget& popup)
    {
        QSlider* slider = jog(popup);
        const QPoint pos = handle(popup);
        QWheelEvent wheel(pos, slider->mapToGlobal(pos), QPoint(),
            QPoint(0, QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
            false);
        QApplication::sendEvent(slider, &wheel);
    }

    static QPoint handle(const QWidget& popup) { return handleAt(*jog(popup), jog(popup)->value()); }

    static bool pressHandle(const QWidget& popup, Qt::MouseButton button = Qt::LeftButton)
    {
        return send(jog(popup), QEvent::MouseButtonPress, handle(popup), button, button);
    }

    /// Presses the handle, drags it into the top (or bottom) acceleration zone and
    /// returns the value label after each acceleration tick, once @p ticks were seen.
    static QStringList holdEnd(QWidget& popup, bool top, int ticks)
    {
        QSlider* slider = jog(popup);
        QStringList seen;
        const auto connection = QObject::connect(
            timer(popup), &QTimer::timeout, &popup, [&] { seen << text(popup, "value_label"); });
        pressHandle(popup);
        const QRect groove = grooveRect(*slider);
        moveTo(slider, QPoint(groove.center().x(), top ? groove.top() - 100 : groove.bottom() + 100));
        // Too few ticks show as a short list in the caller's comparison.
        static_cast<void>(QTest::qWaitFor([&] { return seen.size() >= ticks; }));
        QObject::disconnect(connection);
        return seen;
    }

    /// Shows @p popup tall, with bounds 0..100000, value 500 and a slider window of 40 units (480..520), a
    /// few pixels per position.
    template<class Popup> static bool showWindowAround500(Popup& popup)
    {
        popup.resize(125, 600);
        popup.show();
        popup.setSliderLength(40);
        popup.setSliderRange(0, 100000, 500, false);
        return QTest::qWaitForWindowExposed(&popup);
    }

    template<class Popup, class T> static QWidget* popup(T minimum, T maximum, T value, bool fullRange)
    {
        auto* p = new Popup;
        p->setSliderRange(minimum, maximum, value, fullRange);
        return p;
    }

private Q_SLOTS:
    void plainWidgetsWithOneSignal()
    {
        const DoubleSliderPopup real;
        const Int64SliderPopup int64;
        const UInt64SliderPopup uint64;
        const QList<QPair<const QWidget*, QByteArray>> popups { { &real, "signal_valueEdited(double)" },
            { &int64, "signal_valueEdited(qlonglong)" }, { &uint64, "signal_valueEdited(qulonglong)" } };
        for (const auto& [popup, signal] : popups) {
            const QMetaObject* meta = popup->metaObject();
            QCOMPARE(meta->superClass(), &QWidget::staticMetaObject);
            QCOMPARE(meta->methodCount() - meta->methodOffset(), 1);
            QCOMPARE(meta->method(meta->methodOffset()).methodSignature(), signal);
            QCOMPARE(meta->propertyCount(), meta->propertyOffset());
        }
    }

    void windowedAndFullRange()
    {
        DoubleSliderPopup popup;
        QSlider* slider = jog(popup);
        const auto span = [slider] {
            return QList<int>({ slider->minimum(), slider->value(), slider->maximum() });
        };
        popup.setSliderRange(0, 100000, 500, false);
        QCOMPARE(span(), QList<int>({ -1, 500, 3001 }));
        QCOMPARE(popup.localMaximum(), 5000.0);
        QCOMPARE(texts(popup,
                     { "absolute_max_label", "max_label", "value_label", "min_label", "absolute_min_label" }),
            QStringList({ "100000", "3000", "500", "0", "0" }));
        popup.setSliderRange(0, 100000, 500, true);
        QCOMPARE(span(), QList<int>({ -1, 500, 100001 }));
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

    void relativeMovesAccelerationAndRelease()
    {
        Int64SliderPopup popup;
        QVERIFY(showWindowAround500(popup));
        QSlider* slider = jog(popup);
        QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);

        pressHandle(popup);
        moveTo(slider, handleAt(*slider, 25));
        QCOMPARE(text(popup, "value_label"), QStringLiteral("505"));
        moveTo(slider, handleAt(*slider, 10));
        QCOMPARE(
            texts(popup, { "max_label", "value_label", "min_label" }), QStringList({ "510", "490", "470" }));
        QVERIFY(!timer(popup)->isActive());
        release(slider, handle(popup));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.takeFirst().first().toLongLong(), 490);

        // Steps of 222, 333, 444, ... while the top end is held; the jump there adds nothing.
        QCOMPARE(holdEnd(popup, true, 4).mid(0, 4), QStringList({ "712", "1045", "1489", "2044" }));
        QVERIFY(timer(popup)->isActive());
        release(slider, handle(popup));
        QVERIFY(!timer(popup)->isActive());
        QCOMPARE(edited.count(), 1);
        QCOMPARE(QString::number(edited.first().first().toLongLong()), text(popup, "value_label"));
        // A stray release reports nothing more.
        release(slider, handle(popup));
        QCOMPARE(edited.count(), 1);
    }

    void doubleClickStartsAGesture()
    {
        Int64SliderPopup popup;
        QVERIFY(showWindowAround500(popup));
        QSlider* slider = jog(popup);
        QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);

        // A double-click arrives as press, release, double-click and release; the slider drags after the
        // double-click.
        QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, handle(popup));
        QTest::mouseDClick(slider, Qt::LeftButton, Qt::NoModifier, handle(popup));
        moveTo(slider, handleAt(*slider, 25));
        QCOMPARE(text(popup, "value_label"), QStringLiteral("505"));
        QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, handle(popup));
        QCOMPARE(edited.count(), 2);
        QCOMPARE(edited.at(0).first().toLongLong(), 500);
        QCOMPARE(edited.at(1).first().toLongLong(), 505);
    }

    void keysAreReportedAtTheirRelease()
    {
        Int64SliderPopup popup;
        QVERIFY(showWindowAround500(popup));
        QSlider* slider = jog(popup);
        QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);

        QTest::keyPress(slider, Qt::Key_Up);
        QCOMPARE(text(popup, "value_label"), QStringLiteral("501"));
        // A key held down repeats as pairs of release and press marked as auto-repeats.
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(slider, &repeatRelease);
            QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(slider, &repeatPress);
        }
        QCOMPARE(text(popup, "value_label"), QStringLiteral("504"));
        QCOMPARE(edited.count(), 0);
        QTest::keyRelease(slider, Qt::Key_Up);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.takeFirst().first().toLongLong(), 504);

        QTest::keyClick(slider, Qt::Key_PageDown);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.takeFirst().first().toLongLong(), 494);
        // A key that moves nothing reports nothing.
        QTest::keyClick(slider, Qt::Key_A);
        QCOMPARE(edited.count(), 0);
    }

    void theSliderIsTheOneTabStop()
    {
        Int64SliderPopup popup;
        QVERIFY(showWindowAround500(popup));
        popup.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&popup));
        QSlider* slider = jog(popup);
        slider->setFocus();
        // Nothing else in the popup takes the keys: Tab comes straight back to the slider.
        QTest::keyClick(slider, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), slider);
        QTest::keyClick(slider, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), slider);
    }

    void wheelIsReportedWhenItRests()
    {
        UInt64SliderPopup popup;
        QVERIFY(showWindowAround500(popup));
        QSignalSpy edited(&popup, &UInt64SliderPopup::signal_valueEdited);

        wheelUp(popup);
        wheelUp(popup);
        QCOMPARE(text(popup, "value_label"), QStringLiteral("506"));
        QCOMPARE(edited.count(), 0);
        QVERIFY(edited.wait());
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first().first().value<quint64>(), quint64(506));
        // Reported once: hiding the popup has nothing left to report.
        popup.hide();
        QCOMPARE(edited.count(), 1);
    }

    void unreportedMovesGoOutOnFocusLossAndHiding()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* popup = new DoubleSliderPopup;
        auto* other = new QLineEdit;
        layout->addWidget(popup);
        layout->addWidget(other);
        window.resize(125, 700);
        window.show();
        popup->setSliderLength(40);
        popup->setSliderRange(0, 100000, 500, false);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSlider* slider = jog(*popup);
        slider->setFocus(Qt::TabFocusReason);
        QSignalSpy edited(popup, &DoubleSliderPopup::signal_valueEdited);

        // A key whose release goes elsewhere: the focus leaves first.
        QTest::keyPress(slider, Qt::Key_Up);
        QCOMPARE(edited.count(), 0);
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.takeFirst().first().toDouble(), 501.0);

        // The wheel, with the popup closed before it rests.
        wheelUp(*popup);
        QCOMPARE(edited.count(), 0);
        window.hide();
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.takeFirst().first().toDouble(), 504.0);

        // A move superseded by the host's own value is not reported.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        wheelUp(*popup);
        popup->setSliderRange(0, 100000, 100, false);
        window.hide();
        QCOMPARE(edited.count(), 0);
    }

    void middleButtonJumpIsReportedAtItsRelease()
    {
        Int64SliderPopup popup;
        QVERIFY(showWindowAround500(popup));
        QSlider* slider = jog(popup);
        QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);

        // The style sets the slider to the point of a middle-button press.
        QTest::mousePress(slider, Qt::MiddleButton, Qt::NoModifier, handleAt(*slider, 30));
        QCOMPARE(text(popup, "value_label"), QStringLiteral("510"));
        QCOMPARE(edited.count(), 0);
        QTest::mouseRelease(slider, Qt::MiddleButton, Qt::NoModifier, handleAt(*slider, 30));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first().first().toLongLong(), 510);
    }

    void doubleLabelsTellNeighboursApart_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after"); // the value and the window's top, half the slider length up
        QTest::newRow("small") << 12.3456789 << QStringList({ "12.3457", "2512.35" })
                               << QStringList({ "13.3457", "2513.35" });
        QTest::newRow("hundred thousands")
            << 123456.4 << QStringList({ "123456.4", "125956.4" }) << QStringList({ "123457.4", "125957.4" });
        QTest::newRow("millions") << 1234567.0 << QStringList({ "1234567", "1237067" })
                                  << QStringList({ "1234568", "1237068" });
        QTest::newRow("negative halves") << -1234567.5 << QStringList({ "-1234567.5", "-1232067.5" })
                                         << QStringList({ "-1234566.5", "-1232066.5" });
        QTest::newRow("1e15") << 1e15 << QStringList({ "1000000000000000", "1000000000002500" })
                              << QStringList({ "1000000000000001", "1000000000002501" });
        // From 2^53 on doubles lie two units apart: one unit up rounds to the next double.
        QTest::newRow("2^53 + 2") << 9007199254740994.0
                                  << QStringList({ "9007199254740994", "9007199254743494" })
                                  << QStringList({ "9007199254740996", "9007199254743496" });
    }

    void doubleLabelsTellNeighboursApart()
    {
        QFETCH(double, value);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        DoubleSliderPopup popup;
        popup.setSliderRange(-1e17, 1e17, value, false);
        QSignalSpy edited(&popup, &DoubleSliderPopup::signal_valueEdited);
        QCOMPARE(texts(popup, { "value_label", "max_label" }), before);
        QTest::keyClick(jog(popup), Qt::Key_Up);
        QCOMPARE(texts(popup, { "value_label", "max_label" }), after);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first().first().toDouble(), value + 1);
    }

    void saturationAtBothEnds()
    {
        const auto holdEndOf = [](QWidget* created, bool top, const QString& expected) {
            const std::unique_ptr<QWidget> popup(created);
            popup->show();
            QVERIFY(QTest::qWaitForWindowExposed(popup.get()));
            holdEnd(*popup, top, 3);
            QCOMPARE(texts(*popup, { "value_label", top ? "max_label" : "min_label" }),
                QStringList({ expected, expected }));
        };
        holdEndOf(popup<Int64SliderPopup>(int64Min, int64Max, int64Max - 300, true), true,
            QString::number(int64Max));
        holdEndOf(popup<Int64SliderPopup>(int64Min, int64Max, int64Min + 300, true), false,
            QString::number(int64Min));
        holdEndOf(popup<UInt64SliderPopup, quint64>(0, uint64Max, uint64Max - 300, false), true,
            QString::number(uint64Max));
        holdEndOf(popup<UInt64SliderPopup, quint64>(0, uint64Max, 300, false), false, "0");
        holdEndOf(popup<UInt64SliderPopup, quint64>(0, 1000, 50, false), false, "0");
        // Spans of 1e300 with a bound in reach: a unit step is lost in a double near 1e300.
        holdEndOf(popup<DoubleSliderPopup>(-1e300, 1e6, 1e6 - 300, false), true, "1000000");
        holdEndOf(popup<DoubleSliderPopup>(-1e6, 1e300, -1e6 + 300, false), false, "-1000000");
    }

    void otherButtonsChangeNothing()
    {
        Int64SliderPopup popup;
        popup.setSliderRange(0, 100, 100, true);
        QSignalSpy edited(&popup, &Int64SliderPopup::signal_valueEdited);
        pressHandle(popup, Qt::RightButton);
        QVERIFY(!timer(popup)->isActive());
        send(jog(popup), QEvent::MouseButtonRelease, handle(popup), Qt::RightButton, Qt::NoButton);
        QCOMPARE(edited.count(), 0);
        QCOMPARE(text(popup, "value_label"), QStringLiteral("100"));
    }

    void signalsReachSpiesAndQueuedReceivers()
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
        pressHandle(popup);
        release(jog(popup), handle(popup));
        QCOMPARE(spy.first().first().value<quint64>(), uint64Max - 1);
        QTRY_COMPARE(received, uint64Max - 1);
    }

    void updateRealValueAtTheLimits_data()
    {
        QTest::addColumn<qint64>("delta");
        QTest::addColumn<qint64>("factor");
        QTest::addColumn<qint64>("expected");
        const qint64 twoTo32 = qint64(1) << 32;
        QTest::newRow("2^63 down") << int64Min << qint64(1) << int64Min;
        QTest::newRow("2^63 up, cut at the maximum") << int64Min << qint64(-1) << int64Max;
        QTest::newRow("2^63 as a product") << -twoTo32 << (twoTo32 / 2) << int64Min;
        QTest::newRow("2^64 overflows") << twoTo32 << twoTo32 << int64Max;
        QTest::newRow("largest square")
            << qint64(3037000499) << qint64(3037000499) << qint64(9223372030926249001);
        QTest::newRow("zero delta") << qint64(0) << int64Min << qint64(0);
        QTest::newRow("zero factor") << int64Min << qint64(0) << qint64(0);
    }

    void updateRealValueAtTheLimits()
    {
        QFETCH(qint64, delta);
        QFETCH(qint64, factor);
        QFETCH(qint64, expected);
        Int64SliderPopup popup;
        popup.setSliderRange(int64Min, int64Max, 0, false);
        popup.updateRealValue(delta, factor);
        QCOMPARE(text(popup, "value_label"), QString::number(expected));
    }

    void refusedAndOrderedInput()
    {
        DoubleSliderPopup popup;
        popup.setSliderRange(0, 10, 5, true);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("slider range refused"));
        popup.setSliderRange(0, qQNaN(), 5, true);
        QCOMPARE(text(popup, "absolute_max_label"), QStringLiteral("10"));

        Int64SliderPopup int64;
        int64.setSliderRange(50, -50, 80, true); // ordered, the value clamped
        QCOMPARE(texts(int64, { "absolute_max_label", "value_label" }), QStringList({ "50", "50" }));
        int64.updateRealValue(int64Min, 3);
        QCOMPARE(text(int64, "value_label"), QStringLiteral("-50"));
        int64.updateRealValue(-7, -2);
        QCOMPARE(text(int64, "value_label"), QStringLiteral("-36"));
    }
};

QTEST_MAIN(TestSliderPopup)
#include "tst_slider_popup.moc"
