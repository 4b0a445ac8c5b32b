#include <util/ctrl_int64_spin_box.h>

#include "entry/entry_logging.h"
#include "entry/int64_steps.h"
#include "entry/int64_text.h"
#include "frame/value_types.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

#include <limits>
#include <type_traits>

namespace util {
namespace detail {

/**
 * The state of a 64-bit spin box and the work on its line edit, shared by the signed and the
 * unsigned box: @p Box is the widget, @p T its value type. Numbers are written, read and judged by
 * int64_text.h and stepped by int64_steps.h; this class keeps the value, its text and the verdict
 * on the last typed text in step.
 *
 * QAbstractSpinBox keeps its line edit to subclasses, so each box's private class, which the box
 * befriends, hands it over through lineEdit().
 */
template<class Box, typename T> class Int64SpinBoxState
{
public:
    explicit Int64SpinBoxState(Box* box)
        : q(box)
    {
        updateInputMethodHints();
    }
    virtual ~Int64SpinBoxState() = default;

    Box* const q;
    int base = 10;
    int singleStep = 1;
    QString prefix;
    QString suffix;
    T minimum = std::numeric_limits<T>::lowest();
    T maximum = std::numeric_limits<T>::max();
    T value = 0;

    QString textFromValue(T v) const { return formatInt64(v, base, q->locale(), q->isGroupSeparatorShown()); }

    QString displayedText() const
    {
        // The unsigned box accepts its special-value text but never shows it.
        if (isSigned && value == minimum && !q->specialValueText().isEmpty())
            return q->specialValueText();
        return prefix + q->cleanText() + suffix;
    }

    // What setValue() does to the line edit: show the value's display form, or leave the text the
    // user is typing alone until the edit finishes.
    enum class LineText { Display, AsTyped };

    // Stores @p v unclamped and shows it; emits the change signals when it changed. Screen readers
    // hear of a new value, and of a new text for the same value (another base, prefix or suffix).
    void setValue(T v, LineText lineText = LineText::Display)
    {
        const T old = value;
        value = v;
        const QString text = displayedText();
        const bool rewritten = lineText == LineText::Display && lineEdit()->text() != text;
        if (rewritten)
            lineEdit()->setText(text);
        if ((v != old || rewritten) && QAccessible::isActive()) {
            QAccessibleValueChangeEvent event(q, QVariant::fromValue(v));
            QAccessible::updateAccessibility(&event);
        }
        if (v != old) {
            q->update();
            emit q->valueChanged(v);
            emit q->valueChanged(text);
        }
    }

    // Rewrites the text after a change of how the value is shown, and asks for the room the new
    // texts need.
    void refresh()
    {
        setValue(value);
        q->updateGeometry();
    }

    void setRange(T min, T max)
    {
        minimum = min;
        maximum = max;
        // The signed box also refreshes the text of a value that sits on a bound.
        if (value < minimum || (isSigned && value == minimum))
            setValue(minimum);
        else if (value > maximum || (isSigned && value == maximum))
            setValue(maximum);
        updateInputMethodHints();
        q->updateGeometry();
    }

    void setSingleStep(int step) { singleStep = step > 0 ? step : 1; }

    void setAffix(QString& affix, const QString& text)
    {
        affix = text;
        refresh();
    }

    void setDisplayIntegerBase(int b)
    {
        if (b < 2 || b > 36) {
            qCWarning(lcEntry) << q->metaObject()->className() << "refuses display base" << b
                               << "(legal: 2 to 36), keeps" << base;
            return;
        }
        base = b;
        updateInputMethodHints();
        refresh();
    }

    void changeEvent(QEvent* event)
    {
        if (event->type() == QEvent::LocaleChange)
            refresh();
    }

    // Answers a text seen last time from the cache while nothing the verdict depends on changed.
    QValidator::State validate(const QString& text) const
    {
        const Int64Input<T> input = currentInput();
        if (!cache.text.isEmpty() && cache.text == text && cache.input == input)
            return cache.verdict.state;
        cache = { text, input, interpretInt64(text, input) };
        return cache.verdict.state;
    }

    void fixup(QString& text) const { fixupInt64(text, base, q->locale(), q->isGroupSeparatorShown()); }

    // Text handed over by the host: taken at once when acceptable, shown as the value it stands for
    // when refused, ignored while it waits for more digits.
    void setValueText(const QString& text)
    {
        if (text.isEmpty()) {
            showAffixes();
            return;
        }
        const Int64Verdict<T> verdict = judge(text);
        if (verdict.state != QValidator::Intermediate)
            setValue(verdict.value);
    }

    // What the user types stays as typed until the edit finishes; with keyboard tracking, a number
    // of the range becomes the value at once. Emptied text keeps the prefix and the suffix.
    void onTextEdited()
    {
        QString text = lineEdit()->text();
        int pos = 0;
        if (text.isEmpty())
            showAffixes();
        else if (q->keyboardTracking() && q->validate(text, pos) == QValidator::Acceptable)
            setValue(cache.verdict.value, LineText::AsTyped);
    }

    // Reads the text when it is not the value's display form (typed, or put into the line edit by
    // code) and shows the display form. A number waiting for more digits is corrected after
    // correctionMode().
    void interpretText()
    {
        QLineEdit* edit = lineEdit();
        const QString text = edit->text();
        if (text == displayedText())
            return;
        const bool selected = edit->hasSelectedText();
        const Int64Verdict<T> verdict = judge(text);
        if (verdict.state != QValidator::Intermediate)
            setValue(verdict.value);
        else if (q->correctionMode() == QAbstractSpinBox::CorrectToPreviousValue)
            setValue(value);
        else
            setValue(clampInt64(verdict.value, minimum, maximum));
        if (selected)
            selectNumber();
    }

    // A step starts from a number typed without keyboard tracking; text that is no number of the
    // range is dropped.
    void stepBy(int steps)
    {
        T from = value;
        if (lineEdit()->text() != displayedText()) {
            const Int64Verdict<T> typed = judge(lineEdit()->text());
            if (typed.state == QValidator::Acceptable)
                from = typed.value;
        }
        if (minimum <= maximum)
            setValue(stepInt64(from, minimum, maximum, qint64(singleStep) * steps, q->wrapping()));
        selectNumber();
        emit q->editingFinished();
    }

    // Focus by Tab or Backtab selects the number, as in QSpinBox, where QAbstractSpinBox, which
    // knows no prefix or suffix of this box, selected the whole text.
    void selectNumberOnTab(Qt::FocusReason reason)
    {
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            selectNumber();
    }

    QSize sizeHint() const { return sizeAround(lineEdit()->sizeHint().height()); }
    QSize minimumSizeHint() const { return sizeAround(lineEdit()->minimumSizeHint().height()); }

    QAbstractSpinBox::StepEnabled stepEnabled() const
    {
        if (q->isReadOnly() || minimum > maximum)
            return QAbstractSpinBox::StepNone;
        if (q->wrapping())
            return QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        // The signed box keeps the arrow towards a bound enabled while the value sits on it.
        QAbstractSpinBox::StepEnabled enabled = QAbstractSpinBox::StepNone;
        if (value < maximum || (isSigned && value == maximum))
            enabled |= QAbstractSpinBox::StepUpEnabled;
        if (value > minimum || (isSigned && value == minimum))
            enabled |= QAbstractSpinBox::StepDownEnabled;
        return enabled;
    }

protected:
    // What QAbstractSpinBox and the box keep to subclasses, handed over by each box's private class.
    virtual QLineEdit* lineEdit() const = 0;
    virtual QString boxTextFromValue(T v) const = 0; ///< the box's textFromValue(), maybe overridden
    virtual void initStyleOption(QStyleOptionSpinBox* option) const = 0;

private:
    static constexpr bool isSigned = std::is_signed_v<T>;

    // The last text validate() judged, with what the verdict depended on.
    struct Cache
    {
        QString text;
        Int64Input<T> input;
        Int64Verdict<T> verdict;
    };

    Int64Input<T> currentInput() const
    {
        return { minimum, maximum, value, base, prefix, suffix, q->specialValueText(), q->locale(),
            q->correctionMode() };
    }

    // The verdict on @p text, with one fix-up for refused text. Goes through the box's validate()
    // and fixup(), which a subclass may override.
    Int64Verdict<T> judge(QString text) const
    {
        int pos = 0;
        QValidator::State state = q->validate(text, pos);
        if (state == QValidator::Invalid) {
            q->fixup(text);
            state = q->validate(text, pos);
        }
        return { state, cache.verdict.value };
    }

    // What an on-screen keyboard offers: digits, as for QSpinBox, with a minus sign where the range
    // reaches below zero; above base 10 letters as well, numbers first, unchanged by capitals or
    // word prediction.
    void updateInputMethodHints()
    {
        if (base > 10)
            q->setInputMethodHints(
                Qt::ImhPreferNumbers | Qt::ImhLatinOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);
        else
            q->setInputMethodHints(minimum < T(0) ? Qt::ImhFormattedNumbersOnly : Qt::ImhDigitsOnly);
    }

    // The size of a box whose line edit is @p editHeight high and wide enough for the widest text of
    // the range, measured as QAbstractSpinBox measures a QSpinBox's: the number with prefix, suffix
    // and a space, or the special-value text where it is shown, and 2 pixels for the cursor.
    QSize sizeAround(int editHeight) const
    {
        q->ensurePolished();
        const QFontMetrics metrics = q->fontMetrics();
        int width = widestNumber(metrics) + metrics.horizontalAdvance(prefix + suffix + QLatin1Char(' '));
        if (isSigned)
            width = qMax(width, metrics.horizontalAdvance(q->specialValueText()));
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        return q->style()->sizeFromContents(QStyle::CT_SpinBox, &option, QSize(width + 2, editHeight), q);
    }

    // No value of the range has more digits than the bound of its sign, so a bound's text with each
    // digit made the widest digit of the base is at least as wide as that of any value (digits
    // differ in width: "m" is three times an "i" in base 36).
    int widestNumber(const QFontMetrics& metrics) const
    {
        const QString digits = int64Digits(base, q->locale(), q->isGroupSeparatorShown());
        const QChar widest = *std::max_element(digits.begin(), digits.end(),
            [&](QChar a, QChar b) { return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b); });
        int width = 0;
        for (const T bound : { minimum, maximum }) {
            QString text = boxTextFromValue(bound);
            width = qMax(width, metrics.horizontalAdvance(text));
            std::replace_if(
                text.begin(), text.end(), [&](QChar c) { return digits.contains(c); }, widest);
            width = qMax(width, metrics.horizontalAdvance(text));
        }
        return width;
    }

    // Emptied text: the prefix and the suffix, with the cursor between them.
    void showAffixes()
    {
        lineEdit()->setText(prefix + suffix);
        lineEdit()->setCursorPosition(prefix.size());
    }

    // Selects the number between prefix and suffix, or the whole special-value text.
    void selectNumber()
    {
        QLineEdit* edit = lineEdit();
        const QString text = edit->text();
        if (!text.startsWith(prefix) || !text.endsWith(suffix)
            || text.size() < prefix.size() + suffix.size()) {
            edit->selectAll();
            return;
        }
        edit->setSelection(prefix.size(), text.size() - suffix.size() - prefix.size());
    }

    mutable Cache cache { {}, {}, { QValidator::Invalid, 0 } };
};

} // namespace detail

class CtrlInt64SpinBoxPrivate final : public detail::Int64SpinBoxState<CtrlInt64SpinBox, qint64>
{
public:
    using Int64SpinBoxState::Int64SpinBoxState;

private:
    QLineEdit* lineEdit() const override { return q->lineEdit(); }
    QString boxTextFromValue(qint64 v) const override { return q->textFromValue(v); }
    void initStyleOption(QStyleOptionSpinBox* option) const override { q->initStyleOption(option); }
};

class CtrlUInt64SpinBoxPrivate final : public detail::Int64SpinBoxState<CtrlUInt64SpinBox, quint64>
{
public:
    using Int64SpinBoxState::Int64SpinBoxState;

private:
    QLineEdit* lineEdit() const override { return q->lineEdit(); }
    QString boxTextFromValue(quint64 v) const override { return q->textFromValue(v); }
    void initStyleOption(QStyleOptionSpinBox* option) const override { q->initStyleOption(option); }
};

// Each box forwards its members to its private object, one line each where it can.

// CtrlInt64SpinBox

CtrlInt64SpinBox::CtrlInt64SpinBox(QWidget* parent)
    : QAbstractSpinBox(parent)
    , d(std::make_unique<CtrlInt64SpinBoxPrivate>(this))
{
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { d->onTextEdited(); });
    connect(this, &QAbstractSpinBox::editingFinished, this, &CtrlInt64SpinBox::onEditingFinished);
}

CtrlInt64SpinBox::~CtrlInt64SpinBox() = default;

const int CtrlInt64SpinBox::valueTypeMetaId = detail::valueTypeMetaId();

void CtrlInt64SpinBox::changeEvent(QEvent* event)
{
    d->changeEvent(event);
    QAbstractSpinBox::changeEvent(event);
}

// clang-format off
CtrlInt64SpinBox::ValueType CtrlInt64SpinBox::value() const { return d->value; }
CtrlInt64SpinBox::ValueType CtrlInt64SpinBox::minimum() const { return d->minimum; }
CtrlInt64SpinBox::ValueType CtrlInt64SpinBox::maximum() const { return d->maximum; }
int CtrlInt64SpinBox::singleStep() const { return d->singleStep; }
int CtrlInt64SpinBox::displayIntegerBase() const { return d->base; }
QString CtrlInt64SpinBox::prefix() const { return d->prefix; }
QString CtrlInt64SpinBox::suffix() const { return d->suffix; }
QString CtrlInt64SpinBox::cleanText() const { return textFromValue(d->value); }
QString CtrlInt64SpinBox::displayedText() const { return d->displayedText(); }
QString CtrlInt64SpinBox::textFromValue(ValueType value) const { return d->textFromValue(value); }
void CtrlInt64SpinBox::setRange(ValueType min, ValueType max) { d->setRange(min, max); }
void CtrlInt64SpinBox::setSingleStep(int step) { d->setSingleStep(step); }
void CtrlInt64SpinBox::setPrefix(const QString& prefix) { d->setAffix(d->prefix, prefix); }
void CtrlInt64SpinBox::setSuffix(const QString& suffix) { d->setAffix(d->suffix, suffix); }
void CtrlInt64SpinBox::setDisplayIntegerBase(int base) { d->setDisplayIntegerBase(base); }
void CtrlInt64SpinBox::setValue(ValueType value) { d->setValue(value); }
void CtrlInt64SpinBox::setValueText(QString value_text) { d->setValueText(value_text); }
void CtrlInt64SpinBox::interpretText() { d->interpretText(); }
QValidator::State CtrlInt64SpinBox::validate(QString& input, int&) const { return d->validate(input); }
void CtrlInt64SpinBox::fixup(QString& input) const { d->fixup(input); }
void CtrlInt64SpinBox::stepBy(int steps) { d->stepBy(steps); }
QAbstractSpinBox::StepEnabled CtrlInt64SpinBox::stepEnabled() const { return d->stepEnabled(); }
QSize CtrlInt64SpinBox::sizeHint() const { return d->sizeHint(); }
QSize CtrlInt64SpinBox::minimumSizeHint() const { return d->minimumSizeHint(); }
void CtrlInt64SpinBox::onEditingFinished() { d->interpretText(); }
// clang-format on

void CtrlInt64SpinBox::setSpecialValueText(const QString& text)
{
    QAbstractSpinBox::setSpecialValueText(text);
    d->refresh();
}

void CtrlInt64SpinBox::setGroupSeparatorShown(bool shown)
{
    QAbstractSpinBox::setGroupSeparatorShown(shown);
    d->refresh();
}

void CtrlInt64SpinBox::focusInEvent(QFocusEvent* event)
{
    emit signal_hasFocus();
    QAbstractSpinBox::focusInEvent(event);
    d->selectNumberOnTab(event->reason());
}

// CtrlUInt64SpinBox

CtrlUInt64SpinBox::CtrlUInt64SpinBox(QWidget* parent)
    : QAbstractSpinBox(parent)
    , d(std::make_unique<CtrlUInt64SpinBoxPrivate>(this))
{
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { d->onTextEdited(); });
    connect(this, &QAbstractSpinBox::editingFinished, this, &CtrlUInt64SpinBox::onEditingFinished);
}

CtrlUInt64SpinBox::~CtrlUInt64SpinBox() = default;

const int CtrlUInt64SpinBox::valueTypeMetaId = detail::unsignedValueTypeMetaId();

void CtrlUInt64SpinBox::changeEvent(QEvent* event)
{
    d->changeEvent(event);
    QAbstractSpinBox::changeEvent(event);
}

// clang-format off
CtrlUInt64SpinBox::UnsignedValueType CtrlUInt64SpinBox::value() const { return d->value; }
CtrlUInt64SpinBox::UnsignedValueType CtrlUInt64SpinBox::minimum() const { return d->minimum; }
CtrlUInt64SpinBox::UnsignedValueType CtrlUInt64SpinBox::maximum() const { return d->maximum; }
int CtrlUInt64SpinBox::singleStep() const { return d->singleStep; }
int CtrlUInt64SpinBox::displayIntegerBase() const { return d->base; }
QString CtrlUInt64SpinBox::prefix() const { return d->prefix; }
QString CtrlUInt64SpinBox::suffix() const { return d->suffix; }
QString CtrlUInt64SpinBox::cleanText() const { return textFromValue(d->value); }
QString CtrlUInt64SpinBox::displayedText() const { return d->displayedText(); }
QString CtrlUInt64SpinBox::textFromValue(UnsignedValueType value) const { return d->textFromValue(value); }
void CtrlUInt64SpinBox::setRange(UnsignedValueType min, UnsignedValueType max) { d->setRange(min, max); }
void CtrlUInt64SpinBox::setSingleStep(int step) { d->setSingleStep(step); }
void CtrlUInt64SpinBox::setPrefix(const QString& prefix) { d->setAffix(d->prefix, prefix); }
void CtrlUInt64SpinBox::setSuffix(const QString& suffix) { d->setAffix(d->suffix, suffix); }
void CtrlUInt64SpinBox::setDisplayIntegerBase(int base) { d->setDisplayIntegerBase(base); }
void CtrlUInt64SpinBox::setValue(UnsignedValueType value) { d->setValue(value); }
void CtrlUInt64SpinBox::setValueText(QString value_text) { d->setValueText(value_text); }
void CtrlUInt64SpinBox::interpretText() { d->interpretText(); }
QValidator::State CtrlUInt64SpinBox::validate(QString& input, int&) const { return d->validate(input); }
void CtrlUInt64SpinBox::fixup(QString& input) const { d->fixup(input); }
void CtrlUInt64SpinBox::stepBy(int steps) { d->stepBy(steps); }
QAbstractSpinBox::StepEnabled CtrlUInt64SpinBox::stepEnabled() const { return d->stepEnabled(); }
QSize CtrlUInt64SpinBox::sizeHint() const { return d->sizeHint(); }
QSize CtrlUInt64SpinBox::minimumSizeHint() const { return d->minimumSizeHint(); }
void CtrlUInt64SpinBox::onEditingFinished() { d->interpretText(); }
// clang-format on

void CtrlUInt64SpinBox::setGroupSeparatorShown(bool shown)
{
    QAbstractSpinBox::setGroupSeparatorShown(shown);
    d->refresh();
}

void CtrlUInt64SpinBox::focusInEvent(QFocusEvent* event)
{
    emit signal_hasFocus();
    QAbstractSpinBox::focusInEvent(event);
    d->selectNumberOnTab(event->reason());
}

} // namespace util
