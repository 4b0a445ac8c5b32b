#pragma once

#include <QLoggingCategory>

/// Diagnostics of the entry controls: spin boxes, validators, text and combo boxes ("util.entry").
Q_DECLARE_LOGGING_CATEGORY(lcEntry)
