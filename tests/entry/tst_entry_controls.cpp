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
    void doubleSpinboxDecimals_data();
    void doubleSpinboxDecimals();
    void doubleSpinboxFixupStaysInRange_data();
    void doubleSpinboxFixupStaysInRange();
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
}

// Too large a number stays while typing and is clamped when the edit finishes.
void TestEntryControls::spinboxIsLenient()
{
    CtrlSpinbox box;
    box.setDisplayIntegerBase(16);
    box.setRange(0, 255);
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
    QCOMPARE(fixedUp(box, QStringLiteral("-3")), text(0, 2));
    QCOMPARE(validate(box, text(1.23456789, 8)), QValidator::Invalid);
    QCOMPARE(fixedUp(box, text(1.23456789, 8)), text(1.23, 2));
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

// More decimals than the box has are refused as they are typed, in the range and beyond it.
void TestEntryControls::doubleSpinboxDecimals_data()
{
    doubleSpinboxInLocale_data();
}

void TestEntryControls::doubleSpinboxDecimals()
{
    QFETCH(QLocale, locale);
    auto text = [&](double v, int precision) { return locale.toString(v, 'f', precision); };
    CtrlDoubleSpinbox box;
    box.setLocale(locale);
    box.setRange(0, 10);
    box.setValue(3);
    QSignalSpy changed(&box, qOverload<double>(&CtrlDoubleSpinbox::valueChanged));
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, text(1.234, 3));
    QCOMPARE(box.text(), text(1.23, 2));
    QCOMPARE(box.value(), 1.23);
    QCOMPARE(changed.count(), 3); // 1, 1.2 and 1.23
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.value(), 1.23);
    QCOMPARE(box.text(), text(1.23, 2));

    // Beyond the range too: the number waits for the fix-up, which clamps it.
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, text(12.345, 3));
    QCOMPARE(box.text(), text(12.34, 2));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.value(), 10.0);
}

void TestEntryControls::doubleSpinboxFixupStaysInRange_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QAbstractSpinBox::CorrectionMode>("mode");
    for (const QLocale& locale :
        { QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany) }) {
        const QByteArray name = locale.name().toLatin1();
        QTest::newRow(name + " previous") << locale << QAbstractSpinBox::CorrectToPreviousValue;
        QTest::newRow(name + " nearest") << locale << QAbstractSpinBox::CorrectToNearestValue;
    }
}

// A number typed beyond a bound ends on the bound, also where six significant digits would
// round the bound up and out of the range.
void TestEntryControls::doubleSpinboxFixupStaysInRange()
{
    QFETCH(QLocale, locale);
    QFETCH(QAbstractSpinBox::CorrectionMode, mode);
    CtrlDoubleSpinbox box;
    box.setLocale(locale);
    box.setCorrectionMode(mode);
    auto typed = [&](const QString& text) {
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&box, text);
        QTest::keyClick(&box, Qt::Key_Return);
        return box.value();
    };
    box.setRange(-5, 1234567);
    box.setValue(5);
    QCOMPARE(typed(QStringLiteral("9999999")), 1234567.0);
    QCOMPARE(box.text(), locale.toString(1234567.0, 'f', 2).remove(locale.groupSeparator()));
    box.setDecimals(4);
    box.setRange(0, 123.4567);
    QCOMPARE(typed(QStringLiteral("999")), 123.4567);
    QCOMPARE(box.text(), locale.toString(123.4567, 'f', 4));
    box.setRange(-123.4567, 0);
    QCOMPARE(typed(QStringLiteral("-999")), -123.4567);
}

// Tabbing through the controls announces each focus-in once, with signal_hasFocus(), and gives
// the focus to the text as Qt's controls do: the text is selected, so that typing replaces it.
void TestEntryControls::focusSignals()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QList<QLineEdit*> edits;
    auto add = [&](auto* control, QLineEdit* edit) {
        layout->addWidget(control);
        spies.push_back(std::make_unique<QSignalSpy>(
            control, &std::remove_pointer_t<decltype(control)>::signal_hasFocus));
        edits << edit;
    };
    auto* combo = new CtrlComboBox(&window);
    combo->setEditable(true);
    combo->addItem(QStringLiteral("Camera 1"));
    add(combo, combo->lineEdit());
    auto* doubleBox = new CtrlDoubleSpinbox(&window);
    doubleBox->setValue(3);
    add(doubleBox, doubleBox->findChild<QLineEdit*>());
    auto* textBox = new util::CtrlTextBox(&window);
    textBox->setText(QStringLiteral("hello"));
    add(textBox, textBox);
    auto* signedBox = new util::CtrlInt64SpinBox(&window);
    signedBox->setPrefix(QStringLiteral("$ "));
    signedBox->setSuffix(QStringLiteral(" k"));
    signedBox->setValue(-42);
    add(signedBox, signedBox->findChild<QLineEdit*>());
    auto* unsignedBox = new util::CtrlUInt64SpinBox(&window);
    unsignedBox->setValue(7);
    add(unsignedBox, unsignedBox->findChild<QLineEdit*>());
    const QStringList selected { "Camera 1", QLocale().toString(3.0, 'f', 2), "hello", "-42", "7" };

    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    layout->itemAt(0)->widget()->setFocus();
    for (int i = 0; i < int(spies.size()); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(spies[i]->count(), 1);
        QCOMPARE(edits[i]->selectedText(), selected[i]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTRY_COMPARE(spies[3]->count(), 2);
    QCOMPARE(spies[4]->count(), 1);
    QCOMPARE(edits[3]->selectedText(), QStringLiteral("-42"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("17"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(signedBox->value(), 17);
    QCOMPARE(edits[3]->text(), QStringLiteral("$ 17 k"));
}

// Inside a menu every enabled step finishes an edit; a step against the bound does nothing.
void TestEntryControls::spinBoxActionsInMenu()
{
    QMenu menu;
    auto* intAction = new util::SpinBoxAction(&menu);
    auto* doubleAction = new util::DoubleSpinBoxAction(&menu);
    menu.addAction(intAction);
    menu.addAction(doubleAction);
    menu.popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QPointer<CtrlSpinbox> spin = intAction->spinBox();
    QVERIFY(spin->isVisible() && menu.isAncestorOf(spin));

    auto check = [](auto* box, auto stepped) {
        QSignalSpy finished(box, &QAbstractSpinBox::editingFinished);
        QSignalSpy changed(
            box, qOverload<decltype(box->value())>(&std::remove_pointer_t<decltype(box)>::valueChanged));
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(box->value(), stepped);
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Down); // at the minimum: the arrow is disabled
        QCOMPARE(finished.count(), 2);
        QCOMPARE(changed.count(), 2);
    };
    check(spin.data(), 1);
    check(doubleAction->spinBox(), 1.0);

    menu.close();
    delete intAction;
    QVERIFY(spin.isNull());
}

QTEST_MAIN(TestEntryControls)
#include "tst_entry_controls.moc"
