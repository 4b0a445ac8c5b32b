// Step arithmetic of the 64-bit spin boxes: clamping, saturating and wrapping at the ends of
// qint64 and quint64.
#include "entry/int64_steps.h"

#include <QtTest>

#include <limits>

using util::detail::clampInt64;
using util::detail::stepInt64;

namespace {

const qint64 smin = std::numeric_limits<qint64>::min();
const qint64 smax = std::numeric_limits<qint64>::max();
const quint64 umax = std::numeric_limits<quint64>::max();

template<typename T> void addStepColumns()
{
    QTest::addColumn<T>("minimum");
    QTest::addColumn<T>("maximum");
    QTest::addColumn<T>("value");
    QTest::addColumn<qint64>("step");
    QTest::addColumn<bool>("wrapping");
    QTest::addColumn<T>("result");
}

template<typename T>
void addStepRow(const char* name, T minimum, T maximum, T value, qint64 step, bool wrapping, T result)
{
    QTest::newRow(name) << minimum << maximum << value << step << wrapping << result;
}

template<typename T> void checkStep()
{
    QFETCH(T, minimum);
    QFETCH(T, maximum);
    QFETCH(T, value);
    QFETCH(qint64, step);
    QFETCH(bool, wrapping);
    QFETCH(T, result);
    QCOMPARE(stepInt64(value, minimum, maximum, step, wrapping), result);
}

} // namespace

class TestInt64Steps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clamp_data();
    void clamp();
    void signedSteps_data();
    void signedSteps();
    void unsignedSteps_data();
    void unsignedSteps();
};

void TestInt64Steps::clamp_data()
{
    QTest::addColumn<qint64>("minimum");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("result");
    QTest::newRow("inside") << qint64(-5) << qint64(5) << qint64(3) << qint64(3);
    QTest::newRow("below") << qint64(-5) << qint64(5) << smin << qint64(-5);
    QTest::newRow("above") << qint64(-5) << qint64(5) << smax << qint64(5);
    QTest::newRow("empty range, below the minimum") << qint64(10) << qint64(0) << qint64(5) << qint64(10);
    QTest::newRow("empty range, else the maximum") << qint64(10) << qint64(0) << qint64(20) << qint64(0);
}

void TestInt64Steps::clamp()
{
    QFETCH(qint64, minimum);
    QFETCH(qint64, maximum);
    QFETCH(qint64, value);
    QFETCH(qint64, result);
    QCOMPARE(clampInt64(value, minimum, maximum), result);
}

void TestInt64Steps::signedSteps_data()
{
    addStepColumns<qint64>();
    const auto row = &addStepRow<qint64>;
    row("inside", 0, 10, 5, 3, false, 8);
    row("saturates at the maximum", 0, 10, 8, 3, false, 10);
    row("saturates at the minimum", 0, 10, 2, -3, false, 0);
    row("wraps up", 0, 10, 9, 3, true, 1);
    row("wraps down", 0, 10, 1, -3, true, 9);
    row("from above the range", 0, 10, 50, -1, false, 9);
    row("from below the range", 0, 10, -50, 1, false, 1);
    row("no step from outside the range", 0, 10, 50, 0, false, 10);
    row("wraps past the span", 0, 10, 0, 100, true, 1);
    row("goes round once", 0, 10, 3, 11, true, 3);
    row("range of one value", 7, 7, 7, 5, true, 7);
    row("negative range", -10, -5, -6, 3, true, -9);
    row("maximum wraps to the minimum", smin, smax, smax, 1, true, smin);
    row("minimum wraps to the maximum", smin, smax, smin, -1, true, smax);
    row("largest step saturates", smin, smax, 1, smax, false, smax);
    row("largest step wraps", smin, smax, smax, smax, true, -2);
    row("smallest step from the maximum", smin, smax, smax, smin, false, -1);
    row("smallest step wraps from the minimum", smin, smax, smin, smin, true, 0);
    row("wraps at the bottom of the type", smin, smin + 2, smin + 2, 1, true, smin);
}

void TestInt64Steps::signedSteps()
{
    checkStep<qint64>();
}

void TestInt64Steps::unsignedSteps_data()
{
    addStepColumns<quint64>();
    const auto row = &addStepRow<quint64>;
    row("wraps up", 0, 10, 9, 3, true, 1);
    row("wraps past the span", 5, 7, 5, -10, true, 7);
    row("from above the range", 10, 20, umax, -1, false, 19);
    row("maximum wraps to 0", 0, umax, umax, 1, true, 0);
    row("0 wraps to the maximum", 0, umax, 0, -1, true, umax);
    row("0 saturates", 0, umax, 0, -5, false, 0);
    row("maximum saturates", 0, umax, umax - 1, 5, false, umax);
    row("past the largest qint64", 0, umax, quint64(smax), 1, false, quint64(smax) + 1);
    row("largest step wraps", 0, umax, umax, smax, true, quint64(smax) - 1);
    row("smallest step wraps", 0, umax, 5, smin, true, quint64(smax) + 6);
    row("wraps at the top of the type", umax - 2, umax, umax - 1, 2, true, umax - 2);
}

void TestInt64Steps::unsignedSteps()
{
    checkStep<quint64>();
}

QTEST_APPLESS_MAIN(TestInt64Steps)
#include "tst_int64_steps.moc"
