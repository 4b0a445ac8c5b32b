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

// The digits behind the decimal point, counted as QDoubleSpinBox counts them.
int decimalsOf(const QLocale& locale, const QString& input)
{
    const int point = input.indexOf(locale.decimalPoint());
    return point < 0 ? 0 : input.size() - point - 1;
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

// In the range, QDoubleSpinBox judges the text, so that what it accepts is what it reads (it refuses
// more decimals than decimals()). Beyond the range a number waits for the fix-up, unless it has too
// many decimals as well.
QValidator::State CtrlDoubleSpinbox::validate(QString& input, int& pos) const
{
    double number = 0.0;
    if (!readDouble(locale(), input, &number)
        || lenientState(number, minimum(), maximum()) == QValidator::Acceptable)
        return QDoubleSpinBox::validate(input, pos);
    return decimalsOf(locale(), input) > decimals() ? QValidator::Invalid : QValidator::Intermediate;
}

// The clamped number is written as the box shows it: rounded to decimals(), like the bounds, so that
// it reads back inside the range.
void CtrlDoubleSpinbox::fixup(QString& input) const
{
    double number = 0.0;
    if (readDouble(locale(), input, &number))
        input = textFromValue(clampToRange(number, minimum(), maximum()));
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
