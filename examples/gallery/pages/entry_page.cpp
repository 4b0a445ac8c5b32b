#include "pages/pages.h"

#include <util/ctrl_combo_box.h>
#include <util/ctrl_int64_spin_box.h>
#include <util/ctrl_spinbox.h>
#include <util/ctrl_text_box.h>
#include <util/long_long_validator.h>
#include <util/spin_box_action.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A register editor over the 64-bit spin boxes, the two validators, the standard entry controls
// and a menu of spin-box actions; a status line reports what the controls signal.
class EntryPage : public QWidget
{
public:
    static QString text(const char* source) { return QCoreApplication::translate("EntryPage", source); }

    EntryPage()
    {
        setObjectName(QStringLiteral("EntryPage"));
        status = new QLabel(this);
        status->setObjectName(QStringLiteral("status"));
        auto* pageLayout = new QVBoxLayout(this);
        pageLayout->setObjectName(QStringLiteral("pageLayout"));
        pageLayout->addWidget(registerEditor());
        pageLayout->addWidget(validators());
        pageLayout->addWidget(standardControls());
        pageLayout->addWidget(status);
        pageLayout->addStretch(1);
    }

private:
    QGroupBox* registerEditor()
    {
        auto* group = new QGroupBox(text("Register editor"), this);
        group->setObjectName(QStringLiteral("registerEditor"));
        auto* form = new QFormLayout(group);
        form->setObjectName(QStringLiteral("registerForm"));
        base = new QComboBox(group);
        base->setObjectName(QStringLiteral("base"));
        for (int b : { 2, 8, 10, 16 })
            base->addItem(text("Base %1").arg(b), b);
        form->addRow(text("Display base:"), base);
        auto* prefix = new QLineEdit(QStringLiteral("R7 = "), group);
        prefix->setObjectName(QStringLiteral("prefix"));
        form->addRow(text("Prefix:"), prefix);
        auto* suffix = new QLineEdit(group);
        suffix->setObjectName(QStringLiteral("suffix"));
        form->addRow(text("Suffix:"), suffix);
        auto* separators = new QCheckBox(text("Group digits (base 10)"), group);
        separators->setObjectName(QStringLiteral("separators"));
        form->addRow(separators);
        auto* wrapping = new QCheckBox(text("Wrap at the ends"), group);
        wrapping->setObjectName(QStringLiteral("wrapping"));
        form->addRow(wrapping);
        signedRegister = new util::CtrlInt64SpinBox(group);
        signedRegister->setObjectName(QStringLiteral("signedRegister"));
        signedRegister->setPrefix(prefix->text());
        signedRegister->setValue(-255);
        form->addRow(text("Signed 64-bit:"), signedRegister);
        unsignedRegister = new util::CtrlUInt64SpinBox(group);
        unsignedRegister->setObjectName(QStringLiteral("unsignedRegister"));
        unsignedRegister->setPrefix(prefix->text());
        unsignedRegister->setValue(0xdeadbeefcafeULL);
        form->addRow(text("Unsigned 64-bit:"), unsignedRegister);
        auto forBoth = [this](auto apply) {
            apply(signedRegister);
            apply(unsignedRegister);
        };
        connect(base, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, forBoth](int index) {
            forBoth([&](auto* box) { box->setDisplayIntegerBase(base->itemData(index).toInt()); });
        });
        connect(prefix, &QLineEdit::textChanged, this,
            [forBoth](const QString& text) { forBoth([&](auto* box) { box->setPrefix(text); }); });
        connect(suffix, &QLineEdit::textChanged, this,
            [forBoth](const QString& text) { forBoth([&](auto* box) { box->setSuffix(text); }); });
        connect(separators, &QCheckBox::toggled, this, [forBoth](bool shown) {
            forBoth([&](auto* box) {
                box->setGroupSeparatorShown(shown);
                box->setValue(box->value()); // rewrite the text now, not with the next value
            });
        });
        connect(wrapping, &QCheckBox::toggled, this,
            [forBoth](bool wrap) { forBoth([&](auto* box) { box->setWrapping(wrap); }); });
        connect(signedRegister, qOverload<qint64>(&util::CtrlInt64SpinBox::valueChanged), this,
            [this](qint64 value) { report(text("Signed register = %1").arg(value)); });
        connect(unsignedRegister, qOverload<quint64>(&util::CtrlUInt64SpinBox::valueChanged), this,
            [this](quint64 value) { report(text("Unsigned register = %1").arg(value)); });
        base->setCurrentIndex(3);
        return group;
    }

    QGroupBox* validators()
    {
        auto* group = new QGroupBox(text("Validated line edits (decimal)"), this);
        group->setObjectName(QStringLiteral("validators"));
        auto* form = new QFormLayout(group);
        form->setObjectName(QStringLiteral("validatorForm"));
        auto* signedEdit = new QLineEdit(group);
        signedEdit->setObjectName(QStringLiteral("signedEdit"));
        signedEdit->setValidator(new util::LongLongValidator(-1000000, -1000, signedEdit));
        signedEdit->setPlaceholderText(text("-1000000 to -1000"));
        form->addRow(text("Signed:"), signedEdit);
        auto* unsignedEdit = new QLineEdit(group);
        unsignedEdit->setObjectName(QStringLiteral("unsignedEdit"));
        unsignedEdit->setValidator(new util::ULongLongValidator(unsignedEdit));
        unsignedEdit->setPlaceholderText(text("0 to 18446744073709551615"));
        form->addRow(text("Unsigned:"), unsignedEdit);
        return group;
    }

    QGroupBox* standardControls()
    {
        auto* group = new QGroupBox(text("Standard controls"), this);
        group->setObjectName(QStringLiteral("standardControls"));
        auto* form = new QFormLayout(group);
        form->setObjectName(QStringLiteral("controlsForm"));
        cameras = new util::CtrlComboBox(group);
        cameras->setObjectName(QStringLiteral("cameras"));
        cameras->addItems({ text("Camera 1"), text("Camera 2") });
        cameras->setCurrentIndex(-1);
        auto* clearSelection = new QPushButton(text("Clear selection"), group);
        clearSelection->setObjectName(QStringLiteral("clearSelection"));
        auto* cameraRow = new QHBoxLayout;
        cameraRow->setObjectName(QStringLiteral("cameraRow"));
        cameraRow->addWidget(cameras, 1);
        cameraRow->addWidget(clearSelection);
        form->addRow(text("Camera:"), cameraRow);
        connect(clearSelection, &QPushButton::clicked, cameras, [this] { cameras->setCurrentIndex(-1); });
        connect(cameras, &util::CtrlComboBox::signal_hasFocus, this,
            [this] { report(text("The combo box has the focus.")); });
        auto* threshold = new util::CtrlSpinbox(group);
        threshold->setObjectName(QStringLiteral("threshold"));
        threshold->setDisplayIntegerBase(16);
        threshold->setRange(0, 255);
        threshold->setToolTip(text("Type past 255 and press Enter: the value is clamped."));
        form->addRow(text("Threshold (hex):"), threshold);
        auto* gain = new util::CtrlDoubleSpinbox(group);
        gain->setObjectName(QStringLiteral("gain"));
        gain->setRange(0.0, 10.0);
        form->addRow(text("Gain:"), gain);
        connect(gain, &util::CtrlDoubleSpinbox::signal_hasFocus, this,
            [this] { report(text("The gain box has the focus.")); });
        auto* note = new util::CtrlTextBox(group);
        note->setObjectName(QStringLiteral("note"));
        form->addRow(text("Note:"), note);
        connect(note, &util::CtrlTextBox::signal_hasFocus, this,
            [this] { report(text("The text box has the focus.")); });

        auto* stepMenu = new QMenu(group);
        stepMenu->setObjectName(QStringLiteral("stepMenu"));
        auto* exposure = new util::SpinBoxAction(stepMenu);
        exposure->setObjectName(QStringLiteral("exposureAction"));
        exposure->spinBox()->setRange(1, 10000);
        exposure->spinBox()->setSuffix(text(" us"));
        stepMenu->addSection(text("Exposure"));
        stepMenu->addAction(exposure);
        auto* offset = new util::DoubleSpinBoxAction(stepMenu);
        offset->setObjectName(QStringLiteral("offsetAction"));
        offset->spinBox()->setRange(-5.0, 5.0);
        offset->spinBox()->setSingleStep(0.25);
        stepMenu->addSection(text("Offset"));
        stepMenu->addAction(offset);
        connect(exposure->spinBox(), &QAbstractSpinBox::editingFinished, this,
            [this, exposure] { report(text("Exposure set to %1 us").arg(exposure->spinBox()->value())); });
        connect(offset->spinBox(), &QAbstractSpinBox::editingFinished, this,
            [this, offset] { report(text("Offset set to %1").arg(offset->spinBox()->value())); });
        auto* menuButton = new QToolButton(group);
        menuButton->setObjectName(QStringLiteral("menuButton"));
        menuButton->setText(text("Acquisition"));
        menuButton->setPopupMode(QToolButton::InstantPopup);
        menuButton->setMenu(stepMenu);
        form->addRow(text("Menu:"), menuButton);
        return group;
    }

    void report(const QString& text) { status->setText(text); }

    QComboBox* base = nullptr;
    util::CtrlInt64SpinBox* signedRegister = nullptr;
    util::CtrlUInt64SpinBox* unsignedRegister = nullptr;
    util::CtrlComboBox* cameras = nullptr;
    QLabel* status = nullptr;
};

} // namespace

QWidget* createEntryPage(SensorSource&)
{
    return new EntryPage;
}
