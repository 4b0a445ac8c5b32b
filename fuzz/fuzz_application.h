// The QApplication of the fuzz targets that make widgets, on the offscreen platform unless told otherwise.
#pragma once

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

/// Ignores Qt's messages (a target may log on every input) except a fatal one, which aborts with it.
inline void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

/// Makes the application once, from LLVMFuzzerInitialize(): Qt gets the program name only, as libFuzzer's
/// flags are none of its business.
inline void startApplication(char** argv)
{
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char* qtArgv[] = { argv[0], nullptr };
    static QApplication app(qtArgc, qtArgv);
}

} // namespace fuzz
