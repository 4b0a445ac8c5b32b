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
    const QString lower = text.toLower();
    QString result;
    result.reserve(lower.size());
    for (const QChar c : lower) {
        if (c.unicode() < 0x80 && c.isLetterOrNumber())
            result.append(c);
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
