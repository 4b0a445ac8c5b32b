#include "ranges/ranges_logging.h"

Q_LOGGING_CATEGORY(lcRanges, "util.ranges", QtWarningMsg)
