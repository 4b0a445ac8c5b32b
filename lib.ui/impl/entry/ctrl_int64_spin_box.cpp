#include <util/ctrl_int64_spin_box.h>

#include "entry/entry_logging.h"
#include "entry/int64_steps.h"
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
 * widget, @p T its value type. Arithmetic on values runs in quint64, where it is modular, so that
 * no step, headroom or magnitude overflows at either end of either type.
 */
template<class Box, typename T> class Int64SpinBoxCore
{
public:
    static constexpr bool isSigned = std::is_signed_v<T>;
    using Unsigned = quint64;

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

    static bool isNegative(T v)
    {
        if constexpr (isSigned)
            return v < 0;
        else
            return false;
    }

    T clamp(T v) const { return clampInt64(v, minimum, maximum); }

    QString textFromValue(T v) const
    {
        if (base == 10)
            return q->isGroupSeparatorShown() ? q->locale().toString(v) : QString::number(v);
        if (isNegative(v)) // the magnitude of the smallest value only fits the unsigned type
            return QLatin1Char('-') + QString::number(Unsigned(0) - Unsigned(v), base);
        return QString::number(v, base);
    }

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

    QValidator::State validate(const QString& input) const
    {
        const Basis basis = currentBasis();
        if (!cache.text.isEmpty() && cache.text == input && cache.basis == basis)
            return cache.state;
        const auto [state, interpreted] = interpret(input);
        cache = { input, basis, state, interpreted };
        return state;
    }

    void fixup(QString& input) const
    {
        if (!q->isGroupSeparatorShown())
            input.remove(q->locale().groupSeparator());
        const char* basePrefix = base == 2 ? "0b" : base == 8 ? "0o" : base == 16 ? "0x" : nullptr;
        if (basePrefix && input.startsWith(QLatin1String(basePrefix), Qt::CaseInsensitive))
            input.remove(0, 2);
    }

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
            setValue(cache.value);
    }

    void onEditingFinished()
    {
        QString text = q->lineEdit()->text();
        int pos = 0;
        if (text.isEmpty() || q->validate(text, pos) != QValidator::Intermediate)
            return;
        setValue(
            q->correctionMode() == QAbstractSpinBox::CorrectToPreviousValue ? value : clamp(cache.value));
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
    // Everything a verdict on a text depends on besides the text itself.
    struct Basis
    {
        T minimum;
        T maximum;
        T value;
        int base;
        QString prefix;
        QString suffix;
        QString specialValueText;
        QLocale locale;
        QAbstractSpinBox::CorrectionMode correctionMode;

        bool operator==(const Basis& o) const
        {
            return minimum == o.minimum && maximum == o.maximum && value == o.value && base == o.base
                && prefix == o.prefix && suffix == o.suffix && specialValueText == o.specialValueText
                && locale == o.locale && correctionMode == o.correctionMode;
        }
    };

    struct Verdict
    {
        QValidator::State state;
        T value;
    };

    struct Cache
    {
        QString text;
        Basis basis;
        QValidator::State state;
        T value;
    };

    Basis currentBasis() const
    {
        return { minimum, maximum, value, base, prefix, suffix, q->specialValueText(), q->locale(),
            q->correctionMode() };
    }

    Verdict interpret(const QString& input) const
    {
        QStringView core(input);
        if (!prefix.isEmpty() && core.startsWith(prefix))
            core = core.mid(prefix.size());
        if (!suffix.isEmpty() && core.endsWith(suffix))
            core.chop(suffix.size());
        core = core.trimmed();

        const QString special = q->specialValueText();
        if (!special.isEmpty() && core == special)
            return { QValidator::Acceptable, minimum };
        if (core.isEmpty())
            return { QValidator::Intermediate, minimum };
        if (isSigned && isNegative(minimum) && isLoneSign(core, QLatin1Char('-'), q->locale().negativeSign()))
            return { QValidator::Intermediate, value };
        if (!isNegative(maximum) && isLoneSign(core, QLatin1Char('+'), q->locale().positiveSign()))
            return { QValidator::Intermediate, value };

        bool ok = false;
        const T number = parse(core, &ok);
        if (!ok)
            return { QValidator::Invalid, value };
        if (minimum <= number && number <= maximum)
            return { QValidator::Acceptable, number };
        // More digits raise a non-negative number below the range or lower a negative one above it.
        if (isNegative(number) ? number >= minimum : number <= maximum)
            return { QValidator::Intermediate, number };
        return { QValidator::Invalid,
            q->correctionMode() == QAbstractSpinBox::CorrectToNearestValue ? clamp(number) : value };
    }

    bool isLoneSign(QStringView core, QChar ascii, QChar localeSign) const
    {
        return core.size() == 1 && (core[0] == ascii || (base == 10 && core[0] == localeSign));
    }

    static T toNumber(const QLocale& locale, QStringView text, bool* ok)
    {
        if constexpr (isSigned)
            return locale.toLongLong(text, ok);
        else
            return locale.toULongLong(text, ok);
    }

    T parse(QStringView core, bool* ok) const
    {
        if (base != 10) {
            if constexpr (isSigned)
                return core.toLongLong(ok, base);
            else
                return core.toULongLong(ok, base);
        }
        // The locale insists on its own grouping, which typing digit by digit breaks ("1,2345"):
        // what it refuses is read once more without the separators.
        const QLocale locale = q->locale();
        const T number = toNumber(locale, core, ok);
        if (*ok || !core.contains(locale.groupSeparator()))
            return number;
        QString plain = core.toString();
        plain.remove(locale.groupSeparator());
        return toNumber(locale, plain, ok);
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

    mutable Cache cache { {}, {}, QValidator::Invalid, 0 };
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
