#include "containers/containers_logging.h"

Q_LOGGING_CATEGORY(lcContainers, "util.containers", QtWarningMsg)
