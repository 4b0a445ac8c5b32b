#pragma once

namespace util::detail {

/**
 * Sits between VTK's logger (vtkLogger) and the application.
 *
 * VTK 9.1's error and warning macros hand each message to vtkLogger, which
 * copies it to stderr, and then to the output window, which the library's
 * OutputRedirector is. The bridge takes vtkLogger's stderr output over: it
 * leaves out the copies of messages that the library's output window
 * receives (the window alone decides where those go), and writes every other
 * message, such as what the host itself logs through vtkLogger, as vtkLogger
 * would have, at the stderr verbosity in force when the bridge took over.
 * With forwarding on, those other messages at INFO, WARNING and ERROR reach
 * util::ApplicationLogger as well.
 *
 * A host that sets vtkLogger's stderr verbosity after a chart was built gets
 * VTK's own behaviour back until the next chart takes over again. Until the
 * first chart is built, the bridge changes nothing.
 */
void installVtkLoggerBridge();

/// Whether messages that only vtkLogger carries reach util::ApplicationLogger; call from the GUI thread.
void setVtkLoggerForwarded(bool forwarded);

} // namespace util::detail
