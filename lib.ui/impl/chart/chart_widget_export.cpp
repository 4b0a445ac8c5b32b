// Saving the chart as a bitmap or as vector graphics.
#include <util/chart_widget.h>

#include "chart/chart_widget_p.h"
#include "chart/rendering_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>

#include <vtkGL2PSExporter.h>
#include <vtkNew.h>

namespace util {

namespace {

// GL2PS writes PREFIX.<lower-case suffix> itself. It writes into a scratch folder of its own, so a file
// that differs from the target only in case is never touched, and the result reaches the target through
// QSaveFile: a failed export leaves an existing file as it was.
bool writeVector(QSaveFile& target, vtkRenderWindow* window, const QString& suffix, const QString& title)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString prefix = scratch.filePath(QStringLiteral("chart"));
    vtkNew<vtkGL2PSExporter> exporter;
    if (suffix == QLatin1String("svg"))
        exporter->SetFileFormatToSVG();
    else if (suffix == QLatin1String("pdf"))
        exporter->SetFileFormatToPDF();
    else if (suffix == QLatin1String("ps"))
        exporter->SetFileFormatToPS();
    else
        exporter->SetFileFormatToEPS();
    exporter->SetRenderWindow(window);
    exporter->SetFilePrefix(QFile::encodeName(QDir::toNativeSeparators(prefix)).constData());
    exporter->SetTitle(title.toUtf8().constData());
    exporter->CompressOff();
    exporter->DrawBackgroundOn();
    exporter->TextAsPathOff();
    exporter->Write();

    QFile written(prefix + QLatin1Char('.') + suffix);
    if (!written.open(QIODevice::ReadOnly) || written.size() <= 0)
        return false;
    const QByteArray bytes = written.readAll();
    return target.write(bytes) == bytes.size();
}

} // namespace

bool ChartWidget::saveChart(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const bool vector = suffix == QLatin1String("svg") || suffix == QLatin1String("pdf")
        || suffix == QLatin1String("ps") || suffix == QLatin1String("eps");
    RenderingWindow* surface = d->renderingWindow;
    if (fileName.isEmpty() || (!vector && suffix != QLatin1String("png")) || !surface->isValid())
        return false;
    QSaveFile target(fileName);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    render();
    bool written = false;
    if (vector) {
        written = writeVector(target, surface->renderWindow, suffix, title());
    } else {
        const QImage image = surface->grabFramebuffer();
        written = !image.isNull() && image.save(&target, "PNG");
    }
    if (!written) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

} // namespace util
