// The collapsible section, the editable label, the popup dialog and the vertical scroll area.
#include <util/editable_label.h>
#include <util/expand_widget.h>
#include <util/popup_dialog.h>
#include <util/vertical_scroll_area.h>

#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QtTest>

class TestContainers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerPressesToggleTheBody();
    void collapsedSectionExpandsOnFirstPress();
    void sectionContent();
    void labelTextRules();
    void editEndsByKey_data();
    void editEndsByKey();
    void editEndsByFocusOut();
    void returnThenFocusOutEndsOnce();
    void popupSignals();
    void scrollAreaWidthRule();
};

namespace {

QWidget* body(util::ExpandWidget& section)
{
    return section.findChild<QWidget*>(QStringLiteral("body"));
}

QStackedWidget* stack(util::EditableLabel& label)
{
    return label.findChild<QStackedWidget*>(QStringLiteral("stack"));
}

// A window holding an editable label next to a line edit that can take the focus.
struct EditFixture
{
    EditFixture()
    {
        auto* layout = new QVBoxLayout(&window);
        label = new util::EditableLabel(&window);
        other = new QLineEdit(&window);
        layout->addWidget(label);
        layout->addWidget(other);
        label->setText(QStringLiteral("Sensor 1"));
        window.show();
    }

    // Double-clicks the label and replaces the editor's text by typing.
    void startEdit(const QString& typed)
    {
        QTest::mouseDClick(label->getLabel(), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(label->getEditor()));
        QCOMPARE(stack(*label)->currentWidget(), static_cast<QWidget*>(label->getEditor()));
        QCOMPARE(label->getEditor()->text(), label->getLabel()->text());
        label->getEditor()->selectAll();
        QTest::keyClicks(label->getEditor(), typed);
    }

    QWidget window;
    util::EditableLabel* label;
    QLineEdit* other;
};

} // namespace

void TestContainers::headerPressesToggleTheBody()
{
    util::ExpandWidget section;
    section.getHeader()->setText(QStringLiteral("Exposure"));
    section.show();
    QCOMPARE(section.getHeader()->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    QVERIFY(body(section)->isVisible());
    QSignalSpy headerSpy(section.getHeader(), &util::ExpandWidgetHeader::signal_headerClicked);

    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QVERIFY(!body(section)->isVisible());
    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QVERIFY(body(section)->isVisible());
    QTest::mousePress(section.getHeader(), Qt::RightButton);
    QVERIFY(!body(section)->isVisible());

    QCOMPARE(headerSpy.count(), 3);
    QCOMPARE(headerSpy.at(0).at(0).toBool(), true);
    QCOMPARE(headerSpy.at(1).at(0).toBool(), false);
    QCOMPARE(headerSpy.at(2).at(0).toBool(), true);
}

void TestContainers::collapsedSectionExpandsOnFirstPress()
{
    util::ExpandWidget section;
    section.setBodyVisibility(false);
    section.show();
    QVERIFY(!body(section)->isVisible());
    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QVERIFY(body(section)->isVisible());
    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QVERIFY(!body(section)->isVisible());
}

void TestContainers::sectionContent()
{
    util::ExpandWidget section;
    QPushButton* button = section.addWidget(QStringLiteral("Load"), QIcon());
    QCOMPARE(button->text(), QStringLiteral("Load"));
    QCOMPARE(button->parentWidget(), body(section));
    auto* widget = new QLabel(QStringLiteral("gain"));
    section.addWidget(widget);
    QCOMPARE(widget->parentWidget(), body(section));
    section.addWidget(nullptr);
    QCOMPARE(body(section)->layout()->count(), 2);
    QCOMPARE(body(section)->layout()->itemAt(0)->widget(), button);
}

void TestContainers::labelTextRules()
{
    util::EditableLabel label;
    QVERIFY(label.text().isEmpty());
    QSignalSpy textSpy(&label, &util::EditableLabel::signal_textChanged);
    label.setText(QStringLiteral("Sensor 1"));
    label.setText(QStringLiteral("Sensor 1"));
    QCOMPARE(textSpy.count(), 1);
    QCOMPARE(textSpy.at(0).at(0).toString(), QStringLiteral("Sensor 1"));
    QCOMPARE(label.getLabel()->text(), QStringLiteral("Sensor 1"));
    QCOMPARE(label.getEditor()->text(), QStringLiteral("Sensor 1"));
    QCOMPARE(stack(label)->currentWidget(), static_cast<QWidget*>(label.getLabel()));
    QCOMPARE(label.getEditor()->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);

    // Ending an edit that never started does nothing.
    QSignalSpy finishedSpy(&label, &util::EditableLabel::signal_editFinished);
    label.disableEditor(QString());
    QCOMPARE(finishedSpy.count(), 0);
}

void TestContainers::editEndsByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestContainers::editEndsByKey()
{
    QFETCH(int, key);
    EditFixture fixture;
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window));
    QSignalSpy finishedSpy(fixture.label, &util::EditableLabel::signal_editFinished);
    QSignalSpy textSpy(fixture.label, &util::EditableLabel::signal_textChanged);
    fixture.startEdit(QStringLiteral("Left head"));

    QTest::keyClick(fixture.label->getEditor(), Qt::Key(key));
    QCOMPARE(finishedSpy.count(), 1);
    QCOMPARE(finishedSpy.at(0).at(0).toString(), QStringLiteral("Left head"));
    QCOMPARE(stack(*fixture.label)->currentWidget(), static_cast<QWidget*>(fixture.label->getLabel()));
    QCOMPARE(fixture.label->getLabel()->text(), QStringLiteral("Left head"));
    // The accepted text waits for the host.
    QCOMPARE(fixture.label->text(), QStringLiteral("Sensor 1"));
    QCOMPARE(textSpy.count(), 0);
    fixture.label->setText(finishedSpy.at(0).at(0).toString());
    QCOMPARE(fixture.label->text(), QStringLiteral("Left head"));
    QCOMPARE(textSpy.count(), 1);
}

void TestContainers::editEndsByFocusOut()
{
    EditFixture fixture;
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window));
    QSignalSpy finishedSpy(fixture.label, &util::EditableLabel::signal_editFinished);
    fixture.startEdit(QStringLiteral("Right head"));

    QTest::mouseClick(fixture.other, Qt::LeftButton);
    QTRY_COMPARE(finishedSpy.count(), 1);
    QCOMPARE(finishedSpy.at(0).at(0).toString(), QStringLiteral("Right head"));
    QCOMPARE(fixture.label->getLabel()->text(), QStringLiteral("Right head"));
    QCOMPARE(stack(*fixture.label)->currentWidget(), static_cast<QWidget*>(fixture.label->getLabel()));
}

void TestContainers::returnThenFocusOutEndsOnce()
{
    EditFixture fixture;
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window));
    QSignalSpy finishedSpy(fixture.label, &util::EditableLabel::signal_editFinished);
    auto* editor = qobject_cast<util::editable::Editor*>(fixture.label->getEditor());
    QVERIFY(editor);
    QSignalSpy editorSpy(editor, &util::editable::Editor::signal_editFinished);
    fixture.startEdit(QStringLiteral("Top"));

    QTest::keyClick(fixture.label->getEditor(), Qt::Key_Return);
    QTest::mouseClick(fixture.other, Qt::LeftButton);
    QTRY_VERIFY(fixture.other->hasFocus());
    QVERIFY(!fixture.label->getEditor()->hasFocus());
    // The editor reported both the key and the focus-out; the label ended one edit.
    QCOMPARE(editorSpy.count(), 2);
    QCOMPARE(finishedSpy.count(), 1);

    // A second edit is reported again.
    fixture.startEdit(QStringLiteral("Bottom"));
    QTest::keyClick(fixture.label->getEditor(), Qt::Key_Enter);
    QCOMPARE(finishedSpy.count(), 2);
    QCOMPARE(finishedSpy.at(1).at(0).toString(), QStringLiteral("Bottom"));
}

void TestContainers::popupSignals()
{
    QWidget other;
    util::PopupDialog dialog(nullptr, Qt::Tool);
    QCOMPARE(dialog.windowFlags() & Qt::Tool, Qt::Tool);
    QSignalSpy closingSpy(&dialog, &util::PopupDialog::signal_closing);
    QSignalSpy focusSpy(&dialog, &util::PopupDialog::signal_focustLost);

    dialog.setFocusPolicy(Qt::StrongFocus);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.setFocus();
    QTRY_VERIFY(dialog.hasFocus());
    other.show();
    other.activateWindow();
    QTRY_COMPARE(focusSpy.count(), 1);
    QCOMPARE(closingSpy.count(), 0);

    QVERIFY(dialog.close());
    QCOMPARE(closingSpy.count(), 1);
    QVERIFY(!dialog.isVisible());

    // A modal run ends normally when closed.
    QTimer::singleShot(0, &dialog, &QDialog::close);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(closingSpy.count(), 2);
}

void TestContainers::scrollAreaWidthRule()
{
    util::VerticalScrollArea area;
    QCOMPARE(area.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(area.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QVERIFY(area.widgetResizable());

    // Without content the minimum width is the host's.
    area.setMinimumWidth(50);
    area.resize(200, 100);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCOMPARE(area.minimumWidth(), 50);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    for (int i = 0; i < 20; ++i) {
        auto* row = new QLabel(QStringLiteral("row %1").arg(i));
        row->setMinimumWidth(320);
        layout->addWidget(row);
    }
    area.setWidget(content);
    area.resize(180, 150);
    QTRY_COMPARE(area.minimumWidth(), content->minimumSizeHint().width() + area.verticalScrollBar()->width());
    QVERIFY(area.minimumWidth() > 320);
    QVERIFY(area.width() >= area.minimumWidth());
    QVERIFY(!area.horizontalScrollBar()->isVisible());
    QVERIFY(area.verticalScrollBar()->isVisible());
}

QTEST_MAIN(TestContainers)
#include "tst_containers.moc"
