#pragma once

#include <util/util_ui_export.h>

namespace util {

/**
 * @brief Routes VTK's diagnostics (errors, warnings, text) to the application log.
 *
 * Every chart widget installs its own VTK output window when it is built. By
 * default that window swallows all VTK output of VTK's error, warning and text
 * calls: nothing of it reaches a console or the log, and the copy that VTK's
 * logger (vtkLogger) would write to stderr is left out too. With forwarding
 * on, each VTK error, warning, generic warning and text message is passed to
 * util::ApplicationLogger (sendError, sendWarning, sendInfo) with the
 * application display name as source.
 *
 * Messages that travel through vtkLogger alone, such as the host's own
 * vtkLog() calls, still reach stderr at vtkLogger's stderr verbosity; with
 * forwarding on, those at ERROR, WARNING and INFO reach util::ApplicationLogger
 * as well.
 *
 * The setting is process-wide: it applies at once to the output window VTK
 * currently uses (if it is the library's) and to every one a chart widget
 * installs later. Call from the GUI thread.
 */
UTIL_UI_EXPORT void setVtkDiagnosticsForwarded(bool forwarded);

/// Whether VTK diagnostics reach the application log; false by default.
/// @see setVtkDiagnosticsForwarded
UTIL_UI_EXPORT bool vtkDiagnosticsForwarded();

} // namespace util
