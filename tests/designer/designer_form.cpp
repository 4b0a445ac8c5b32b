// A program whose window comes from a Designer form using the library's widgets.
#include "gl_driver.h"
#include "ui_designer_form.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    Ui::DesignerForm form;
    form.setupUi(&window);
    window.show();
    form.signedBox->setValue(-42);
    form.unsignedBox->setValue(42);
    QApplication::processEvents();
    keepGlDriverLoaded();
    const bool ok = form.signedBox->value() == -42 && form.unsignedBox->value() == 42u
        && window.findChild<util::ChartWidget*>(QStringLiteral("chart")) == form.chart
        && form.label->text() == QLatin1String("Register")
        // The containers hold their pages inside.
        && form.section->findChild<QWidget*>(QStringLiteral("body"))->isAncestorOf(form.sectionLabel)
        && form.wizard->content() == form.wizardPage && form.wizardPage->isAncestorOf(form.wizardLabel)
        && form.scrollArea->widget() == form.scrollAreaWidgetContents;
    return ok ? 0 : 1;
}
