// The collapsible section, the editable label, the popup dialog and the vertical scroll area.
#include <util/editable_label.h>
#include <util/expand_widget.h>
#include <util/popup_dialog.h>
#include <util/vertical_scroll_area.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

class TestContainers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerPressesToggleTheBody();
    void editEnds_data();
    void editEnds();
    void dialogKeysStayWithTheEditor_data();
    void dialogKeysStayWithTheEditor();
    void windowShortcutsWaitForTheEdit_data();
    void windowShortcutsWaitForTheEdit();
    void contextMenuKeepsTheEdit();
    void completerKeepsTheEdit();
    void popupSignals();
    void scrollAreaWidthRule();
    void scrollAreaWidthBeforeTheBarShows();
};

void TestContainers::headerPressesToggleTheBody()
{
    util::ExpandWidget section;
    QWidget* body = section.findChild<QWidget*>(QStringLiteral("body"));
    QCOMPARE(section.addWidget(QStringLiteral("Load"), QIcon())->parentWidget(), body);
    section.addWidget(nullptr);
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
    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QVERIFY(!body->isVisible());
    // And one the host expanded collapses.
    section.setBodyVisibility(true);
    QTest::mousePress(section.getHeader(), Qt::LeftButton);
    QVERIFY(!body->isVisible());

    // Each press reports whether it hid the body.
    const QList<bool> hidden { true, false, false, true, true };
    QCOMPARE(headerSpy.count(), hidden.size());
    for (int i = 0; i < hidden.size(); ++i)
        QCOMPARE(headerSpy.at(i).at(0).toBool(), hidden.at(i));
}

namespace {

bool editing(util::EditableLabel* label)
{
    return label->findChild<QStackedWidget*>()->currentWidget() == label->getEditor();
}

// Double-clicks the label and replaces the editor's text by typing.
void rename(util::EditableLabel* label, const QString& text)
{
    QTest::mouseDClick(label->getLabel(), Qt::LeftButton);
    QTRY_VERIFY(label->getEditor()->hasFocus() && editing(label));
    label->getEditor()->selectAll();
    QTest::keyClicks(label->getEditor(), text);
}

// A window holding an editable label, and a line edit that can take the focus.
struct LabelWindow
{
    LabelWindow()
        : label(new util::EditableLabel(&window))
        , other(new QLineEdit(&window))
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(label);
        layout->addWidget(other);
    }
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget window;
    util::EditableLabel* const label;
    QLineEdit* const other;
};

} // namespace

void TestContainers::editEnds_data()
{
    QTest::addColumn<int>("key"); // 0: the focus moves away instead
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("focus-out") << 0;
}

// An edit ends once, by a key or by the focus leaving; the focus-out after a key does not end it again.
void TestContainers::editEnds()
{
    QFETCH(int, key);
    LabelWindow fixture;
    util::EditableLabel* label = fixture.label;
    label->setText(QStringLiteral("Sensor 1"));
    QVERIFY(fixture.show());
    QSignalSpy finishedSpy(label, &util::EditableLabel::signal_editFinished);
    QSignalSpy textSpy(label, &util::EditableLabel::signal_textChanged);
    label->disableEditor(QString()); // no edit in progress

    QTest::mouseDClick(label->getLabel(), Qt::LeftButton);
    QTRY_VERIFY(label->getEditor()->hasFocus() && editing(label));
    QCOMPARE(label->getEditor()->text(), QStringLiteral("Sensor 1"));
    label->getEditor()->selectAll();
    QTest::keyClicks(label->getEditor(), QStringLiteral("Left head"));
    if (key)
        QTest::keyClick(label->getEditor(), Qt::Key(key));
    QTest::mouseClick(fixture.other, Qt::LeftButton);
    QTRY_VERIFY(fixture.other->hasFocus());
    QCOMPARE(finishedSpy.count(), 1);
    QCOMPARE(finishedSpy.at(0).at(0).toString(), QStringLiteral("Left head"));
    QVERIFY(!editing(label));
    QCOMPARE(label->getLabel()->text(), QStringLiteral("Left head"));
    // The accepted text waits for the host.
    QVERIFY(label->text() == QStringLiteral("Sensor 1") && textSpy.isEmpty());
    label->setText(QStringLiteral("Left head"));
    QCOMPARE(textSpy.count(), 1);
    QCOMPARE(label->getEditor()->text(), QStringLiteral("Left head"));
}

void TestContainers::dialogKeysStayWithTheEditor_data()
{
    QTest::addColumn<bool>("popupDialog");
    QTest::addColumn<int>("key");
    QTest::newRow("QDialog, Escape") << false << int(Qt::Key_Escape);
    QTest::newRow("QDialog, Return") << false << int(Qt::Key_Return);
    QTest::newRow("QDialog, Enter") << false << int(Qt::Key_Enter);
    QTest::newRow("PopupDialog, Escape") << true << int(Qt::Key_Escape);
    QTest::newRow("PopupDialog, Return") << true << int(Qt::Key_Return);
}

// The key that ends a rename in a dialog neither rejects the dialog nor presses its default
// button; the next press of the same key, outside the editor, is the dialog's again.
void TestContainers::dialogKeysStayWithTheEditor()
{
    QFETCH(bool, popupDialog);
    QFETCH(int, key);
    const std::unique_ptr<QDialog> dialog(popupDialog ? new util::PopupDialog : new QDialog);
    auto* layout = new QVBoxLayout(dialog.get());
    auto* label = new util::EditableLabel(dialog.get());
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog.get());
    layout->addWidget(label);
    layout->addWidget(ok);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, dialog.get(), &QDialog::accept);
    label->setText(QStringLiteral("Sensor 1"));
    QSignalSpy finishedSpy(dialog.get(), &QDialog::finished);
    QSignalSpy editSpy(label, &util::EditableLabel::signal_editFinished);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    rename(label, QStringLiteral("Left head"));
    QTest::keyClick(label->getEditor(), Qt::Key(key));
    QCOMPARE(editSpy.count(), 1);
    QCOMPARE(editSpy.at(0).at(0).toString(), QStringLiteral("Left head"));
    QVERIFY(!editing(label));
    QVERIFY(dialog->isVisible());
    QVERIFY(finishedSpy.isEmpty());

    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus && dialog->isAncestorOf(focus) && focus != label->getEditor());
    QTest::keyClick(focus, Qt::Key(key));
    QCOMPARE(finishedSpy.count(), 1);
    QCOMPARE(
        finishedSpy.at(0).at(0).toInt(), int(key == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(editSpy.count(), 1);
}

void TestContainers::windowShortcutsWaitForTheEdit_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return);
}

// A window shortcut on a key that ends the edit does not take the key from the editor.
void TestContainers::windowShortcutsWaitForTheEdit()
{
    QFETCH(int, key);
    LabelWindow fixture;
    util::EditableLabel* label = fixture.label;
    auto* shortcut = new QShortcut(QKeySequence(key), &fixture.window);
    QSignalSpy shortcutSpy(shortcut, &QShortcut::activated);
    QSignalSpy editSpy(label, &util::EditableLabel::signal_editFinished);
    QVERIFY(fixture.show());

    rename(label, QStringLiteral("Left head"));
    QTest::keyClick(label->getEditor(), Qt::Key(key));
    QCOMPARE(editSpy.count(), 1);
    QVERIFY(shortcutSpy.isEmpty());
    QTest::keyClick(fixture.other, Qt::Key(key));
    QCOMPARE(shortcutSpy.count(), 1);
}

// Opening the editor's context menu does not end the edit: "Paste" goes into the shown editor.
void TestContainers::contextMenuKeepsTheEdit()
{
    LabelWindow fixture;
    util::EditableLabel* label = fixture.label;
    QSignalSpy editSpy(label, &util::EditableLabel::signal_editFinished);
    QVERIFY(fixture.show());
    QApplication::clipboard()->setText(QStringLiteral(" head"));
    rename(label, QStringLiteral("Left"));

    const QPoint inEditor = label->getEditor()->mapTo(&fixture.window, label->getEditor()->rect().center());
    QTest::mouseClick(fixture.window.windowHandle(), Qt::RightButton, Qt::NoModifier, inEditor);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    // The window system gives the menu the focus.
    QTRY_COMPARE(QGuiApplication::focusWindow(), menu->windowHandle());
    QVERIFY(editing(label) && editSpy.isEmpty());
    QTest::keyClick(menu, Qt::Key_P); // "&Paste"
    QVERIFY(!QApplication::activePopupWidget());

    QTRY_VERIFY(label->getEditor()->hasFocus());
    QVERIFY(editing(label) && editSpy.isEmpty());
    QTest::keyClick(label->getEditor(), Qt::Key_Return);
    QCOMPARE(editSpy.count(), 1);
    QCOMPARE(editSpy.at(0).at(0).toString(), QStringLiteral("Left head"));
    QCOMPARE(label->getLabel()->text(), QStringLiteral("Left head"));
}

// A completer's popup does not end the edit, and Return in it picks the completion.
void TestContainers::completerKeepsTheEdit()
{
    LabelWindow fixture;
    util::EditableLabel* label = fixture.label;
    auto* completer
        = new QCompleter(QStringList { QStringLiteral("Left head"), QStringLiteral("Right head") }, label);
    label->getEditor()->setCompleter(completer);
    QSignalSpy editSpy(label, &util::EditableLabel::signal_editFinished);
    QVERIFY(fixture.show());

    rename(label, QStringLiteral("Le"));
    QTRY_VERIFY(completer->popup()->isVisible());
    QVERIFY(editing(label) && editSpy.isEmpty());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    QVERIFY(!completer->popup()->isVisible());
    QVERIFY(editing(label) && editSpy.isEmpty());
    QCOMPARE(label->getEditor()->text(), QStringLiteral("Left head"));

    QTest::keyClick(label->getEditor(), Qt::Key_Return);
    QCOMPARE(editSpy.count(), 1);
    QCOMPARE(editSpy.at(0).at(0).toString(), QStringLiteral("Left head"));
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
}

void TestContainers::scrollAreaWidthRule()
{
    util::VerticalScrollArea area;
    area.resize(200, 100);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));

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
    QVERIFY(!area.horizontalScrollBar()->isVisible() && area.verticalScrollBar()->isVisible());
}

// Content that fits asks for the room of the bar it will need, not the 100 px of a bar never laid out.
void TestContainers::scrollAreaWidthBeforeTheBarShows()
{
    util::VerticalScrollArea area;
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* row = new QLabel(QStringLiteral("row"));
    row->setMinimumWidth(320);
    layout->addWidget(row);
    area.setWidget(content);
    area.resize(400, 300);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QScrollBar* bar = area.verticalScrollBar();
    QVERIFY(!bar->isVisible());
    const int contentWidth = content->minimumSizeHint().width();
    const int barWidth = area.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
    QCOMPARE(area.minimumWidth(), contentWidth + barWidth);

    // Once the content needs the bar, the bar takes just that room.
    for (int i = 0; i < 30; ++i)
        layout->addWidget(new QLabel(QStringLiteral("row %1").arg(i)));
    area.resize(area.minimumWidth(), 150);
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->width(), barWidth);
    QCOMPARE(area.minimumWidth(), contentWidth + barWidth);
}

QTEST_MAIN(TestContainers)
#include "tst_containers.moc"
