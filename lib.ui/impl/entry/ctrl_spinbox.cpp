#include <util/ctrl_spinbox.h>

#include <QLocale>

#include <cmath>

namespace util {

namespace {

// Out of range is only Intermediate: the user may type past a bound and have it clamped.
template<typename N> QValidator::State lenientState(N number, N minimum, N maximum)
{
    return number < minimum || number > maximum ? QValidator::Intermediate : QValidator::Acceptable;
}

template<typename N> N clampToRange(N number, N minimum, N maximum)
{
    return qMax(qMin(number, maximum), minimum);
}

// Plain numbers are read and written in the widget's locale, as QDoubleSpinBox does; NaN and
// infinities count as unreadable and are left to QDoubleSpinBox, which refuses them.
bool readDouble(const QLocale& locale, const QString& input, double* number)
{
    bool ok = false;
    *number = locale.toDouble(input, &ok);
    return ok && std::isfinite(*number);
}

void stepAndFinish(QAbstractSpinBox* box, int steps)
{
    box->QAbstractSpinBox::stepBy(steps);
    emit box->editingFinished();
}

} // namespace

CtrlSpinbox::CtrlSpinbox(QWidget* parent)
    : QSpinBox(parent)
{ }

QValidator::State CtrlSpinbox::validate(QString& input, int& pos) const
{
    bool ok = false;
    const int number = input.toInt(&ok, displayIntegerBase());
    return ok ? lenientState(number, minimum(), maximum()) : QSpinBox::validate(input, pos);
}

void CtrlSpinbox::fixup(QString& input) const
{
    bool ok = false;
    const int number = input.toInt(&ok, displayIntegerBase());
    if (ok)
        input = QString::number(clampToRange(number, minimum(), maximum()), displayIntegerBase());
    else
        QSpinBox::fixup(input);
}

void CtrlSpinbox::stepBy(int steps)
{
    stepAndFinish(this, steps);
}

CtrlDoubleSpinbox::CtrlDoubleSpinbox(QWidget* parent)
    : QDoubleSpinBox(parent)
{ }

QValidator::State CtrlDoubleSpinbox::validate(QString& input, int& pos) const
{
    double number = 0.0;
    if (!readDouble(locale(), input, &number))
        return QDoubleSpinBox::validate(input, pos);
    return lenientState(number, minimum(), maximum());
}

void CtrlDoubleSpinbox::fixup(QString& input) const
{
    double number = 0.0;
    if (readDouble(locale(), input, &number))
        input = locale().toString(clampToRange(number, minimum(), maximum()), 'g', 6);
    QDoubleSpinBox::fixup(input);
}

void CtrlDoubleSpinbox::stepBy(int steps)
{
    stepAndFinish(this, steps);
}

void CtrlDoubleSpinbox::focusInEvent(QFocusEvent* event)
{
    emit signal_hasFocus();
    QDoubleSpinBox::focusInEvent(event);
}

} // namespace util
