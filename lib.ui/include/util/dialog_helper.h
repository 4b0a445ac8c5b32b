#pragma once

#include <util/util_ui_export.h>

#include <QString>

class QLabel;
class QWidget;

namespace util {

/// Text helpers for dialog captions and loose comparisons of names.
class UTIL_UI_EXPORT DialogHelper
{
public:
    /**
     * Splits a camel-case identifier into words, keeping the case:
     * "exposureTime" gives "exposure Time", "MaxValue" "Max Value" and
     * "ROI2Width" "ROI2 Width". A text that is not well-formed UTF-16 (one with a lone
     * surrogate) comes back unchanged.
     */
    static QString fromCamelCase(const QString& text);
    /**
     * Lower-cases @p text and keeps only the ASCII letters and digits, for
     * comparing labels and names loosely: "Exposure Time (us)" gives
     * "exposuretimeus". Every other character, accented letters included, is dropped; so is a
     * lone surrogate, without disturbing its neighbours.
     */
    static QString prepareStr(const QString& text);
    /**
     * A caption label: @p text followed by three spaces, black, in "MS Shell
     * Dlg 2" at 9 points, with a white drop shadow offset by one pixel down
     * and right, and a bottom margin of 3. Owned by @p parent (the caller's
     * when @p parent is null).
     */
    static QLabel* shadowLabel(const QString& text, QWidget* parent);
};

} // namespace util
