#include <util/ctrl_combo_box.h>

#include <QEvent>
#include <QPainter>
#include <QStyleOptionComboBox>

namespace util {

CtrlComboBox::CtrlComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_errorText(defaultErrorText())
{ }

QString CtrlComboBox::defaultErrorText()
{
    return tr("--Invalid Values--");
}

void CtrlComboBox::setErrorText(const QString& text)
{
    m_errorText = text;
    m_hostErrorText = true;
}

void CtrlComboBox::changeEvent(QEvent* event)
{
    // QWidget repaints after a language change.
    if (event->type() == QEvent::LanguageChange && !m_hostErrorText)
        m_errorText = defaultErrorText();
    QComboBox::changeEvent(event);
}

void CtrlComboBox::focusInEvent(QFocusEvent* event)
{
    emit signal_hasFocus();
    QComboBox::focusInEvent(event);
}

void CtrlComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionComboBox option;
    option.initFrom(this);
    initStyleOption(&option);
    if (currentIndex() == -1)
        option.currentText = m_errorText;
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
}

} // namespace util
