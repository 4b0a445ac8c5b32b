#include "pages/pages.h"

#include <util/dialog_helper.h>
#include <util/editable_label.h>
#include <util/expand_widget.h>
#include <util/file_helper.h>
#include <util/popup_dialog.h>
#include <util/vertical_scroll_area.h>
#include <util/wizard.h>

#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <functional>

namespace {

// The host side of a three-step wizard: it answers every step change with a fresh page.
class ContainersDemo : public QWidget
{
public:
    ContainersDemo()
    {
        auto* layout = new QVBoxLayout(this);
        m_wizard = new util::Wizard(this);
        m_wizard->addStep(QStringLiteral("Sensor"));
        m_wizard->addStep(QStringLiteral("Parameters"));
        m_wizard->addStep(QStringLiteral("Files"));
        layout->addWidget(m_wizard);
        auto* restart = new QPushButton(QStringLiteral("Open the wizard again"), this);
        restart->hide();
        layout->addWidget(restart);

        connect(m_wizard, &util::Wizard::signal_indexChanged, this, &ContainersDemo::showStep);
        connect(m_wizard, &util::Wizard::signal_visibility, this, [this, restart](bool visible) {
            m_wizard->setVisible(visible);
            restart->setVisible(!visible);
        });
        connect(restart, &QPushButton::clicked, this, [this, restart] {
            restart->hide();
            m_wizard->show();
            m_wizard->selectStep(0);
        });
        util::FileHelper::createCache();
        m_wizard->selectStep(0);
    }

private:
    void showStep(int index)
    {
        const int last = m_wizard->numberOfStep() - 1;
        m_wizard->setContent(index == 0 ? sensorPage() : index == 1 ? parametersPage() : filesPage());
        for (int done = 0; done < index; ++done)
            m_wizard->tagStepAsComplete(done, true);
        m_wizard->enableStep(index, true);
        m_wizard->enableStep(qMin(index + 1, last), true);
        m_wizard->enablePrevious(index > 0);
        m_wizard->enableNext(index < last);
        m_wizard->showClose(index == last);
    }

    QWidget* sensorPage()
    {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(util::DialogHelper::shadowLabel(
            QStringLiteral("Sensor name (double-click or F2 to rename)"), page));
        auto* name = new util::EditableLabel(page);
        name->setText(m_sensorName);
        // The host accepts any non-blank name and puts the accepted one back otherwise.
        connect(name, &util::EditableLabel::signal_editFinished, this, [this, name](const QString& text) {
            if (text.trimmed().isEmpty()) {
                name->getLabel()->setText(name->text());
                return;
            }
            name->setText(text.trimmed());
            m_sensorName = name->text();
        });
        layout->addWidget(name);

        auto* details = new QPushButton(QStringLiteral("Show sensor details"), page);
        auto* status = new QLabel(page);
        connect(details, &QPushButton::clicked, this, [this, details, status] {
            auto* popup = new util::PopupDialog(details, Qt::Tool);
            popup->setAttribute(Qt::WA_DeleteOnClose);
            popup->setFocusPolicy(Qt::StrongFocus);
            popup->setWindowTitle(m_sensorName);
            auto* text = new QLabel(QStringLiteral("%1\nprofile sensor, 2048 points per profile\n\n"
                                                   "Click elsewhere to dismiss.")
                                        .arg(m_sensorName),
                popup);
            (new QVBoxLayout(popup))->addWidget(text);
            connect(popup, &util::PopupDialog::signal_focustLost, popup, &QDialog::close);
            connect(popup, &util::PopupDialog::signal_closing, status,
                [status] { status->setText(QStringLiteral("Details closed.")); });
            popup->move(details->mapToGlobal(QPoint(0, details->height())));
            popup->show();
            popup->activateWindow();
            popup->setFocus();
            status->clear();
        });
        layout->addWidget(details);
        layout->addWidget(status);
        layout->addStretch(1);
        return page;
    }

    static util::ExpandWidget* section(const QString& title, QWidget* parent)
    {
        auto* section = new util::ExpandWidget(parent);
        section->getHeader()->setText(title);
        section->getHeader()->setStyleSheet(
            QStringLiteral("background-color: #006AB7; color: white; font-weight: bold; padding: 4px;"));
        return section;
    }

    // A section with one spin box per parameter, captioned from the parameter's identifier.
    static util::ExpandWidget* parameterSection(
        const QString& title, const QStringList& parameters, QWidget* parent)
    {
        util::ExpandWidget* expand = section(title, parent);
        auto* rows = new QWidget;
        auto* form = new QFormLayout(rows);
        for (const QString& parameter : parameters) {
            auto* value = new QSpinBox;
            value->setRange(0, 100000);
            form->addRow(util::DialogHelper::fromCamelCase(parameter), value);
        }
        expand->addWidget(rows);
        return expand;
    }

    QWidget* parametersPage()
    {
        auto* area = new util::VerticalScrollArea;
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        layout->addWidget(parameterSection(QStringLiteral("Acquisition"),
            { QStringLiteral("exposureTime"), QStringLiteral("frameRate"), QStringLiteral("triggerDelay") },
            content));
        layout->addWidget(parameterSection(QStringLiteral("Region of interest"),
            { QStringLiteral("ROI2Width"), QStringLiteral("ROI2Height"), QStringLiteral("offsetX") },
            content));
        util::ExpandWidget* filters
            = section(QStringLiteral("Filters (click, or Space, to expand)"), content);
        const QIcon icon = style()->standardIcon(QStyle::SP_FileDialogDetailedView);
        for (const QString& filter :
            { QStringLiteral("Median"), QStringLiteral("Smoothing"), QStringLiteral("Outlier removal") })
            filters->addWidget(filter, icon)->setCheckable(true);
        filters->setBodyVisibility(false);
        layout->addWidget(filters);
        layout->addStretch(1);
        area->setWidget(content);
        return area;
    }

    // A row with a picker button and the folder it remembers.
    static void addPicker(QFormLayout* form, const QString& text, const std::function<QString()>& saved,
        const std::function<void()>& pick)
    {
        auto* button = new QPushButton(text);
        auto* folder = new QLabel(saved());
        QObject::connect(button, &QPushButton::clicked, folder, [saved, pick, folder] {
            pick();
            folder->setText(saved());
        });
        form->addRow(button, folder);
    }

    QWidget* filesPage()
    {
        using util::FileHelper;
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(util::DialogHelper::shadowLabel(
            QStringLiteral("Each picker opens where you last left it, also after a restart."), page));
        auto* form = new QFormLayout;
        layout->addLayout(form);
        layout->addStretch(1);
        addPicker(form, QStringLiteral("Open profile..."), FileHelper::savedFilePath, [page] {
            const QString file = QFileDialog::getOpenFileName(page, QStringLiteral("Open profile"),
                FileHelper::savedFilePath(), QStringLiteral("Profiles (*.csv *.dat);;All files (*)"));
            if (!file.isEmpty())
                FileHelper::saveFilePath(file);
        });
        addPicker(form, QStringLiteral("Open profile group..."), FileHelper::savedGroupPath, [page] {
            const QStringList files = QFileDialog::getOpenFileNames(
                page, QStringLiteral("Open profile group"), FileHelper::savedGroupPath());
            if (!files.isEmpty())
                FileHelper::saveGroupPath(files.first());
        });
        addPicker(form, QStringLiteral("Export folder..."), FileHelper::savedDirectoryPath, [page] {
            const QString folder = QFileDialog::getExistingDirectory(
                page, QStringLiteral("Export folder"), FileHelper::savedDirectoryPath());
            if (!folder.isEmpty())
                FileHelper::saveDirectoryPath(folder);
        });
        addPicker(form, QStringLiteral("Open camera configuration..."), FileHelper::savedCcfPath, [page] {
            const QString file = QFileDialog::getOpenFileName(page,
                QStringLiteral("Open camera configuration"), FileHelper::savedCcfPath(),
                QStringLiteral("Camera configuration (*.ccf);;All files (*)"));
            if (!file.isEmpty())
                FileHelper::saveCcfPath(file);
        });
        return page;
    }

    util::Wizard* m_wizard;
    QString m_sensorName = QStringLiteral("Left head");
};

} // namespace

QWidget* createContainersPage(SensorSource&)
{
    return new ContainersDemo;
}
