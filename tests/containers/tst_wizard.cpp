// util::Wizard driven through its buttons: steps, navigation, marks, close and pages.
#include <util/wizard.h>

#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

class TestWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void newWizardForm();
    void addedStepsAreNumbered();
    void menuButtonsNavigate();
    void stepButtonsNavigate();
    void stepColours();
    void closeAsksTheHost();
    void pageReplacement();
    void badPagesAreIgnored();
    void badIndicesAreIgnored();

private:
    QPushButton* step(int index) const { return steps().value(index); }
    QList<QPushButton*> steps() const
    {
        return m_wizard->findChild<QFrame*>(QStringLiteral("flow"))->findChildren<QPushButton*>();
    }
    QPushButton* button(const char* name) const
    {
        return m_wizard->findChild<QPushButton*>(QLatin1String(name));
    }
    void addTwoSteps()
    {
        m_wizard->addStep(QStringLiteral("Connect"));
        m_wizard->addStep(QStringLiteral("Configure"));
    }

    std::unique_ptr<util::Wizard> m_wizard;
};

void TestWizard::init()
{
    m_wizard = std::make_unique<util::Wizard>();
    m_wizard->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_wizard.get()));
}

void TestWizard::cleanup()
{
    m_wizard.reset();
}

void TestWizard::newWizardForm()
{
    QCOMPARE(m_wizard->objectName(), QStringLiteral("Wizard"));
    QCOMPARE(m_wizard->windowTitle(), QStringLiteral("Wizard"));
    QCOMPARE(m_wizard->numberOfStep(), 0);
    QCOMPARE(m_wizard->selectedStep(), 0);
    QVERIFY(!m_wizard->content());
    QVERIFY(!m_wizard->previousEnabled());
    QVERIFY(!m_wizard->nextEnabled());
    QVERIFY(!m_wizard->closeIsShown());
    QCOMPARE(button("previous")->text(), QStringLiteral("Previous"));
    QCOMPARE(button("next")->text(), QStringLiteral("Next"));
    QCOMPARE(button("close_bt")->text(), QStringLiteral("Close"));
    QVERIFY(!button("close_bt")->isVisible());

    // Navigation without steps does nothing.
    QSignalSpy indexSpy(m_wizard.get(), &util::Wizard::signal_indexChanged);
    m_wizard->nextStep();
    m_wizard->previousStep();
    QCOMPARE(indexSpy.count(), 0);
}

void TestWizard::addedStepsAreNumbered()
{
    QSignalSpy indexSpy(m_wizard.get(), &util::Wizard::signal_indexChanged);
    addTwoSteps();
    QCOMPARE(indexSpy.count(), 0);
    QCOMPARE(m_wizard->numberOfStep(), 2);
    QCOMPARE(steps().size(), 2);
    QCOMPARE(step(0)->text(), QStringLiteral("1. Connect"));
    QCOMPARE(step(1)->text(), QStringLiteral("2. Configure"));
    QCOMPARE(step(1)->property("index").toInt(), 1);
    QVERIFY(step(0)->isEnabled());
    QVERIFY(step(0)->isChecked());
    QVERIFY(!step(1)->isEnabled());
    QVERIFY(!step(1)->isChecked());
    QVERIFY(m_wizard->stepEnabled(0));
    QVERIFY(!m_wizard->stepEnabled(1));
    QCOMPARE(m_wizard->selectedStep(), 0);
}

void TestWizard::menuButtonsNavigate()
{
    addTwoSteps();
    m_wizard->enableNext(true);
    QVERIFY(m_wizard->nextEnabled());
    QSignalSpy indexSpy(m_wizard.get(), &util::Wizard::signal_indexChanged);

    QTest::mouseClick(button("next"), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 1);
    QCOMPARE(indexSpy.takeFirst().at(0).toInt(), 1);
    QCOMPARE(m_wizard->selectedStep(), 1);
    QVERIFY(!step(0)->isChecked());
    QVERIFY(step(1)->isChecked());
    QVERIFY(m_wizard->nextEnabled());

    // At the last step Next only unchecks.
    QTest::mouseClick(button("next"), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 0);
    QCOMPARE(m_wizard->selectedStep(), 1);
    QVERIFY(!step(1)->isChecked());

    m_wizard->enablePrevious(true);
    QTest::mouseClick(button("previous"), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 1);
    QCOMPARE(indexSpy.takeFirst().at(0).toInt(), 0);
    QVERIFY(step(0)->isChecked());
    QVERIFY(!m_wizard->previousEnabled());

    // At the first step Previous only unchecks.
    m_wizard->previousStep();
    QCOMPARE(indexSpy.count(), 0);
    QCOMPARE(m_wizard->selectedStep(), 0);
    QVERIFY(!step(0)->isChecked());

    // Selecting the current step still announces it.
    m_wizard->selectStep(0);
    QCOMPARE(indexSpy.count(), 1);
    QVERIFY(step(0)->isChecked());
}

void TestWizard::stepButtonsNavigate()
{
    addTwoSteps();
    m_wizard->addStep(QStringLiteral("Deploy"));
    QSignalSpy indexSpy(m_wizard.get(), &util::Wizard::signal_indexChanged);

    // A disabled step cannot be clicked.
    QTest::mouseClick(step(2), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 0);

    m_wizard->enableStep(2, true);
    QVERIFY(m_wizard->stepEnabled(2));
    QTest::mouseClick(step(2), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 1);
    QCOMPARE(indexSpy.takeFirst().at(0).toInt(), 2);
    QCOMPARE(m_wizard->selectedStep(), 2);
    QVERIFY(!step(0)->isChecked());
    QVERIFY(step(2)->isChecked());

    // Clicking the current step keeps it checked.
    QTest::mouseClick(step(2), Qt::LeftButton);
    QCOMPARE(indexSpy.count(), 1);
    QVERIFY(step(2)->isChecked());

    m_wizard->enableStep(2, false);
    QVERIFY(!m_wizard->stepEnabled(2));
}

namespace {

// Whether some pixel of the rendered widget has (nearly) the given colour.
bool showsColour(QWidget* widget, const QColor& colour)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green())
                    + qAbs(pixel.blue() - colour.blue())
                < 30)
                return true;
        }
    }
    return false;
}

} // namespace

void TestWizard::stepColours()
{
    addTwoSteps();
    const QColor green(QStringLiteral("#1FFF00"));
    const QColor orange(QStringLiteral("orange"));
    QTRY_VERIFY(step(1)->isVisible() && !step(1)->size().isEmpty());
    QCOMPARE(step(1)->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::white));
    QCOMPARE(
        step(1)->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(QStringLiteral("gray")));
    QVERIFY(showsColour(step(0), orange));
    QVERIFY(!showsColour(step(1), orange));

    m_wizard->tagStepAsComplete(1, true);
    QCOMPARE(step(1)->palette().color(QPalette::Active, QPalette::ButtonText), green);
    m_wizard->enableStep(1, true);
    QVERIFY(showsColour(step(1), green));

    // The current step shows orange even when complete.
    m_wizard->tagStepAsComplete(0, true);
    QVERIFY(showsColour(step(0), orange));
    QVERIFY(!showsColour(step(0), green));

    m_wizard->tagStepAsComplete(1, false);
    QCOMPARE(step(1)->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::white));
    QVERIFY(!showsColour(step(1), green));
}

void TestWizard::closeAsksTheHost()
{
    addTwoSteps();
    QSignalSpy visibilitySpy(m_wizard.get(), &util::Wizard::signal_visibility);
    QSignalSpy closeSpy(m_wizard.get(), &util::Wizard::signal_close);
    QSignalSpy indexSpy(m_wizard.get(), &util::Wizard::signal_indexChanged);

    m_wizard->showClose(true);
    QVERIFY(m_wizard->closeIsShown());
    QVERIFY(button("close_bt")->isVisible());
    QVERIFY(!button("next")->isVisible());

    QTest::mouseClick(button("close_bt"), Qt::LeftButton);
    QCOMPARE(visibilitySpy.count(), 1);
    QCOMPARE(visibilitySpy.takeFirst().at(0).toBool(), false);
    QCOMPARE(closeSpy.count(), 0);
    QCOMPARE(indexSpy.count(), 0);
    QVERIFY(m_wizard->isVisible());

    m_wizard->showClose(false);
    QVERIFY(!m_wizard->closeIsShown());
    QVERIFY(button("next")->isVisible());

    // Through a QWidget pointer, hide() hides the window as usual.
    static_cast<QWidget*>(m_wizard.get())->hide();
    QVERIFY(!m_wizard->isVisible());
    QCOMPARE(visibilitySpy.count(), 0);
    m_wizard->showClose(true);
    QVERIFY(m_wizard->closeIsShown());
}

void TestWizard::pageReplacement()
{
    QPointer<QWidget> first = new QWidget;
    QPointer<QWidget> second = new QWidget;

    m_wizard->setContent(first);
    QCOMPARE(m_wizard->content(), first.data());
    QTRY_VERIFY(first->isVisible());
    QVERIFY(m_wizard->findChild<QFrame*>(QStringLiteral("content"))->isAncestorOf(first));

    m_wizard->setContent(second);
    QVERIFY(first.isNull());
    QCOMPARE(m_wizard->content(), second.data());
    QTRY_VERIFY(second->isVisible());

    // A page taken from inside the shown page survives the replacement.
    auto* child = new QWidget(second);
    m_wizard->setContent(child);
    QVERIFY(second.isNull());
    QCOMPARE(m_wizard->content(), child);

    // A page the host deleted is simply gone.
    delete child;
    QVERIFY(!m_wizard->content());
    auto* third = new QWidget;
    m_wizard->setContent(third);
    QCOMPARE(m_wizard->content(), third);
}

void TestWizard::badPagesAreIgnored()
{
    QPointer<QWidget> page = new QWidget;
    m_wizard->setContent(page);

    m_wizard->setContent(page);
    QVERIFY(!page.isNull());
    QCOMPARE(m_wizard->content(), page.data());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("null page")));
    m_wizard->setContent(nullptr);
    QVERIFY(!page.isNull());
    QCOMPARE(m_wizard->content(), page.data());
    QTRY_VERIFY(page->isVisible());
}

void TestWizard::badIndicesAreIgnored()
{
    QSignalSpy indexSpy(m_wizard.get(), &util::Wizard::signal_indexChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("selectStep: no step 0")));
    m_wizard->selectStep(0);

    addTwoSteps();
    const QRegularExpression noStep(QStringLiteral("no step"));
    for (int i = 0; i < 5; ++i)
        QTest::ignoreMessage(QtWarningMsg, noStep);
    m_wizard->selectStep(-1);
    m_wizard->selectStep(2);
    m_wizard->enableStep(7, true);
    m_wizard->tagStepAsComplete(-3, true);
    QVERIFY(!m_wizard->stepEnabled(2));

    QCOMPARE(indexSpy.count(), 0);
    QCOMPARE(m_wizard->selectedStep(), 0);
    QVERIFY(step(0)->isChecked());
    QVERIFY(!step(1)->isEnabled());
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
