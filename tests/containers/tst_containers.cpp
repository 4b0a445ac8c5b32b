// The collapsible section, the editable label, the popup dialog and the vertical scroll area.
#include <util/editable_label.h>
#include <util/expand_widget.h>
#include <util/popup_dialog.h>
#include <util/vertical_scroll_area.h>

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
    void editEndsByKey_data();
    void editEndsByKey();
    void editEndsOnceByFocusOut();
    void popupSignals();
    void scrollAreaWidthRule();
};

namespace {

// A window holding an editable label next to a line edit that can take the focus.
struct EditFixture
{
    EditFixture()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(label);
        layout->addWidget(other);
        label->setText(QStringLiteral("Sensor 1"));
        window.show();
    }

    bool editing() const
    {
        return label->findChild<QStackedWidget*>()->currentWidget() == label->getEditor();
    }

    // Double-clicks the label and replaces the editor's text by typing.
    void startEdit(const QString& typed)
    {
        QTest::mouseDClick(label->getLabel(), Qt::LeftButton);
        QTRY_VERIFY(label->getEditor()->hasFocus());
        QVERIFY(editing());
        QCOMPARE(label->getEditor()->text(), label->getLabel()->text());
        label->getEditor()->selectAll();
        QTest::keyClicks(label->getEditor(), typed);
    }

    QWidget window;
    util::EditableLabel* label = new util::EditableLabel(&window);
    QLineEdit* other = new QLineEdit(&window);
};

} // namespace

void TestContainers::headerPressesToggleTheBody()
{
    util::ExpandWidget section;
    QWidget* body = section.findChild<QWidget*>(QStringLiteral("body"));
    QPushButton* button = section.addWidget(QStringLiteral("Load"), QIcon());
    section.addWidget(nullptr);
    QCOMPARE(button->parentWidget(), body);
    QCOMPARE(body->layout()->count(), 1);
    section.show();
    QSignalSpy headerSpy(section.getHeader(), &util::ExpandWidgetHeader::signal_headerClicked);

    // A fresh section collapses on the first press.
    QVERIFY(body->isVisible());
    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QVERIFY(!body->isVisible());
    QTest::mousePress(section.getHeader(), Qt::RightButton);
    QVERIFY(body->isVisible());
    // One the host collapsed expands on the next press.
    section.setBodyVisibility(false);
    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QVERIFY(body->isVisible());

    QCOMPARE(headerSpy.count(), 3);
    QCOMPARE(headerSpy.at(0).at(0).toBool(), true);
    QCOMPARE(headerSpy.at(1).at(0).toBool(), false);
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
    fixture.startEdit(QStringLiteral("Left head"));

    QTest::keyClick(fixture.label->getEditor(), Qt::Key(key));
    QCOMPARE(finishedSpy.count(), 1);
    QCOMPARE(finishedSpy.at(0).at(0).toString(), QStringLiteral("Left head"));
    QVERIFY(!fixture.editing());
    QCOMPARE(fixture.label->getLabel()->text(), QStringLiteral("Left head"));
    // The accepted text waits for the host.
    QCOMPARE(fixture.label->text(), QStringLiteral("Sensor 1"));
    QSignalSpy textSpy(fixture.label, &util::EditableLabel::signal_textChanged);
    fixture.label->setText(finishedSpy.at(0).at(0).toString());
    QCOMPARE(textSpy.count(), 1);
    QCOMPARE(fixture.label->getEditor()->text(), QStringLiteral("Left head"));
}

void TestContainers::editEndsOnceByFocusOut()
{
    EditFixture fixture;
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window));
    QSignalSpy finishedSpy(fixture.label, &util::EditableLabel::signal_editFinished);
    QSignalSpy textSpy(fixture.label, &util::EditableLabel::signal_textChanged);
    fixture.label->setText(QStringLiteral("Sensor 1"));
    fixture.label->disableEditor(QString()); // no edit in progress
    QCOMPARE(textSpy.count() + finishedSpy.count(), 0);
    fixture.startEdit(QStringLiteral("Right head"));
    QTest::mouseClick(fixture.other, Qt::LeftButton);
    QTRY_COMPARE(finishedSpy.count(), 1);
    QCOMPARE(finishedSpy.at(0).at(0).toString(), QStringLiteral("Right head"));
    QVERIFY(!fixture.editing());

    // Return hides the editor, and the focus-out that follows does not end the edit again.
    auto* editor = qobject_cast<util::editable::Editor*>(fixture.label->getEditor());
    QSignalSpy editorSpy(editor, &util::editable::Editor::signal_editFinished);
    fixture.startEdit(QStringLiteral("Top"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::mouseClick(fixture.other, Qt::LeftButton);
    QTRY_VERIFY(fixture.other->hasFocus());
    QCOMPARE(editorSpy.count(), 2);
    QCOMPARE(finishedSpy.count(), 2);
    QCOMPARE(finishedSpy.at(1).at(0).toString(), QStringLiteral("Top"));
}

void TestContainers::popupSignals()
{
    QWidget other;
    util::PopupDialog dialog(nullptr, Qt::Tool);
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
}

void TestContainers::scrollAreaWidthRule()
{
    util::VerticalScrollArea area;
    area.setMinimumWidth(50);
    area.resize(200, 100);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCOMPARE(area.minimumWidth(), 50); // no content yet

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
    QVERIFY(area.width() >= area.minimumWidth() && area.minimumWidth() > 320);
    QVERIFY(!area.horizontalScrollBar()->isVisible());
    QVERIFY(area.verticalScrollBar()->isVisible());
}

QTEST_MAIN(TestContainers)
#include "tst_containers.moc"
