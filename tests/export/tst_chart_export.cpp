// Saving the chart as PNG, SVG and PDF.
#include "../chart/chart_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    void touchesOnlyTheNamedFile();

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

    // A folder where the file should go: reported as a failure, the folder stays.
    for (const QString& name : { QStringLiteral("folder.svg"), QStringLiteral("folder.png") }) {
        QVERIFY(QDir(m_dir.path()).mkdir(name));
        QVERIFY2(!widget->saveChart(m_dir.filePath(name)), qPrintable(name));
        QVERIFY(QFileInfo(m_dir.filePath(name)).isDir());
    }
}

void TestChartExport::touchesOnlyTheNamedFile()
{
    // A file that differs from the target only in case is left alone; the target itself is replaced.
    const QString other = m_dir.filePath(QStringLiteral("plot.svg"));
    const QString target = m_dir.filePath(QStringLiteral("plot.SVG"));
    for (const QString& path : { other, target }) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    }
    QVERIFY(widget->saveChart(target));
    QFile kept(other);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));
    QFile replaced(target);
    QVERIFY(replaced.open(QIODevice::ReadOnly));
    QVERIFY(replaced.readAll().contains("<svg"));
    QCOMPARE(QDir(m_dir.path()).entryList({ QStringLiteral("plot*") }, QDir::Files).size(), 2);
}

QTEST_MAIN(TestChartExport)
#include "tst_chart_export.moc"
