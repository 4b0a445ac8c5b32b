#include "entry/entry_logging.h"

Q_LOGGING_CATEGORY(lcEntry, "util.entry", QtWarningMsg)
