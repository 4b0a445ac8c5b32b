#include "frame/output_redirector.h"

#include "frame/vtk_logger_bridge.h"

#include <util/application_logger.h>
#include <util/vtk_diagnostics.h>

#include <QGuiApplication>
#include <QString>

#include <vtkNew.h>
#include <vtkObjectFactory.h>

vtkStandardNewMacro(OutputRedirector);

namespace {

bool forwardingRequested = false;

QString messageFrom(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

void OutputRedirector::PrintSelf(ostream& os, vtkIndent indent)
{
    Superclass::PrintSelf(os, indent);
}

void OutputRedirector::DisplayText(const char* text)
{
    if (enabled)
        util::ApplicationLogger::sendInfo(messageFrom(text), QGuiApplication::applicationDisplayName());
}

void OutputRedirector::DisplayErrorText(const char* text)
{
    if (enabled)
        util::ApplicationLogger::sendError(messageFrom(text), QGuiApplication::applicationDisplayName());
}

void OutputRedirector::DisplayWarningText(const char* text)
{
    if (enabled)
        util::ApplicationLogger::sendWarning(messageFrom(text), QGuiApplication::applicationDisplayName());
}

void OutputRedirector::DisplayGenericWarningText(const char* text)
{
    DisplayWarningText(text);
}

void OutputRedirector::install()
{
    vtkNew<OutputRedirector> redirector;
    redirector->setEnabled(forwardingRequested);
    vtkOutputWindow::SetInstance(redirector);
    // VTK's logger echoes every error and warning to stderr before the output
    // window sees it; the output window alone decides where those go.
    util::detail::installVtkLoggerBridge();
}

namespace util {

void setVtkDiagnosticsForwarded(bool forwarded)
{
    forwardingRequested = forwarded;
    detail::setVtkLoggerForwarded(forwarded);
    if (auto* current = OutputRedirector::SafeDownCast(vtkOutputWindow::GetInstance()))
        current->setEnabled(forwarded);
}

bool vtkDiagnosticsForwarded()
{
    return forwardingRequested;
}

} // namespace util
