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
    void editEnds_data();
    void editEnds();
    void popupSignals();
    void scrollAreaWidthRule();
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

    QCOMPARE(headerSpy.count(), 3);
    QCOMPARE(headerSpy.at(0).at(0).toBool(), true);
    QCOMPARE(headerSpy.at(1).at(0).toBool(), false);
}

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
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new util::EditableLabel(&window);
    auto* other = new QLineEdit(&window);
    layout->addWidget(label);
    layout->addWidget(other);
    label->setText(QStringLiteral("Sensor 1"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto editing = [&] { return label->findChild<QStackedWidget*>()->currentWidget() == label->getEditor(); };
    QSignalSpy finishedSpy(label, &util::EditableLabel::signal_editFinished);
    QSignalSpy textSpy(label, &util::EditableLabel::signal_textChanged);
    label->disableEditor(QString()); // no edit in progress

    QTest::mouseDClick(label->getLabel(), Qt::LeftButton);
    QTRY_VERIFY(label->getEditor()->hasFocus() && editing());
    QCOMPARE(label->getEditor()->text(), QStringLiteral("Sensor 1"));
    label->getEditor()->selectAll();
    QTest::keyClicks(label->getEditor(), QStringLiteral("Left head"));
    if (key)
        QTest::keyClick(label->getEditor(), Qt::Key(key));
    QTest::mouseClick(other, Qt::LeftButton);
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(finishedSpy.count(), 1);
    QCOMPARE(finishedSpy.at(0).at(0).toString(), QStringLiteral("Left head"));
    QVERIFY(!editing());
    QCOMPARE(label->getLabel()->text(), QStringLiteral("Left head"));
    // The accepted text waits for the host.
    QVERIFY(label->text() == QStringLiteral("Sensor 1") && textSpy.isEmpty());
    label->setText(QStringLiteral("Left head"));
    QCOMPARE(textSpy.count(), 1);
    QCOMPARE(label->getEditor()->text(), QStringLiteral("Left head"));
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

QTEST_MAIN(TestContainers)
#include "tst_containers.moc"
