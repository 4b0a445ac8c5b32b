// Loads a Qt plugin, as Qt Designer loads the library's: plugin_check <file>.
#include <QCoreApplication>
#include <QPluginLoader>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    if (!loader.instance()) {
        std::fprintf(stderr, "%s\n", qPrintable(loader.errorString()));
        return 1;
    }
    return 0;
}
