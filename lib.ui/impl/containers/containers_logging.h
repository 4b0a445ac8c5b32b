#pragma once

#include <QLoggingCategory>

/// Diagnostics of the wizard, containers and helpers ("util.containers").
Q_DECLARE_LOGGING_CATEGORY(lcContainers)
