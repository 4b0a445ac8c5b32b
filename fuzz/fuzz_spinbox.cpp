// The signed and unsigned 64-bit spin boxes under random prefixes, suffixes,
// bases (illegal ones included), ranges (inverted ones and the ends of the types
// included), locales, group separators, special-value texts, wrapping,
// correction modes and keyboard tracking, edited through their hooks, through
// typed keys and through text put into their line edit.
#include "fuzz_application.h"
#include "fuzz_input.h"

#include <util/ctrl_int64_spin_box.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace {

using fuzz::check;
using Number = __int128;

void key(QWidget& widget, int code, const QString& text = QString(), Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QCoreApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QCoreApplication::sendEvent(&widget, &release);
}

// The box with its line edit and step hook in reach.
template<class Box> class Probe : public Box
{
public:
    using Box::lineEdit;
    using Box::stepEnabled;
};

template<class Box> class Session
{
public:
    using T = decltype(std::declval<const Box&>().value());

    explicit Session(fuzz::Input& input)
        : in(input)
    { }

    void run()
    {
        while (!in.empty()) {
            const bool wasInRange = inRange(box.value());
            const T before = box.value();
            const int op = in.pick(18);
            switch (op) {
            case 0: setRange(); break;
            case 1: setAffix(&Box::setPrefix); break;
            case 2: setAffix(&Box::setSuffix); break;
            case 3: setBase(); break;
            case 4: box.setLocale(locale()); break;
            case 5: box.setGroupSeparatorShown(in.byte() & 1); break;
            case 6:
                box.setCorrectionMode(in.byte() & 1 ? QAbstractSpinBox::CorrectToNearestValue
                                                    : QAbstractSpinBox::CorrectToPreviousValue);
                break;
            case 7: box.setWrapping(in.byte() & 1); break;
            case 8: setSingleStep(); break;
            case 9: box.setSpecialValueText(in.byte() % 4 == 0 ? in.text(affixes, 2) : QString()); break;
            case 10: setValue(in.integer<T>()); break;
            // The edits of a user, from here on: none moves a value that lies in the range out of it.
            case 11: setValueText(); break;
            case 12: validateAndFixup(); break;
            case 13: type(); break;
            case 14: finishEdit(before, [&] { key(box, Qt::Key_Return); }); break;
            case 15: step(before); break;
            case 16: box.setKeyboardTracking(in.byte() & 1); break;
            default: putText(before); break;
            }
            if (op >= 11 && wasInRange)
                check(inRange(box.value()));
            check(box.displayIntegerBase() >= 2 && box.displayIntegerBase() <= 36);
        }
    }

private:
    bool ordered() const { return box.minimum() <= box.maximum(); }
    bool inRange(T v) const { return ordered() && box.minimum() <= v && v <= box.maximum(); }
    T clamp(Number v) const { return T(qBound(Number(box.minimum()), v, Number(box.maximum()))); }

    // After a finished edit, the value is the one before or a corrected one: inside the range, or
    // on one of the bounds of an inverted range, which has no inside.
    bool keptOrCorrected(T before) const
    {
        const T value = box.value();
        return value == before || inRange(value)
            || (!ordered() && (value == box.minimum() || value == box.maximum()));
    }

    // The text in the line edit is the box's rendering of its value.
    void checkShown(int line = __builtin_LINE()) const
    {
        check(box.lineEdit()->text() == box.displayedText(), line);
    }

    QLocale locale()
    {
        static const char* const names[] = { "C", "en_US", "de_DE", "fr_FR", "ar_EG", "hi_IN" };
        return QLocale(QLatin1String(names[in.pick(6)]));
    }

    void setAffix(void (Box::*setter)(const QString&))
    {
        (box.*setter)(in.text(affixes, 3));
        checkShown();
    }

    void setSingleStep()
    {
        const int step = in.integer<int>();
        box.setSingleStep(step);
        check(box.singleStep() == (step > 0 ? step : 1));
    }

    void setRange()
    {
        const T before = box.value();
        const T minimum = in.integer<T>();
        const T maximum = in.integer<T>();
        box.setRange(minimum, maximum);
        check(box.minimum() == minimum && box.maximum() == maximum);
        if (minimum < before && before < maximum)
            check(box.value() == before);
        else if (ordered())
            check(box.value() == clamp(before));
    }

    void setBase()
    {
        static const int bases[] = { 2, 8, 10, 16, 36, 0, 1, 37, -16 };
        const int previous = box.displayIntegerBase();
        const int base = in.byte() % 2 ? bases[in.pick(9)] : int(in.integer<int>());
        box.setDisplayIntegerBase(base);
        check(box.displayIntegerBase() == (base >= 2 && base <= 36 ? base : previous));
        if (base >= 2 && base <= 36)
            checkShown();
    }

    void setValue(T v)
    {
        box.setValue(v);
        check(box.value() == v);
        checkShown();
        // What the box shows for a value in range reads back as that value.
        if (!inRange(v) || !box.specialValueText().isEmpty())
            return;
        const QString shown = box.displayedText();
        check(validate(shown) == QValidator::Acceptable);
        box.setValueText(shown);
        check(box.value() == v);
        checkShown();
    }

    // Text of a number, often framed by the box's prefix and suffix.
    QString numberText()
    {
        const int frame = in.byte();
        return (frame & 1 ? box.prefix() : QString()) + in.text(digits, 24)
            + (frame & 2 ? box.suffix() : QString());
    }

    // validate() leaves its arguments alone and answers the same from its cache as afresh.
    QValidator::State validate(const QString& text)
    {
        QString input = text;
        int pos = text.size();
        const QValidator::State state = box.validate(input, pos);
        check(input == text && pos == text.size());
        check(box.validate(input, pos) == state);
        QString other = QStringLiteral("\u0001");
        box.validate(other, pos);
        check(box.validate(input, pos) == state);
        return state;
    }

    void setValueText()
    {
        const QString text = numberText();
        const T before = box.value();
        const QValidator::State state = text.isEmpty() ? QValidator::Intermediate : validate(text);
        box.setValueText(text);
        if (state == QValidator::Intermediate) {
            check(box.value() == before);
        } else if (state == QValidator::Acceptable) {
            // Acceptable text holds a number in the range, or the special-value text for the minimum.
            check(
                inRange(box.value()) || (!box.specialValueText().isEmpty() && box.value() == box.minimum()));
            checkShown();
        }
    }

    void validateAndFixup()
    {
        const QString text = numberText();
        validate(text);
        QString fixed = text;
        box.fixup(fixed);
        // fixup() only removes characters.
        int i = 0;
        for (const QChar c : text) {
            if (i < fixed.size() && fixed.at(i) == c)
                ++i;
        }
        check(i == fixed.size());
    }

    // Keys typed into the box: characters, deletions and cursor moves.
    void type()
    {
        const int count = in.pick(8) + 1;
        for (int k = 0; k < count; ++k) {
            switch (in.pick(6)) {
            case 0: key(box, Qt::Key_Backspace); break;
            case 1: key(box, Qt::Key_Delete); break;
            case 2: key(box, Qt::Key_Home); break;
            case 3: key(box, Qt::Key_A, QString(), Qt::ControlModifier); break;
            default: {
                const QString c = in.text(digits, 1);
                key(box, Qt::Key_unknown, c.isEmpty() ? QStringLiteral("1") : c);
                break;
            }
            }
        }
    }

    // Whether the box takes @p text as a number of its range (or as its special-value text), once
    // fixed up when refused.
    bool acceptable(QString text)
    {
        QValidator::State state = validate(text);
        if (state == QValidator::Invalid) {
            box.fixup(text);
            state = validate(text);
        }
        return state == QValidator::Acceptable;
    }

    // Whether the line edit holds text other than the display form that the box takes.
    bool pendingNumber()
    {
        return box.lineEdit()->text() != box.displayedText() && acceptable(box.lineEdit()->text());
    }

    // A finished edit reads text other than the display form: takes it when acceptable, else keeps
    // the value or corrects it after the correction mode; then the display form is shown.
    template<class Finish> void finishEdit(T before, Finish finish)
    {
        const bool read = box.lineEdit()->text() != box.displayedText();
        const bool taken = pendingNumber();
        finish();
        checkShown();
        const T value = box.value();
        if (taken)
            check(inRange(value) || (!box.specialValueText().isEmpty() && value == box.minimum()));
        else if (!read || box.correctionMode() == QAbstractSpinBox::CorrectToPreviousValue)
            check(value == before);
        else
            check(keptOrCorrected(before));
    }

    // Text that code puts into the line edit waits until interpretText() finishes the edit.
    void putText(T before)
    {
        box.lineEdit()->setText(numberText());
        check(box.value() == before);
        finishEdit(before, [&] { box.interpretText(); });
    }

    // A step by stepBy() or by the arrow keys lands where the arithmetic on whole numbers says.
    void step(T before)
    {
        // A number typed without keyboard tracking is where the step starts.
        const bool fromTyped = pendingNumber();
        int steps = 0;
        if (in.byte() & 1) {
            steps = in.byte() % 2 ? in.integer<int>() : int(in.byte() % 5) - 2;
            box.stepBy(steps);
        } else {
            static const int keys[] = { Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown };
            static const int keySteps[] = { 1, -1, 10, -10 };
            const int which = in.pick(4);
            const bool enabled = box.stepEnabled()
                & (keySteps[which] > 0 ? QAbstractSpinBox::StepUpEnabled : QAbstractSpinBox::StepDownEnabled);
            key(box, keys[which]);
            if (!enabled) {
                check(box.value() == before);
                return;
            }
            steps = keySteps[which];
        }
        if (!ordered()) {
            // An empty range has nowhere to step to; the finished edit may still correct the value.
            check(keptOrCorrected(before));
            return;
        }
        checkShown();
        if (fromTyped) {
            check(inRange(box.value()));
            return;
        }
        const Number target = Number(clamp(before)) + Number(box.singleStep()) * steps;
        const Number minimum = box.minimum(), span = Number(box.maximum()) - minimum + 1;
        Number expected = clamp(target);
        if (box.wrapping())
            expected = minimum + ((target - minimum) % span + span) % span;
        check(box.value() == T(expected));
    }

    fuzz::Input& in;
    Probe<Box> box;
    // Prefix and suffix material: letters, digits, signs, white space, a base prefix.
    const QString affixes = QStringLiteral("ab1-+ 0x\u00a0");
    // Typed material: digits of every base, signs, white space, the locales' separators and digits.
    const QString digits
        = QStringLiteral("0123456789abcdefxo-+ ,.'\u00a0\u202f\u066b\u066c\u0660\u0665\u0966\u096f");
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    fuzz::startApplication(*argv); // the spin boxes log refused bases on every input
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    if (in.byte() & 1)
        Session<util::CtrlUInt64SpinBox>(in).run();
    else
        Session<util::CtrlInt64SpinBox>(in).run();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
