#pragma once

#include <util/util_ui_export.h>

namespace util {

/**
 * @brief Routes VTK's diagnostics (errors, warnings, text) to the application log.
 *
 * Every chart widget installs its own VTK output window when it is built
 * (and turns off the copy that VTK's logger writes to stderr). By default
 * that window swallows all VTK output: nothing reaches a console or the log. With forwarding on, each VTK error, warning, generic warning
 * and text message is passed to util::ApplicationLogger (sendError,
 * sendWarning, sendInfo) with the application display name as source.
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
