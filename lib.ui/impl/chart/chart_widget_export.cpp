// Saving the chart as a bitmap or as vector graphics.
#include <util/chart_widget.h>

#include "chart/chart_widget_p.h"
#include "chart/rendering_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <vtkGL2PSExporter.h>
#include <vtkNew.h>

namespace util {

namespace {

bool writeVector(
    vtkRenderWindow* window, const QString& fileName, const QString& suffix, const QString& title)
{
    vtkNew<vtkGL2PSExporter> exporter;
    if (suffix == QLatin1String("svg"))
        exporter->SetFileFormatToSVG();
    else if (suffix == QLatin1String("pdf"))
        exporter->SetFileFormatToPDF();
    else if (suffix == QLatin1String("ps"))
        exporter->SetFileFormatToPS();
    else
        exporter->SetFileFormatToEPS();
    // The exporter appends its own lower-case suffix to the prefix.
    const QFileInfo info(fileName);
    const QString prefix = info.dir().filePath(info.completeBaseName());
    const QString written = prefix + QLatin1Char('.') + suffix;
    QFile::remove(written);
    exporter->SetRenderWindow(window);
    exporter->SetFilePrefix(QDir::toNativeSeparators(prefix).toLocal8Bit().constData());
    exporter->SetTitle(title.toUtf8().constData());
    exporter->CompressOff();
    exporter->DrawBackgroundOn();
    exporter->TextAsPathOff();
    exporter->Write();
    if (QFileInfo(written).size() <= 0)
        return false;
    if (written == fileName)
        return true;
    QFile::remove(fileName);
    return QFile::rename(written, fileName);
}

} // namespace

bool ChartWidget::saveChart(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    RenderingWindow* surface = d->renderingWindow;
    if (fileName.isEmpty() || !surface->isValid())
        return false;
    render();
    if (suffix == QLatin1String("png")) {
        const QImage image = surface->grabFramebuffer();
        return !image.isNull() && image.save(fileName, "PNG");
    }
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("pdf") || suffix == QLatin1String("ps")
        || suffix == QLatin1String("eps"))
        return writeVector(surface->renderWindow, fileName, suffix, title());
    return false;
}

} // namespace util
