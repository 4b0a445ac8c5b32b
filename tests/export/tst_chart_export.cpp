// Saving the chart as PNG, SVG and PDF.
#include "../chart/chart_fixture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

class TestChartExport : public QObject, public ChartFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        open();
        widget->setBottomTitle(QStringLiteral("Distance mm"));
        widget->setLeftTitle(QStringLiteral("Height mm"));
    }
    void cleanupTestCase() { close(); }
    void png();
    void vectorFormatsKeepTitlesAsText_data();
    void vectorFormatsKeepTitlesAsText();
    void refusesWhatItCannotWrite();

private:
    QTemporaryDir m_dir;
};

void TestChartExport::png()
{
    const QString path = m_dir.filePath(QStringLiteral("chart.png"));
    QVERIFY(widget->saveChart(path));
    QImage image(path);
    QCOMPARE(image.size(), widget->size() * widget->devicePixelRatioF());
    int lit = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            lit += qGray(image.pixel(x, y)) > 60 ? 1 : 0;
    }
    QVERIFY2(lit > 200, qPrintable(QString::number(lit))); // axes, labels, markers on black
    QVERIFY(lit < image.width() * image.height() / 8);
}

void TestChartExport::vectorFormatsKeepTitlesAsText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("svg, upper-case suffix") << "chart.SVG";
    QTest::newRow("pdf") << "chart.pdf";
}

void TestChartExport::vectorFormatsKeepTitlesAsText()
{
    QFETCH(QString, name);
    QVERIFY(widget->saveChart(m_dir.filePath(name)));
    QFile file(m_dir.filePath(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("Distance mm") && bytes.contains("Height mm"));
    if (name.endsWith(".pdf")) {
        QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
        return;
    }
    QXmlStreamReader xml(bytes);
    bool sawSvg = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg"))
            sawSvg = true;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(sawSvg);
}

void TestChartExport::refusesWhatItCannotWrite()
{
    QVERIFY(!widget->saveChart(m_dir.filePath(QStringLiteral("chart.bmpx"))));
    QVERIFY(!widget->saveChart(QString()));
    QVERIFY(!widget->saveChart(m_dir.filePath(QStringLiteral("missing/folder/chart.png"))));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("chart.bmpx"))));

    util::ChartWidget hidden;
    QVERIFY(!hidden.saveChart(m_dir.filePath(QStringLiteral("hidden.png"))));
}

QTEST_MAIN(TestChartExport)
#include "tst_chart_export.moc"
