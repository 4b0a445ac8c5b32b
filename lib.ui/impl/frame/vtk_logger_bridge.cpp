#include "frame/vtk_logger_bridge.h"

#include "frame/output_redirector.h"

#include <util/application_logger.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <vtkLogger.h>
#include <vtk_loguru.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>

#if __has_include(<execinfo.h>) && __has_include(<dlfcn.h>)
#include <dlfcn.h>
#include <execinfo.h>
#define UTIL_UI_HAVE_BACKTRACE 1
#endif

namespace util::detail {

namespace {

const char* const callbackId = "util-ui";

// The stderr verbosity the bridge sets while it writes vtkLogger's stderr
// output itself: below every message, so vtkLogger writes none, and a value
// no host sets, so a host's own setting afterwards is recognised.
constexpr int takenOver = vtkLogger::VERBOSITY_INVALID;

std::atomic<int> stderrLevel { vtkLogger::VERBOSITY_OFF };
std::atomic<bool> forwarding { false };
bool installed = false;

bool stderrTakenOver()
{
    return loguru::g_stderr_verbosity == takenOver;
}

/**
 * Whether the message being logged comes from VTK's error, warning or debug
 * macros, which log it and then hand it to the output window
 * (vtkOutputWindowDisplayErrorText and its siblings in vtkOutputWindow.h).
 * vtkLogger tells a callback nothing about where a message came from, so the
 * call stack is asked: those functions are a few frames up.
 */
bool raisedThroughOutputWindow()
{
#ifndef UTIL_UI_HAVE_BACKTRACE
    // No stack walk on this platform: every message counts as the host's, so
    // VTK's own errors and warnings reach stderr through vtkLogger as they
    // would without this library, and none is forwarded (see onMessage).
    return false;
#else
    void* frames[16];
    const int depth = backtrace(frames, 16);
    for (int i = 0; i < depth; ++i) {
        Dl_info info;
        if (dladdr(frames[i], &info) && info.dli_sname
            && std::strstr(info.dli_sname, "vtkOutputWindowDisplay"))
            return true;
    }
    return false;
#endif
}

void forward(vtkLogger::Verbosity verbosity, const QString& text)
{
    const QString source = QGuiApplication::applicationDisplayName();
    if (verbosity <= vtkLogger::VERBOSITY_ERROR)
        ApplicationLogger::sendError(text, source);
    else if (verbosity == vtkLogger::VERBOSITY_WARNING)
        ApplicationLogger::sendWarning(text, source);
    else
        ApplicationLogger::sendInfo(text, source);
}

void onMessage(void*, const vtkLogger::Message& message)
{
    const bool toStderr = message.verbosity <= stderrLevel && stderrTakenOver();
#ifdef UTIL_UI_HAVE_BACKTRACE
    // Only where the origin can be told: the output window forwards the macros' messages itself.
    const bool toLog = forwarding && message.verbosity <= vtkLogger::VERBOSITY_INFO;
#else
    const bool toLog = false;
#endif
    if (!toStderr && !toLog)
        return;
    if (OutputRedirector::SafeDownCast(vtkOutputWindow::GetInstance()) && raisedThroughOutputWindow())
        return; // the library's output window receives this message next and decides
    if (toStderr) {
        std::fprintf(
            stderr, "%s%s%s%s\n", message.preamble, message.indentation, message.prefix, message.message);
        std::fflush(stderr);
    }
    if (toLog) {
        // The application log is the GUI thread's; vtkLogger is called from any thread.
        const QString text = QString::fromUtf8(message.message);
        if (QCoreApplication* application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application, [verbosity = message.verbosity, text] { forward(verbosity, text); });
        else
            forward(message.verbosity, text);
    }
}

/// Registers the callback for the levels that go anywhere, or removes it when none does.
void updateCallback()
{
    vtkLogger::RemoveCallback(callbackId);
    const int level = std::max(
        stderrLevel.load(), forwarding ? int(vtkLogger::VERBOSITY_INFO) : int(vtkLogger::VERBOSITY_OFF));
    if (level != vtkLogger::VERBOSITY_OFF)
        vtkLogger::AddCallback(callbackId, &onMessage, nullptr, vtkLogger::ConvertToVerbosity(level));
}

} // namespace

void installVtkLoggerBridge()
{
    if (!vtkLogger::IsEnabled())
        return;
    installed = true;
    if (!stderrTakenOver()) {
        // The first stack walk loads the unwinder; not inside a logging call.
        raisedThroughOutputWindow();
        stderrLevel = loguru::g_stderr_verbosity;
        vtkLogger::SetStderrVerbosity(vtkLogger::Verbosity(takenOver));
    }
    updateCallback();
}

void setVtkLoggerForwarded(bool forwarded)
{
    forwarding = forwarded;
    if (installed)
        updateCallback();
}

} // namespace util::detail
