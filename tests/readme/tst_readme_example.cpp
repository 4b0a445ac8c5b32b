// Runs the host chart example of README.md.
#include "gl_driver.h"

#include <util/chart_widget.h>
#include <vorn/Vorn3dParametricCurveArray.h>
#include <vorn/VornProfileGenerator.h>

#include <QtTest>

util::ChartWidget* makeProfileChart(Vorn3dParametricCurveArray* profile, QWidget* parent);

class TestReadmeExample : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheLiveProfile();
};

void TestReadmeExample::showsTheLiveProfile()
{
    Vorn3dParametricCurveArray profile;
    VornProfileGenerator generator;
    generator.setPointCount(500);
    generator.fill(profile, 0.0);

    QWidget window;
    util::ChartWidget* chart = makeProfileChart(&profile, &window);
    QVERIFY(chart);
    QCOMPARE(chart->parentWidget(), &window);
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    keepGlDriverLoaded();
    QTRY_COMPARE(chart->cachedPlot().size(), std::size_t(1));
    QCOMPARE(chart->cachedPlot().front().curves, &profile);
    QCOMPARE(chart->title(), QStringLiteral("Live profile"));
}

QTEST_MAIN(TestReadmeExample)
#include "tst_readme_example.moc"
