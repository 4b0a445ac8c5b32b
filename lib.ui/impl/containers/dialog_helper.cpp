#include <util/dialog_helper.h>

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QRegularExpression>

namespace util {

QString DialogHelper::fromCamelCase(const QString& text)
{
    static const QRegularExpression wordStart(QStringLiteral("(.)([A-Z0-9][a-z]+)"));
    static const QRegularExpression lowerUpper(QStringLiteral("([a-z0-9])([A-Z])"));
    QString result = text;
    result.replace(wordStart, QStringLiteral("\\1 \\2"));
    result.replace(lowerUpper, QStringLiteral("\\1 \\2"));
    return result;
}

QString DialogHelper::prepareStr(const QString& text)
{
    QString result;
    result.reserve(text.size());
    // One unit at a time: lower-casing the whole text would pair a lone high surrogate with the
    // character behind it and garble the rest. Surrogates never give ASCII; the full mappings do
    // (the dotted capital I gives "i" and a combining dot).
    for (const QChar c : text) {
        for (const QChar lower : QString(c).toLower()) {
            if (lower.unicode() < 0x80 && lower.isLetterOrNumber())
                result.append(lower);
        }
    }
    return result;
}

QLabel* DialogHelper::shadowLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 9, QFont::Normal, false));
    label->setContentsMargins(0, 0, 0, 3);
    label->setStyleSheet(QStringLiteral("QLabel { color : black; }"));
    auto* shadow = new QGraphicsDropShadowEffect(label);
    shadow->setColor(QColor(QStringLiteral("#FFFFFF")));
    shadow->setBlurRadius(0);
    shadow->setOffset(1.0, 1.0);
    label->setGraphicsEffect(shadow);
    label->setText(text + QStringLiteral("   "));
    return label;
}

} // namespace util
