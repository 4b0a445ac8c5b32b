#pragma once

#include <util/util_ui_export.h>

#include <QWidget>

#include <memory>

namespace util {

class WizardPrivate;

/**
 * @brief A step-by-step frame for guided workflows.
 *
 * A blue bar of numbered step buttons at the top, a content area that shows
 * one page at a time, and a blue menu bar with Previous, Next and Close at the
 * bottom. The wizard knows nothing about what a step does: it keeps the steps,
 * the current one, which are enabled and which are marked complete, and tells
 * the host through signal_indexChanged() when the user changes step and
 * through signal_visibility(false) when the user asks to close. The host
 * answers with setContent(), enableStep() and tagStepAsComplete().
 *
 * Step indices run from 0 to numberOfStep() - 1. Calls with an index outside
 * that range are ignored (queries answer false) and logged as a warning.
 */
class UTIL_UI_EXPORT Wizard : public QWidget
{
    Q_OBJECT

public:
    /// Builds the "Wizard" form: no steps, Previous and Next disabled, Close hidden.
    explicit Wizard(QWidget* parent = nullptr);
    ~Wizard() override;

    /**
     * Appends a step button labelled "<n>. @p name", numbered from 1. Only the
     * first step starts enabled; it also becomes the current (checked) step.
     * Emits nothing.
     */
    void addStep(const QString& name);
    /// The number of steps added; 0 for a new wizard.
    int numberOfStep() const;
    /// The index of the current step, or 0 when there is no step.
    int selectedStep() const;

    /// Makes step @p index current and checked and emits signal_indexChanged(),
    /// also when it already was current.
    void selectStep(int index);
    /**
     * Moves to the following step and emits signal_indexChanged(). At the last
     * step the current button is only unchecked and nothing is emitted. Does
     * not change whether Previous or Next are enabled. Called by Next.
     */
    void nextStep();
    /**
     * Moves to the preceding step, enables Previous unless that is the first
     * step, and emits signal_indexChanged(). At the first step the current
     * button is only unchecked and nothing is emitted. Called by Previous.
     */
    void previousStep();

    /// Enables or disables the step button at @p index.
    void enableStep(int index, bool enabled);
    /// Whether the step button at @p index is enabled; false for an unknown index.
    bool stepEnabled(int index);
    /// Shows the step at @p index in green ("#1FFF00") when @p complete, else in white.
    /// The current step is shown in orange either way, a disabled one in gray.
    void tagStepAsComplete(int index, bool complete);

    /// Enables or disables the Next button; disabled at construction.
    void enableNext(bool enabled);
    /// @see enableNext()
    bool nextEnabled() const;
    /// Enables or disables the Previous button; disabled at construction.
    void enablePrevious(bool enabled);
    /// @see enablePrevious()
    bool previousEnabled() const;
    /// Shows Close in place of Next when @p show is true, and Next in place of Close otherwise.
    void showClose(bool show);
    /// Whether the Close button is shown (also while the wizard itself is hidden); false at construction.
    bool closeIsShown() const;

    /**
     * Emits signal_visibility(false) and leaves the widget as it is: the host
     * hides it in response. Called by Close. Hides QWidget::hide(), which is
     * still reached through a QWidget pointer.
     */
    void hide();

    /**
     * Shows @p page in the content area. The previous page loses all its
     * outgoing connections and is deleted, together with anything else the
     * content area held; the wizard takes ownership of @p page.
     * A null page or the page already shown is ignored. Invokable, so that a form
     * loaded at run time (QUiLoader) hands the wizard its page.
     * @see content()
     */
    Q_INVOKABLE void setContent(QWidget* page);
    /// The page shown, or null before the first setContent() or once the page was deleted.
    QWidget* content();

protected:
    /**
     * On QEvent::LanguageChange (a translator installed or removed) translates Previous, Next,
     * Close and the form's window title again; a window title the host set is left alone.
     */
    void changeEvent(QEvent* event) override;

Q_SIGNALS:
    /// The current step changed to @p value, by the user or by the navigation calls.
    void signal_indexChanged(int value);
    /// For the host's own use; the wizard never emits it.
    void signal_close(bool value);
    /// The user asked to close the wizard (@p value false).
    void signal_visibility(bool value);

private:
    std::unique_ptr<WizardPrivate> const d;
};

} // namespace util
