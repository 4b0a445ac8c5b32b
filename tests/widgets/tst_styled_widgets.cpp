// The styled basic widgets and the library's default look for the marker classes.
#include <util/action.h>
#include <util/clickable_label.h>
#include <util/instant_tooltip_button.h>
#include <util/plain_text_edit.h>
#include <util/style_markers.h>
#include <util/tristate_checkbox.h>

#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

class TestStyledWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tristateClicksSkipThePartialState()
    {
        util::TristateCheckbox box;
        box.setText(QStringLiteral("box"));
        box.setTristate(true);
        box.setCheckState(Qt::PartiallyChecked);
        box.adjustSize();
        QList<Qt::CheckState> states;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(&box, Qt::LeftButton);
            states << box.checkState();
        }
        QCOMPARE(states, QList<Qt::CheckState>({ Qt::Unchecked, Qt::Checked, Qt::Unchecked }));
    }

    void labelReportsClicks()
    {
        util::ClickableLabel label;
        label.setText(QStringLiteral("click me"));
        QSignalSpy clicked(&label, &util::ClickableLabel::signal_clicked);
        QSignalSpy doubleClicked(&label, &util::ClickableLabel::signal_doubleClicked);
        QTest::mousePress(&label, Qt::LeftButton);
        QCOMPARE(QList<int>({ clicked.count(), doubleClicked.count() }), QList<int>({ 1, 0 }));
        QTest::mouseDClick(&label, Qt::LeftButton);
        QCOMPARE(QList<int>({ clicked.count(), doubleClicked.count() }), QList<int>({ 1, 1 }));
    }

    void labelWorksFromTheKeyboard()
    {
        QWidget window;
        auto* before = new QPushButton(QStringLiteral("before"), &window);
        auto* label = new util::ClickableLabel(&window);
        label->setText(QStringLiteral("press me"));
        label->move(0, 40);
        label->resize(120, 30);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        before->setFocus();
        const QImage unfocused = label->grab().toImage();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), label);
        QVERIFY(label->grab().toImage() != unfocused); // the focus frame shows where the keys go

        QSignalSpy clicked(label, &util::ClickableLabel::signal_clicked);
        for (const Qt::Key key : { Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter })
            QTest::keyClick(label, key);
        QCOMPARE(clicked.count(), 3);
        QTest::keyClick(label, Qt::Key_Space, Qt::ControlModifier); // not a plain press
        QTest::keyClick(label, Qt::Key_A);
        QCOMPARE(clicked.count(), 3);
    }

    void clearEntryEmptiesTheEditor()
    {
        util::PlainTextEdit editor;
        editor.setPlainText(QStringLiteral("some log lines"));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        // The menu runs modally: pick its last entry from inside its event loop, as a user would.
        QString picked;
        QTimer picker;
        connect(&picker, &QTimer::timeout, this, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                picker.stop();
                picked = menu->actions().last()->text();
                QTest::mouseClick(
                    menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().last()).center());
            }
        });
        picker.start(10);
        const QPoint pos = editor.viewport()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, editor.viewport()->mapToGlobal(pos));
        QApplication::sendEvent(editor.viewport(), &event);
        QCOMPARE(picked, QStringLiteral("Clear"));
        QVERIFY(editor.document()->isEmpty());
    }

    void actionAnnouncesEveryVisibilityCall()
    {
        util::Action action(QStringLiteral("act"), nullptr);
        QSignalSpy spy(&action, &util::Action::signal_visibilityChanged);
        action.setVisibility(true);
        action.setVisibility(false);
        QCOMPARE(spy.count(), 2);
    }

    void tooltipButtonShowsAtOnce()
    {
        util::InstantTooltipButton button;
        button.setText(QStringLiteral("hover"));
        button.setToolTip(QStringLiteral("shown at once"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        const auto dragTo = [&](QPoint pos) {
            QMouseEvent move(
                QEvent::MouseMove, pos, button.mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(&button, &move);
        };
        QTest::mousePress(&button, Qt::LeftButton);
        dragTo(button.rect().center());
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("shown at once"));
        // The button still follows the pointer.
        const QPoint outside(-20, -20);
        dragTo(outside);
        QVERIFY(!button.isDown());
        QTest::mouseRelease(&button, Qt::LeftButton, {}, outside);
    }

    void defaultStyleSheetKeepsHostRules()
    {
        const QString rules = util::defaultStyleSheet();
        QVERIFY(rules.contains(QStringLiteral("util--BlueFrame")));

        const QString host = QStringLiteral("QLabel { color: red; }");
        qApp->setStyleSheet(host);
        util::installDefaultStyleSheet();
        util::installDefaultStyleSheet();
        QCOMPARE(qApp->styleSheet(), rules + host);

        util::BlueFrame frame;
        frame.resize(40, 40);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.grab().toImage().pixelColor(20, 20), QColor(0x00, 0x6A, 0xB7));

        // A host rule for the same class, coming later, wins.
        qApp->setStyleSheet(
            qApp->styleSheet() + QStringLiteral("util--BlueFrame { background-color: #00FF00; }"));
        QCOMPARE(frame.grab().toImage().pixelColor(20, 20), QColor(0x00, 0xFF, 0x00));
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestStyledWidgets)
#include "tst_styled_widgets.moc"
