// The signed and unsigned 64-bit validators on random ranges and texts. Every
// verdict is checked against a reading of the text that does not use Qt.
#include "fuzz_input.h"

#include <util/long_long_validator.h>

#include <optional>

namespace {

using fuzz::check;
using Number = __int128;

/**
 * The number that @p text stands for: an optional sign and ASCII digits, with white space
 * around them. Magnitudes beyond both 64-bit types are capped at 2^65, which is out of range
 * for either validator all the same.
 */
std::optional<Number> decimal(const QString& text)
{
    const QString t = text.trimmed();
    int i = 0;
    const bool negative = !t.isEmpty() && t.at(0) == QLatin1Char('-');
    if (!t.isEmpty() && (negative || t.at(0) == QLatin1Char('+')))
        ++i;
    if (i == t.size())
        return std::nullopt;
    const Number cap = Number(1) << 65;
    Number magnitude = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = qMin(cap, magnitude * 10 + (c - u'0'));
    }
    return negative ? -magnitude : magnitude;
}

QString render(Number n)
{
    QString digits;
    Number magnitude = n < 0 ? -n : n;
    do {
        digits.prepend(QChar(u'0' + int(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

// Runs validate() and checks that it leaves the text and the cursor alone and answers the same twice.
QValidator::State verdict(const QValidator& validator, const QString& text, int cursor)
{
    QString input = text;
    int pos = cursor;
    const QValidator::State state = validator.validate(input, pos);
    check(input == text && pos == cursor);
    check(validator.validate(input, pos) == state);
    return state;
}

void checkSigned(const util::LongLongValidator& validator, const QString& text, int cursor)
{
    const QValidator::State state = verdict(validator, text, cursor);
    const Number bottom = validator.bottom(), top = validator.top();
    const std::optional<Number> number = decimal(text);
    const bool space = text.contains(QLatin1Char(' '));
    const bool inRange = number && bottom <= *number && *number <= top;
    // Acceptable exactly when the text is a number inside [bottom, top].
    check((state == QValidator::Acceptable) == (!space && inRange));
    if (state != QValidator::Intermediate)
        return;
    check(!space);
    if (text.isEmpty() || (text == QLatin1String("-") && bottom < 0))
        return;
    // A partial number: more digits move it away from zero, towards the range.
    check(number && !inRange);
    check(*number >= 0 ? *number <= top : *number >= bottom);
}

void checkUnsigned(const util::ULongLongValidator& validator, const QString& text, int cursor)
{
    const QValidator::State state = verdict(validator, text, cursor);
    const std::optional<Number> number = decimal(text);
    const bool refused = text.contains(QLatin1Char(' ')) || text.contains(QLatin1Char('-'));
    const bool inRange = number && validator.bottom() <= *number && *number <= validator.top();
    check((state == QValidator::Intermediate) == text.isEmpty());
    check((state == QValidator::Acceptable) == (!refused && inRange));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    util::LongLongValidator signedValidator(nullptr);
    util::ULongLongValidator unsignedValidator(nullptr);
    // Decimal text with its neighbours: signs, white space, separators, hex digits, other scripts' digits.
    const QString alphabet = QStringLiteral("0123456789012345-+ \t\n,.ex\u00a0\u0660\u0969\uff11");

    while (!in.empty()) {
        switch (in.pick(4)) {
        case 0: {
            const qint64 bottom = in.integer<qint64>();
            signedValidator.setRange(bottom, in.integer<qint64>());
            break;
        }
        case 1: {
            const quint64 bottom = in.integer<quint64>();
            unsignedValidator.setRange(bottom, in.integer<quint64>());
            break;
        }
        case 2:
            // The bound setters keep the other bound.
            if (in.byte() & 1) {
                const qint64 top = signedValidator.top();
                signedValidator.setBottom(in.integer<qint64>());
                check(signedValidator.top() == top);
            } else {
                const quint64 bottom = unsignedValidator.bottom();
                unsignedValidator.setTop(in.integer<quint64>());
                check(unsignedValidator.bottom() == bottom);
            }
            break;
        default: {
            const QString text = in.text(alphabet, 24);
            const int cursor = in.pick(text.size() + 1);
            checkSigned(signedValidator, text, cursor);
            checkUnsigned(unsignedValidator, text, cursor);
            // The bounds and their neighbours, written out exactly.
            for (const Number bound : { Number(signedValidator.bottom()), Number(signedValidator.top()),
                     Number(unsignedValidator.bottom()), Number(unsignedValidator.top()) }) {
                for (const int delta : { -1, 0, 1 }) {
                    const QString exact = render(bound + delta);
                    checkSigned(signedValidator, exact, exact.size());
                    checkUnsigned(unsignedValidator, exact, exact.size());
                }
            }
            break;
        }
        }
    }
    return 0;
}
