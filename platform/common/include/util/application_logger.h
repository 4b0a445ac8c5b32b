// Stand-in for the companion common library's application logger.
#pragma once

#include <QString>

#include <functional>

namespace util {

/**
 * @brief The application-wide log.
 *
 * Each message goes to Qt's categorized logging under the category
 * "app.log" (info, warning or critical), prefixed with its source, and to the
 * sink installed with setSink(), if any. Call from the GUI thread.
 */
class ApplicationLogger
{
public:
    enum class Severity { Info, Warning, Error };
    /// Receives every message after it was logged: (severity, message, source).
    using Sink = std::function<void(Severity, const QString&, const QString&)>;

    static void sendInfo(const QString& message, const QString& source);
    static void sendWarning(const QString& message, const QString& source);
    static void sendError(const QString& message, const QString& source);

    /// Installs @p sink (an empty function removes it) and returns the previous one.
    static Sink setSink(Sink sink);
};

} // namespace util
