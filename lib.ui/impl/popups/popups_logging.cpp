#include "popups/popups_logging.h"

Q_LOGGING_CATEGORY(lcPopups, "util.popups", QtWarningMsg)
