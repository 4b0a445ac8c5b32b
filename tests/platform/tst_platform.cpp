// The stand-ins for the companion libraries behave as the library expects.
#include "log_capture.h"

#include <util/range.h>
#include <vorn/Vorn3dParametricCurveArray.h>
#include <vorn/VornProfileGenerator.h>

#include <QFile>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

template<class T> QVector<T> values(const VornVector& vector)
{
    const auto* data = static_cast<const T*>(vector.GetData());
    return QVector<T>(data, data + vector.GetSize() * vector.GetElementSize() / sizeof(T));
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void range()
    {
        util::Range range;
        QVERIFY(range.isEmpty());
        QVERIFY(std::isnan(range.min()) && std::isnan(range.max()));
        QCOMPARE(range.length(), 0.0);
        for (double value : { 5.0, 2.0, 9.0 })
            range.accumulate(value);
        QVERIFY(!range.isEmpty());
        QCOMPARE(QList<double>({ range.min(), range.max(), range.length() }), QList<double>({ 2, 9, 7 }));
        const util::Range reversed(9, 2);
        QCOMPARE(QList<double>({ reversed.min(), reversed.max() }), QList<double>({ 2, 9 }));

        const double nan = std::numeric_limits<double>::quiet_NaN();
        util::Range odd(nan, 1);
        QVERIFY(odd.isEmpty());
        odd.accumulate(nan);
        QVERIFY(odd.isEmpty());
        odd.accumulate(-std::numeric_limits<double>::infinity());
        odd.accumulate(3);
        QCOMPARE(odd.max(), 3.0);
        QVERIFY(std::isinf(odd.length()));
    }

    void loggerReachesSinkAndCategory()
    {
        LogCapture capture;
        QTest::ignoreMessage(QtWarningMsg, "[Source] careful");
        util::ApplicationLogger::sendWarning(QStringLiteral("careful"), QStringLiteral("Source"));
        util::ApplicationLogger::sendInfo(QStringLiteral("fyi"), QString());
        QCOMPARE(capture.entries().size(), 2);
        QCOMPARE(capture.count(util::ApplicationLogger::Severity::Warning), 1);
        QCOMPARE(capture.entries().at(0).source, QStringLiteral("Source"));
        QCOMPARE(capture.entries().at(1).severity, util::ApplicationLogger::Severity::Info);
    }

    void curvesContract()
    {
        Vorn3dParametricCurveArray curves;
        QCOMPARE(curves.GetValidPointCount(), std::size_t(0));
        QVERIFY(!curves.GetValidPoints(nullptr));

        curves.SetValidPoints({ { 0.5f, 10.f }, { 1.5f, 11.f }, { 2.5f, -3.f } });
        QVERIFY(curves.SetValidPointData("reflectance", std::vector<std::uint16_t> { 100, 65535, 0 }));
        QVERIFY(curves.SetValidPointData("peak_width", std::vector<std::uint8_t> { 1, 2, 255 }));
        VornVector points, reflectance, width, missing;
        QVERIFY(curves.GetValidPoints(&points));
        QCOMPARE(points.GetElementSize(), 2 * sizeof(float));
        QCOMPARE(values<float>(points), QVector<float>({ 0.5f, 10.f, 1.5f, 11.f, 2.5f, -3.f }));
        QVERIFY(curves.HasPointData("reflectance"));
        QVERIFY(curves.GetValidPointData("reflectance", &reflectance));
        QCOMPARE(values<std::uint16_t>(reflectance), QVector<std::uint16_t>({ 100, 65535, 0 }));
        QVERIFY(curves.GetValidPointData("peak_width", &width));
        QCOMPARE(width.GetElementSize(), std::size_t(1));
        QCOMPARE(values<std::uint8_t>(width), QVector<std::uint8_t>({ 1, 2, 255 }));
        QVERIFY(!curves.HasPointData("intensity"));
        QVERIFY(!curves.GetValidPointData("intensity", &missing));
        QVERIFY(missing.GetSize() == 0 && missing.GetData() == nullptr);

        // One value per valid point, always.
        QVERIFY(!curves.SetValidPointData("intensity", std::vector<std::uint16_t> { 1 }));
        QVERIFY(!curves.HasPointData("intensity"));
        curves.SetValidPoints({ { 0.f, 0.f } });
        QVERIFY(!curves.HasPointData("peak_width"));
    }

    void generatorIsDeterministic()
    {
        Vorn3dParametricCurveArray a, b;
        VornProfileGenerator first(7), second(7);
        first.setPointCount(500);
        second.setPointCount(500);
        first.fill(a, 1.0);
        second.fill(b, 1.0);
        QVERIFY(a.HasPointData("reflectance") && a.HasPointData("peak_width"));
        VornVector pa, pb;
        a.GetValidPoints(&pa);
        b.GetValidPoints(&pb);
        QCOMPARE(pa.GetSize(), std::size_t(500));
        QCOMPARE(values<float>(pa).first(), 0.f);
        QCOMPARE(values<float>(pa).at(2 * 499), 100.f);
        QCOMPARE(values<float>(pa), values<float>(pb));
    }

    void sliderPopupStyleSheetIsAResource()
    {
        QFile css(QStringLiteral(":/common.resources/styles/css/SliderPopup.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        QVERIFY(css.readAll().contains("QSlider"));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
