// A host program linking the installed library.
#include <util/range.h>
#include <util/vtk_diagnostics.h>

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    util::setVtkDiagnosticsForwarded(true);
    util::Range range;
    range.accumulate(1.0);
    return util::vtkDiagnosticsForwarded() && !range.isEmpty() ? 0 : 1;
}
