// The dialog helper's string functions on arbitrary UTF-16: lone and paired
// surrogates, characters whose case mapping lands in ASCII, letters of every script.
#include "fuzz_input.h"

#include <util/dialog_helper.h>

namespace {

using fuzz::check;

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool isAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// No lone surrogate: every high surrogate is followed by a low one, and every low one follows a high one.
bool wellFormed(const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return false;
    }
    return true;
}

void checkPrepareStr(const QString& text, const QString& more)
{
    const QString prepared = util::DialogHelper::prepareStr(text);
    for (const QChar c : prepared)
        check(isAsciiLetterOrDigit(c) && !c.isUpper());
    check(util::DialogHelper::prepareStr(prepared) == prepared);
    // Each character is judged alone, so the parts of a text give the parts of the result.
    check(util::DialogHelper::prepareStr(text + more) == prepared + util::DialogHelper::prepareStr(more));
    if (isAscii(text)) {
        QString expected;
        for (const QChar c : text) {
            if (isAsciiLetterOrDigit(c))
                expected += c.toLower();
        }
        check(prepared == expected);
    }
}

void checkFromCamelCase(const QString& text)
{
    const QString spaced = util::DialogHelper::fromCamelCase(text);
    check(util::DialogHelper::fromCamelCase(text) == spaced);
    // Only spaces are added, at most one in front of each character.
    check(spaced.size() <= 2 * text.size());
    QString withoutSpaces = text;
    withoutSpaces.remove(QLatin1Char(' '));
    QString spacedWithoutSpaces = spaced;
    spacedWithoutSpaces.remove(QLatin1Char(' '));
    check(spacedWithoutSpaces == withoutSpaces);
    // Words start at ASCII capitals and digits only.
    bool wordStart = false;
    for (const QChar c : text)
        wordStart = wordStart || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    if (!wordStart || !wellFormed(text))
        check(spaced == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    // Identifier material and characters with surprising case mappings: the Kelvin sign and the
    // dotted capital I lower-case into ASCII, the sharp s and the ligature upper-case into
    // several letters, Deseret letters need surrogate pairs.
    const QString alphabet
        = QStringLiteral("aZz09 _-(ROIxyW2)\u212a\u0130\u00df\ufb00\u00c9\u0660\U00010400\U00010428");
    const QString text = in.text(alphabet, 64);
    checkPrepareStr(text, in.text(alphabet, 16));
    checkFromCamelCase(text);
    return 0;
}
