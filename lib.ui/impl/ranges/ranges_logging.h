#pragma once

#include <QLoggingCategory>

/// Diagnostics of the range slider, circular slider and bit-range widget ("util.ranges").
Q_DECLARE_LOGGING_CATEGORY(lcRanges)
