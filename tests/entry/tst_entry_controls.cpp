// The standard entry controls and the spin-box menu actions.
#include <util/ctrl_combo_box.h>
#include <util/ctrl_int64_spin_box.h>
#include <util/ctrl_spinbox.h>
#include <util/ctrl_text_box.h>
#include <util/spin_box_action.h>

#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>
#include <QtTest>

using util::CtrlComboBox;
using util::CtrlDoubleSpinbox;
using util::CtrlSpinbox;

namespace {

QValidator::State validate(QAbstractSpinBox& box, QString text)
{
    int pos = 0;
    return box.validate(text, pos);
}

QString fixedUp(QAbstractSpinBox& box, QString text)
{
    box.fixup(text);
    return text;
}

// What a plain combo box paints with @p text as its current item.
QImage reference(const QString& text)
{
    QComboBox combo;
    combo.addItem(text);
    combo.resize(180, 28);
    return combo.grab().toImage();
}

} // namespace

class TestEntryControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comboShowsErrorText();
    void spinboxIsLenient();
    void doubleSpinboxInLocale_data();
    void doubleSpinboxInLocale();
    void everyStepFinishesAnEdit();
    void focusSignals();
    void spinBoxActionsInMenu();
};

void TestEntryControls::comboShowsErrorText()
{
    CtrlComboBox combo;
    combo.resize(180, 28);
    QCOMPARE(combo.grab().toImage(), reference(QStringLiteral("--Invalid Values--")));

    combo.setErrorText(QStringLiteral("No camera"));
    QCOMPARE(combo.grab().toImage(), reference(QStringLiteral("No camera")));

    combo.addItems({ QStringLiteral("Camera 1"), QStringLiteral("Camera 2") });
    combo.setCurrentIndex(1);
    QCOMPARE(combo.grab().toImage(), reference(QStringLiteral("Camera 2")));
    combo.setCurrentIndex(-1);
    QCOMPARE(combo.grab().toImage(), reference(QStringLiteral("No camera")));
    QVERIFY(combo.grab().toImage() != reference(QStringLiteral("Camera 2")));
}

void TestEntryControls::spinboxIsLenient()
{
    CtrlSpinbox box;
    box.setDisplayIntegerBase(16);
    box.setRange(0, 255);
    QCOMPARE(validate(box, QStringLiteral("1ff")), QValidator::Intermediate);
    QCOMPARE(fixedUp(box, QStringLiteral("1ff")), QStringLiteral("ff"));
    QCOMPARE(validate(box, QStringLiteral("xyz")), QValidator::Invalid);

    QSignalSpy finished(&box, &QAbstractSpinBox::editingFinished);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, QStringLiteral("1ff"));
    QCOMPARE(box.text(), QStringLiteral("1ff"));
    QTest::keyClick(&box, Qt::Key_Enter);
    QCOMPARE(box.value(), 255);
    QCOMPARE(box.text(), QStringLiteral("ff"));
    QCOMPARE(finished.count(), 1);
}

void TestEntryControls::doubleSpinboxInLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
}

void TestEntryControls::doubleSpinboxInLocale()
{
    QFETCH(QLocale, locale);
    auto text = [&](double v, int precision) { return locale.toString(v, 'f', precision); };
    CtrlDoubleSpinbox box;
    box.setLocale(locale);
    box.setRange(0, 10);
    QCOMPARE(validate(box, text(12.5, 1)), QValidator::Intermediate);
    QCOMPARE(fixedUp(box, text(12.5, 1)), QStringLiteral("10"));
    QCOMPARE(fixedUp(box, QStringLiteral("-3")), QStringLiteral("0"));
    QCOMPARE(validate(box, text(1.23456789, 8)), QValidator::Acceptable);
    QCOMPARE(fixedUp(box, text(1.23456789, 8)), text(1.23457, 5));
    box.setValue(3);
    for (const char* notANumber : { "nan", "inf", "-inf" }) {
        QVERIFY(validate(box, QString::fromLatin1(notANumber)) != QValidator::Acceptable);
        box.findChild<QLineEdit*>()->setText(QString::fromLatin1(notANumber));
        QTest::keyClick(&box, Qt::Key_Enter);
        QCOMPARE(box.value(), 3.0);
    }

    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, text(12.5, 1));
    QTest::keyClick(&box, Qt::Key_Enter);
    QCOMPARE(box.value(), 10.0);

    // Text with a suffix is left to QDoubleSpinBox, which refuses what lies out of range.
    box.setSuffix(QStringLiteral(" mm"));
    QCOMPARE(validate(box, text(5.5, 1) + " mm"), QValidator::Acceptable);
    QCOMPARE(validate(box, QStringLiteral("50 mm")), QValidator::Invalid);
}

void TestEntryControls::everyStepFinishesAnEdit()
{
    auto check = [](auto& box) {
        using Box = std::decay_t<decltype(box)>;
        QSignalSpy finished(&box, &QAbstractSpinBox::editingFinished);
        QSignalSpy changed(&box, qOverload<decltype(box.value())>(&Box::valueChanged));
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(&box, Qt::Key_Down);
        QTest::keyClick(&box, Qt::Key_Down); // at the minimum: the arrow is disabled
        QCOMPARE(finished.count(), 2);
        QCOMPARE(changed.count(), 2);
    };
    CtrlSpinbox spin;
    check(spin);
    CtrlDoubleSpinbox doubleSpin;
    check(doubleSpin);
}

// Tabbing through the controls announces each focus-in once, with signal_hasFocus().
void TestEntryControls::focusSignals()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    auto add = [&](auto* control) {
        layout->addWidget(control);
        spies.push_back(std::make_unique<QSignalSpy>(
            control, &std::remove_pointer_t<decltype(control)>::signal_hasFocus));
    };
    add(new CtrlComboBox(&window));
    add(new CtrlDoubleSpinbox(&window));
    add(new util::CtrlTextBox(&window));
    add(new util::CtrlInt64SpinBox(&window));
    add(new util::CtrlUInt64SpinBox(&window));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    layout->itemAt(0)->widget()->setFocus();
    for (const auto& spy : spies) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(spy->count(), 1);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTRY_COMPARE(spies[3]->count(), 2);
    QCOMPARE(spies[4]->count(), 1);
}

void TestEntryControls::spinBoxActionsInMenu()
{
    QMenu menu;
    auto* intAction = new util::SpinBoxAction(&menu);
    auto* doubleAction = new util::DoubleSpinBoxAction(&menu);
    menu.addAction(intAction);
    menu.addAction(doubleAction);
    CtrlSpinbox* spin = intAction->spinBox();
    QCOMPARE(spin->maximum(), 99);
    QCOMPARE(doubleAction->spinBox()->decimals(), 2);
    QCOMPARE(doubleAction->spinBox()->maximum(), 99.99);

    menu.popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QVERIFY(spin->isVisible());
    QVERIFY(menu.isAncestorOf(spin));
    QCOMPARE(intAction->spinBox(), spin);

    QSignalSpy finished(spin, &QAbstractSpinBox::editingFinished);
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), 2);
    QCOMPARE(finished.count(), 2);
    QSignalSpy doubleFinished(doubleAction->spinBox(), &QAbstractSpinBox::editingFinished);
    QTest::keyClick(doubleAction->spinBox(), Qt::Key_PageUp);
    QCOMPARE(doubleAction->spinBox()->value(), 10.0);
    QCOMPARE(doubleFinished.count(), 1);

    menu.close();
    QPointer<CtrlSpinbox> guard(spin);
    delete intAction;
    QVERIFY(guard.isNull());
}

QTEST_MAIN(TestEntryControls)
#include "tst_entry_controls.moc"
