// util::Wizard driven through its buttons: steps, navigation, marks, close and pages.
#include <util/wizard.h>

#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <memory>

class TestWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_wizard.reset(); }
    void navigation();
    void stepColours();
    void closeAsksTheHost();
    void pages();
    void badIndicesAreIgnored();

private:
    QPushButton* step(int index) const
    {
        return m_wizard->findChild<QFrame*>(QStringLiteral("flow"))
            ->findChildren<QPushButton*>()
            .value(index);
    }
    QPushButton* button(const char* name) const
    {
        return m_wizard->findChild<QPushButton*>(QLatin1String(name));
    }

    std::unique_ptr<util::Wizard> m_wizard;
};

void TestWizard::init()
{
    m_wizard = std::make_unique<util::Wizard>();
    for (const char* name : { "Connect", "Configure", "Deploy" })
        m_wizard->addStep(QLatin1String(name));
    m_wizard->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_wizard.get()));
}

void TestWizard::navigation()
{
    m_wizard->enableNext(true);
    QSignalSpy indexSpy(m_wizard.get(), &util::Wizard::signal_indexChanged);

    QTest::mouseClick(step(2), Qt::LeftButton); // disabled
    QTest::mouseClick(button("next"), Qt::LeftButton);
    QTest::mouseClick(button("next"), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 2);
    QCOMPARE(indexSpy.at(1).at(0).toInt(), 2);
    QVERIFY(!step(0)->isChecked() && !step(1)->isChecked() && step(2)->isChecked());

    // At the last step Next only unchecks, and leaves the buttons' states alone.
    QTest::mouseClick(button("next"), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 2);
    QVERIFY(!step(2)->isChecked() && m_wizard->nextEnabled() && !m_wizard->previousEnabled());

    m_wizard->enablePrevious(true);
    QTest::mouseClick(button("previous"), Qt::LeftButton);
    QTest::mouseClick(button("previous"), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 4);
    QVERIFY(step(0)->isChecked() && !m_wizard->previousEnabled());
    // At the first step Previous only unchecks.
    m_wizard->previousStep();
    QCOMPARE(indexSpy.count(), 4);
    QVERIFY(!step(0)->isChecked());

    // The user clicks an enabled step, then the current one again; selecting the current step announces it.
    m_wizard->enableStep(1, true);
    QTest::mouseClick(step(1), Qt::LeftButton);
    QTest::mouseClick(step(1), Qt::LeftButton);
    m_wizard->selectStep(1);
    QCOMPARE(indexSpy.count(), 7);
    QCOMPARE(indexSpy.at(6).at(0).toInt(), 1);
    QVERIFY(step(1)->isChecked() && !step(0)->isChecked());
}

namespace {

// Whether some pixel of the rendered widget has (nearly) the given colour.
bool showsColour(QWidget* widget, const QColor& c)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::any_of(pixels, pixels + image.width() * image.height(), [&c](QRgb p) {
        return qAbs(qRed(p) - c.red()) + qAbs(qGreen(p) - c.green()) + qAbs(qBlue(p) - c.blue()) < 30;
    });
}

} // namespace

void TestWizard::stepColours()
{
    const QColor green(QStringLiteral("#1FFF00")), orange(QStringLiteral("orange")),
        gray(QStringLiteral("gray"));
    QTRY_VERIFY(step(1)->isVisible() && !step(1)->size().isEmpty());
    QVERIFY(showsColour(step(0), orange));
    QVERIFY(showsColour(step(1), gray) && !showsColour(step(1), Qt::white));

    m_wizard->tagStepAsComplete(1, true);
    m_wizard->enableStep(1, true);
    QVERIFY(showsColour(step(1), green));
    // The current step shows orange even when complete.
    m_wizard->tagStepAsComplete(0, true);
    QVERIFY(showsColour(step(0), orange) && !showsColour(step(0), green));

    m_wizard->tagStepAsComplete(1, false);
    QVERIFY(showsColour(step(1), Qt::white) && !showsColour(step(1), green));
}

void TestWizard::closeAsksTheHost()
{
    QSignalSpy visibilitySpy(m_wizard.get(), &util::Wizard::signal_visibility);
    QSignalSpy closeSpy(m_wizard.get(), &util::Wizard::signal_close);
    m_wizard->showClose(true);
    QVERIFY(button("close_bt")->isVisible() && !button("next")->isVisible());

    QTest::mouseClick(button("close_bt"), Qt::LeftButton);
    QCOMPARE(visibilitySpy.count(), 1);
    QCOMPARE(visibilitySpy.at(0).at(0).toBool(), false);
    QCOMPARE(closeSpy.count(), 0);
    QVERIFY(m_wizard->isVisible());

    // Through a QWidget pointer hide() hides.
    static_cast<QWidget*>(m_wizard.get())->hide();
    QVERIFY(!m_wizard->isVisible());
    m_wizard->showClose(false);
    QVERIFY(button("next")->isVisibleTo(m_wizard.get()));
}

void TestWizard::pages()
{
    QPointer<QWidget> first = new QWidget;
    auto* inner = new QWidget(first);
    m_wizard->setContent(first);
    QTRY_VERIFY(first->isVisible());

    // The page shown again, or no page, changes nothing.
    m_wizard->setContent(first);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("null page")));
    m_wizard->setContent(nullptr);
    QCOMPARE(m_wizard->content(), first.data());
    QVERIFY(first->isVisible());

    // A page taken from inside the shown one survives the replacement.
    m_wizard->setContent(inner);
    QVERIFY(first.isNull());
    QCOMPARE(m_wizard->content(), inner);
    QTRY_VERIFY(inner->isVisible());

    // A page the host deleted is simply gone.
    delete inner;
    QVERIFY(!m_wizard->content());
    auto* third = new QWidget;
    m_wizard->setContent(third);
    QCOMPARE(m_wizard->content(), third);
}

// Steps are numbered and only the first is open; indices outside the steps change nothing.
void TestWizard::badIndicesAreIgnored()
{
    util::Wizard empty;
    QSignalSpy emptySpy(&empty, &util::Wizard::signal_indexChanged);
    QSignalSpy indexSpy(m_wizard.get(), &util::Wizard::signal_indexChanged);
    for (int i = 0; i < 6; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no step")));
    empty.nextStep();
    empty.previousStep();
    empty.selectStep(0);
    m_wizard->selectStep(-1);
    m_wizard->selectStep(3);
    m_wizard->enableStep(7, true);
    m_wizard->tagStepAsComplete(-3, true);
    QVERIFY(!m_wizard->stepEnabled(3));
    QVERIFY(emptySpy.isEmpty() && indexSpy.isEmpty());
    QCOMPARE(step(1)->text(), QStringLiteral("2. Configure"));
    QVERIFY(step(0)->isChecked() && step(0)->isEnabled() && !step(1)->isEnabled() && !step(1)->isChecked());
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
