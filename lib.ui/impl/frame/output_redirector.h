#pragma once

#include <util/util_ui_export.h>

#include <vtkOutputWindow.h>

/**
 * VTK output window that hands VTK's messages to util::ApplicationLogger.
 *
 * Behind a gate that is closed after creation: while closed, every message is
 * dropped. Text goes out as info, errors as errors, warnings and generic
 * warnings as warnings; the source is the application's display name.
 * Debug text keeps VTK's own handling.
 */
class UTIL_UI_EXPORT OutputRedirector : public vtkOutputWindow
{
public:
    static OutputRedirector* New();
    vtkTypeMacro(OutputRedirector, vtkOutputWindow);
    void PrintSelf(ostream& os, vtkIndent indent) override;

    void setEnabled(bool enabled) { this->enabled = enabled; }
    bool isEnabled() const { return enabled; }

    void DisplayText(const char* text) override;
    void DisplayErrorText(const char* text) override;
    void DisplayWarningText(const char* text) override;
    void DisplayGenericWarningText(const char* text) override;

    /**
     * Creates a redirector, opens its gate as util::vtkDiagnosticsForwarded()
     * says (closed unless a host asked for forwarding), and makes it VTK's
     * output window. VTK keeps the only reference. Also takes VTK's logger
     * over (util::detail::installVtkLoggerBridge): the copy it writes to stderr
     * of each message this window receives is left out.
     */
    static void install();

protected:
    OutputRedirector() = default;
    ~OutputRedirector() override = default;

private:
    OutputRedirector(const OutputRedirector&) = delete;
    void operator=(const OutputRedirector&) = delete;

    bool enabled = false;
};
