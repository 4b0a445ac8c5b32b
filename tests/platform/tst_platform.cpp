// The stand-ins for the companion libraries behave as the library expects.
#include "log_capture.h"

#include <util/range.h>
#include <vorn/Vorn3dParametricCurveArray.h>
#include <vorn/VornProfileGenerator.h>

#include <QFile>
#include <QtTest>

#include <cmath>
#include <limits>

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rangeAccumulates();
    void rangeOddInput();
    void loggerReachesSinkAndCategory();
    void curvesContract();
    void curvesRefuseMismatchedChannels();
    void generatorIsDeterministic();
    void sliderPopupStyleSheetIsAResource();
};

void TestPlatform::rangeAccumulates()
{
    util::Range range;
    QVERIFY(range.isEmpty());
    const util::Range emptyCopy = range;
    QVERIFY(emptyCopy.isEmpty());

    range.accumulate(5);
    QCOMPARE(range.min(), 5.0);
    QCOMPARE(range.max(), 5.0);
    range.accumulate(2);
    range.accumulate(9);
    QVERIFY(!range.isEmpty());
    QCOMPARE(range.min(), 2.0);
    QCOMPARE(range.max(), 9.0);
    QCOMPARE(range.length(), 7.0);

    util::Range copy;
    copy = range;
    copy.set(-1, 1);
    QCOMPARE(range.length(), 7.0);
    QCOMPARE(copy.length(), 2.0);
}

void TestPlatform::rangeOddInput()
{
    const util::Range empty;
    QVERIFY(std::isnan(empty.min()));
    QVERIFY(std::isnan(empty.max()));
    QCOMPARE(empty.length(), 0.0);

    const util::Range reversed(9, 2);
    QCOMPARE(reversed.min(), 2.0);
    QCOMPARE(reversed.max(), 9.0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    util::Range range(nan, 1);
    QVERIFY(range.isEmpty());
    range.accumulate(nan);
    QVERIFY(range.isEmpty());
    range.accumulate(-std::numeric_limits<double>::infinity());
    range.accumulate(3);
    QCOMPARE(range.max(), 3.0);
    QVERIFY(std::isinf(range.length()));
}

void TestPlatform::loggerReachesSinkAndCategory()
{
    LogCapture capture;
    QTest::ignoreMessage(QtWarningMsg, "[Source] careful");
    util::ApplicationLogger::sendWarning(QStringLiteral("careful"), QStringLiteral("Source"));
    QTest::ignoreMessage(QtCriticalMsg, "[Source] broken");
    util::ApplicationLogger::sendError(QStringLiteral("broken"), QStringLiteral("Source"));
    util::ApplicationLogger::sendInfo(QStringLiteral("fyi"), QString());

    QCOMPARE(capture.entries().size(), 3);
    QCOMPARE(capture.count(util::ApplicationLogger::Severity::Warning), 1);
    QCOMPARE(capture.count(util::ApplicationLogger::Severity::Error), 1);
    QCOMPARE(capture.entries().at(0).message, QStringLiteral("careful"));
    QCOMPARE(capture.entries().at(0).source, QStringLiteral("Source"));
    QCOMPARE(capture.entries().at(2).severity, util::ApplicationLogger::Severity::Info);
}

void TestPlatform::curvesContract()
{
    Vorn3dParametricCurveArray curves;
    QCOMPARE(curves.GetValidPointCount(), std::size_t(0));
    QVERIFY(!curves.GetValidPoints(nullptr));

    curves.SetValidPoints({ { 0.5f, 10.f }, { 1.5f, 11.f }, { 2.5f, -3.f } });
    QVERIFY(curves.SetValidPointData("reflectance", std::vector<std::uint16_t> { 100, 65535, 0 }));
    QVERIFY(curves.SetValidPointData("peak_width", std::vector<std::uint8_t> { 1, 2, 255 }));

    VornVector points;
    QVERIFY(curves.GetValidPoints(&points));
    QCOMPARE(points.GetSize(), curves.GetValidPointCount());
    QCOMPARE(points.GetElementSize(), 2 * sizeof(float));
    const auto* xy = static_cast<const float*>(points.GetData());
    QCOMPARE(xy[2], 1.5f);
    QCOMPARE(xy[5], -3.f);

    VornVector reflectance;
    QVERIFY(curves.HasPointData("reflectance"));
    QVERIFY(curves.GetValidPointData("reflectance", &reflectance));
    QCOMPARE(reflectance.GetSize(), std::size_t(3));
    QCOMPARE(static_cast<const std::uint16_t*>(reflectance.GetData())[1], std::uint16_t(65535));

    VornVector width;
    QVERIFY(curves.GetValidPointData("peak_width", &width));
    QCOMPARE(width.GetElementSize(), std::size_t(1));
    QCOMPARE(static_cast<const std::uint8_t*>(width.GetData())[2], std::uint8_t(255));

    VornVector missing;
    QVERIFY(!curves.HasPointData("intensity"));
    QVERIFY(!curves.GetValidPointData("intensity", &missing));
    QCOMPARE(missing.GetSize(), std::size_t(0));
    QVERIFY(missing.GetData() == nullptr);
}

void TestPlatform::curvesRefuseMismatchedChannels()
{
    Vorn3dParametricCurveArray curves;
    curves.SetValidPoints({ { 0.f, 0.f }, { 1.f, 1.f } });
    QVERIFY(!curves.SetValidPointData("reflectance", std::vector<std::uint16_t> { 1 }));
    QVERIFY(!curves.HasPointData("reflectance"));

    QVERIFY(curves.SetValidPointData("peak_width", std::vector<std::uint8_t> { 1, 2 }));
    curves.SetValidPoints({ { 0.f, 0.f } });
    QVERIFY(!curves.HasPointData("peak_width")); // one value per valid point, always
}

void TestPlatform::generatorIsDeterministic()
{
    Vorn3dParametricCurveArray a, b;
    VornProfileGenerator first(7), second(7);
    first.setPointCount(500);
    second.setPointCount(500);
    first.fill(a, 1.0);
    second.fill(b, 1.0);
    QCOMPARE(a.GetValidPointCount(), std::size_t(500));
    QVERIFY(a.HasPointData("reflectance") && a.HasPointData("peak_width"));

    VornVector pa, pb;
    a.GetValidPoints(&pa);
    b.GetValidPoints(&pb);
    const auto* xa = static_cast<const float*>(pa.GetData());
    const auto* xb = static_cast<const float*>(pb.GetData());
    QCOMPARE(xa[0], 0.f);
    QCOMPARE(xa[2 * 499], 100.f);
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(xa[i], xb[i]);
}

void TestPlatform::sliderPopupStyleSheetIsAResource()
{
    QFile css(QStringLiteral(":/common.resources/styles/css/SliderPopup.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    QVERIFY(css.readAll().contains("QSlider"));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
