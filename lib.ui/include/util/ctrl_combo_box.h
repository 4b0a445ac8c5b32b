#pragma once

#include <util/util_ui_export.h>

#include <QComboBox>

namespace util {

/**
 * @brief Combo box that shows an error text while no item is selected.
 *
 * While currentIndex() is -1 (no items, or the selection cleared) the box paints errorText()
 * where the current item's text would stand. Announces keyboard focus with signal_hasFocus().
 */
class UTIL_UI_EXPORT CtrlComboBox : public QComboBox
{
    Q_OBJECT

public:
    /// A combo box whose error text is "--Invalid Values--", in the application's language.
    explicit CtrlComboBox(QWidget* parent = nullptr);

    /**
     * The text shown while no item is selected. Until setErrorText() it is "--Invalid Values--",
     * translated again whenever the application's language changes (a translator installed or
     * removed).
     */
    QString errorText() const { return m_errorText; }
    /// Stores the text shown without a current item; it appears with the next paint. The host's
    /// text is kept as given across language changes.
    void setErrorText(const QString& text);

Q_SIGNALS:
    /// The box received keyboard focus.
    void signal_hasFocus();

protected:
    /// Translates the default error text again on QEvent::LanguageChange.
    void changeEvent(QEvent* event) override;
    /// Emits signal_hasFocus(), then takes the focus as QComboBox does (an editable box shows the
    /// cursor; Tab and Backtab select its text).
    void focusInEvent(QFocusEvent* event) override;
    /// Paints the box like QComboBox, with errorText() in place of a missing current item.
    void paintEvent(QPaintEvent* event) override;

private:
    static QString defaultErrorText();

    QString m_errorText;
    bool m_hostErrorText = false; // set by setErrorText(): no longer the translated default
};

} // namespace util
