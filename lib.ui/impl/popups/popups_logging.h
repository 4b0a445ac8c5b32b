#pragma once

#include <QLoggingCategory>

/// Diagnostics of the slider popups ("util.popups").
Q_DECLARE_LOGGING_CATEGORY(lcPopups)
