#include <util/ctrl_int64_spin_box.h>

#include "entry/entry_logging.h"
#include "entry/int64_steps.h"
#include "entry/int64_text.h"
#include "frame/value_types.h"

#include <QEvent>
#include <QLineEdit>
#include <QLocale>

#include <limits>
#include <type_traits>

namespace util {
namespace detail {

/**
 * The state and behaviour shared by the signed and the unsigned 64-bit spin box. @p Box is the
 * widget, @p T its value type. Numbers are written, read and stepped by the functions of
 * int64_text.h and int64_steps.h.
 */
template<class Box, typename T> class Int64SpinBoxCore
{
public:
    static constexpr bool isSigned = std::is_signed_v<T>;

    explicit Int64SpinBoxCore(Box* box)
        : q(box)
    {
        QObject::connect(q->lineEdit(), &QLineEdit::textEdited, q, [this] { onTextEdited(); });
        QObject::connect(q, &QAbstractSpinBox::editingFinished, q, &Box::onEditingFinished);
    }

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
        if constexpr (isSigned) {
            if (value == minimum && !q->specialValueText().isEmpty())
                return q->specialValueText();
        }
        return prefix + q->textFromValue(value) + suffix;
    }

    void setValue(T v)
    {
        const T old = value;
        value = v;
        const QString text = displayedText();
        if (q->lineEdit()->text() != text)
            q->lineEdit()->setText(text);
        if (v != old) {
            q->update();
            emit q->valueChanged(v);
            emit q->valueChanged(text);
        }
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
    }

    void setSingleStep(int step) { singleStep = step > 0 ? step : 1; }

    void setDisplayIntegerBase(int b)
    {
        if (b < 2 || b > 36) {
            qCWarning(lcEntry) << q->metaObject()->className() << "refuses display base" << b
                               << "(legal: 2 to 36), keeps" << base;
            return;
        }
        base = b;
        setValue(value);
    }

    void setAffix(QString& affix, const QString& text)
    {
        affix = text;
        setValue(value);
    }

    QValidator::State validate(const QString& text) const
    {
        const Int64Input<T> input = currentInput();
        if (!cache.text.isEmpty() && cache.text == text && cache.input == input)
            return cache.verdict.state;
        cache = { text, input, interpretInt64(text, input) };
        return cache.verdict.state;
    }

    void fixup(QString& text) const { fixupInt64(text, base, q->locale(), q->isGroupSeparatorShown()); }

    void setValueText(QString text)
    {
        QLineEdit* edit = q->lineEdit();
        if (text.isEmpty()) {
            edit->setText(prefix + suffix);
            edit->setCursorPosition(prefix.size());
            return;
        }
        int pos = 0;
        QValidator::State state = q->validate(text, pos);
        if (state == QValidator::Invalid) {
            q->fixup(text);
            state = q->validate(text, pos);
        }
        if (state != QValidator::Intermediate)
            setValue(cache.verdict.value);
    }

    void onEditingFinished()
    {
        QString text = q->lineEdit()->text();
        int pos = 0;
        if (text.isEmpty() || q->validate(text, pos) != QValidator::Intermediate)
            return;
        setValue(q->correctionMode() == QAbstractSpinBox::CorrectToPreviousValue
                ? value
                : clampInt64(cache.verdict.value, minimum, maximum));
    }

    void stepBy(int steps)
    {
        if (minimum <= maximum)
            setValue(stepInt64(value, minimum, maximum, qint64(singleStep) * steps, q->wrapping()));
        selectValueText();
        emit q->editingFinished();
    }

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

private:
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

    void selectValueText()
    {
        QLineEdit* edit = q->lineEdit();
        const QString text = edit->text();
        if (!text.startsWith(prefix) || !text.endsWith(suffix)
            || text.size() < prefix.size() + suffix.size()) {
            edit->selectAll(); // the special-value text
            return;
        }
        edit->setSelection(prefix.size(), text.size() - suffix.size() - prefix.size());
    }

    void onTextEdited()
    {
        QLineEdit* edit = q->lineEdit();
        const QString typed = edit->text();
        const int behindCursor = typed.size() - edit->cursorPosition();
        setValueText(typed);
        // A rewrite to the canonical form keeps the cursor in front of the same trailing text.
        if (!typed.isEmpty() && edit->text() != typed)
            edit->setCursorPosition(qMax(0, edit->text().size() - behindCursor));
    }

    mutable Cache cache { {}, {}, { QValidator::Invalid, 0 } };
};

} // namespace detail

class CtrlInt64SpinBoxPrivate : public detail::Int64SpinBoxCore<CtrlInt64SpinBox, qint64>
{
public:
    using Int64SpinBoxCore::Int64SpinBoxCore;
};

class CtrlUInt64SpinBoxPrivate : public detail::Int64SpinBoxCore<CtrlUInt64SpinBox, quint64>
{
public:
    using Int64SpinBoxCore::Int64SpinBoxCore;
};

// clang-format off
// The two boxes are one design over two value types: every member forwards to the shared core.
#define UTIL_UI_DEFINE_INT64_SPIN_BOX(Box, T)                                                           \
    Box::Box(QWidget* parent) : QAbstractSpinBox(parent), d(std::make_unique<Box##Private>(this)) { }    \
    Box::~Box() = default;                                                                               \
    T Box::value() const { return d->value; }                                                           \
    T Box::minimum() const { return d->minimum; }                                                       \
    T Box::maximum() const { return d->maximum; }                                                       \
    int Box::singleStep() const { return d->singleStep; }                                               \
    int Box::displayIntegerBase() const { return d->base; }                                             \
    QString Box::prefix() const { return d->prefix; }                                                   \
    QString Box::suffix() const { return d->suffix; }                                                   \
    QString Box::cleanText() const { return textFromValue(d->value); }                                  \
    QString Box::displayedText() const { return d->displayedText(); }                                   \
    QString Box::textFromValue(T value) const { return d->textFromValue(value); }                       \
    void Box::setValue(T value) { d->setValue(value); }                                                 \
    void Box::setValueText(QString value_text) { d->setValueText(std::move(value_text)); }              \
    void Box::setRange(T minimum, T maximum) { d->setRange(minimum, maximum); }                         \
    void Box::setSingleStep(int step) { d->setSingleStep(step); }                                       \
    void Box::setPrefix(const QString& prefix) { d->setAffix(d->prefix, prefix); }                      \
    void Box::setSuffix(const QString& suffix) { d->setAffix(d->suffix, suffix); }                      \
    void Box::setDisplayIntegerBase(int base) { d->setDisplayIntegerBase(base); }                       \
    QValidator::State Box::validate(QString& input, int&) const { return d->validate(input); }          \
    void Box::fixup(QString& input) const { d->fixup(input); }                                          \
    void Box::stepBy(int steps) { d->stepBy(steps); }                                                   \
    QAbstractSpinBox::StepEnabled Box::stepEnabled() const { return d->stepEnabled(); }                 \
    void Box::onEditingFinished() { d->onEditingFinished(); }                                           \
    void Box::focusInEvent(QFocusEvent*) { emit signal_hasFocus(); }                                    \
    void Box::changeEvent(QEvent* event)                                                                \
    {                                                                                                   \
        if (event->type() == QEvent::LocaleChange)                                                      \
            d->setValue(d->value);                                                                      \
        QAbstractSpinBox::changeEvent(event);                                                           \
    }
// clang-format on

UTIL_UI_DEFINE_INT64_SPIN_BOX(CtrlInt64SpinBox, CtrlInt64SpinBox::ValueType)
UTIL_UI_DEFINE_INT64_SPIN_BOX(CtrlUInt64SpinBox, CtrlUInt64SpinBox::UnsignedValueType)

#undef UTIL_UI_DEFINE_INT64_SPIN_BOX

const int CtrlInt64SpinBox::valueTypeMetaId = detail::valueTypeMetaId();
const int CtrlUInt64SpinBox::valueTypeMetaId = detail::unsignedValueTypeMetaId();

} // namespace util
