#include <util/application_logger.h>

#include <QLoggingCategory>

#include <utility>

Q_LOGGING_CATEGORY(lcApplicationLog, "app.log", QtInfoMsg)

namespace util {
namespace {

ApplicationLogger::Sink& sink()
{
    static ApplicationLogger::Sink instance;
    return instance;
}

void deliver(ApplicationLogger::Severity severity, const QString& message, const QString& source)
{
    switch (severity) {
    case ApplicationLogger::Severity::Info:
        qCInfo(lcApplicationLog).noquote() << '[' + source + ']' << message;
        break;
    case ApplicationLogger::Severity::Warning:
        qCWarning(lcApplicationLog).noquote() << '[' + source + ']' << message;
        break;
    case ApplicationLogger::Severity::Error:
        qCCritical(lcApplicationLog).noquote() << '[' + source + ']' << message;
        break;
    }
    if (sink())
        sink()(severity, message, source);
}

} // namespace

void ApplicationLogger::sendInfo(const QString& message, const QString& source)
{
    deliver(Severity::Info, message, source);
}

void ApplicationLogger::sendWarning(const QString& message, const QString& source)
{
    deliver(Severity::Warning, message, source);
}

void ApplicationLogger::sendError(const QString& message, const QString& source)
{
    deliver(Severity::Error, message, source);
}

ApplicationLogger::Sink ApplicationLogger::setSink(Sink newSink)
{
    return std::exchange(sink(), std::move(newSink));
}

} // namespace util
