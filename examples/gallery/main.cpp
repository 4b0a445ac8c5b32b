#include "gallery_window.h"
#include "sensor_source.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

// Shows every page for a moment, saves it as PNG and quits.
void takeScreenshots(GalleryWindow& window, SensorSource& source, const QString& folder)
{
    QDir().mkpath(folder);
    auto* timer = new QTimer(&window);
    timer->setInterval(400);
    QObject::connect(timer, &QTimer::timeout, &window, [&window, &source, folder, index = 0]() mutable {
        if (index > 0) {
            const QString name
                = window.pageTitle(index - 1).toLower().replace(QLatin1Char(' '), QLatin1Char('_'));
            const QString path
                = QDir(folder).absoluteFilePath(QStringLiteral("gallery_%1_%2.png").arg(index).arg(name));
            window.grab().save(path);
            std::printf("saved %s\n", qPrintable(path));
        }
        if (index == window.pageCount()) {
            QCoreApplication::quit();
            return;
        }
        window.showPage(index++);
        source.step();
    });
    timer->start();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gallery"));
    QApplication::setApplicationDisplayName(QStringLiteral("Widget gallery"));

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption screenshots(QStringLiteral("screenshots"),
        QStringLiteral("Save a PNG of every page into <folder> and quit."), QStringLiteral("folder"));
    parser.addOption(screenshots);
    parser.process(app);

    SensorSource source;
    GalleryWindow window(source);
    window.show();
    if (parser.isSet(screenshots)) {
        takeScreenshots(window, source, parser.value(screenshots));
    } else {
        source.setRunning(true);
    }
    return QApplication::exec();
}
