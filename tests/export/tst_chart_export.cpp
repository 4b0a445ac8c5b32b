// Saving the chart as PNG, SVG and PDF.
#include "gl_driver.h"

#include <util/chart_widget.h>
#include <vorn/Vorn3dParametricCurveArray.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

class TestChartExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void png();
    void svgKeepsTitlesAsText();
    void pdf();
    void refusesWhatItCannotWrite();

private:
    QTemporaryDir m_dir;
    Vorn3dParametricCurveArray m_curves;
    std::unique_ptr<util::ChartWidget> m_chart;
};

void TestChartExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    std::vector<Vorn3dParametricCurveArray::Point> points;
    for (int i = 0; i <= 100; ++i)
        points.push_back({ float(i), float(50 + 30 * std::sin(i / 10.0)) });
    m_curves.SetValidPoints(points);

    m_chart = std::make_unique<util::ChartWidget>();
    m_chart->resize(640, 480);
    m_chart->setBottomTitle(QStringLiteral("Distance mm"));
    m_chart->setLeftTitle(QStringLiteral("Height mm"));
    util::ChartPlot plot;
    plot.curves = &m_curves;
    plot.name = QStringLiteral("Profile");
    plot.color = Qt::green;
    m_chart->setData({ plot });
    m_chart->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_chart.get()));
    keepGlDriverLoaded();
}

void TestChartExport::png()
{
    const QString path = m_dir.filePath(QStringLiteral("chart.png"));
    QVERIFY(m_chart->saveChart(path));
    QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), m_chart->size() * m_chart->devicePixelRatioF());
    int lit = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            lit += qGray(image.pixel(x, y)) > 60 ? 1 : 0;
    }
    QVERIFY2(lit > 200, qPrintable(QString::number(lit))); // axes, labels, markers on black
    QVERIFY(lit < image.width() * image.height() / 8);
}

void TestChartExport::svgKeepsTitlesAsText()
{
    const QString path = m_dir.filePath(QStringLiteral("chart.SVG"));
    QVERIFY(m_chart->saveChart(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    QXmlStreamReader xml(svg);
    bool sawSvg = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg"))
            sawSvg = true;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(sawSvg);
    QVERIFY(svg.contains("Distance mm"));
    QVERIFY(svg.contains("Height mm"));
}

void TestChartExport::pdf()
{
    const QString path = m_dir.filePath(QStringLiteral("chart.pdf"));
    QVERIFY(m_chart->saveChart(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QVERIFY(pdf.contains("Distance mm"));
}

void TestChartExport::refusesWhatItCannotWrite()
{
    QVERIFY(!m_chart->saveChart(m_dir.filePath(QStringLiteral("chart.bmpx"))));
    QVERIFY(!m_chart->saveChart(QString()));
    QVERIFY(!m_chart->saveChart(m_dir.filePath(QStringLiteral("missing/folder/chart.png"))));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("chart.bmpx"))));

    util::ChartWidget hidden;
    QVERIFY(!hidden.saveChart(m_dir.filePath(QStringLiteral("hidden.png"))));
}

QTEST_MAIN(TestChartExport)
#include "tst_chart_export.moc"
