#include "log_capture.h"

#include <algorithm>

LogCapture::LogCapture()
{
    m_previous = util::ApplicationLogger::setSink(
        [this](util::ApplicationLogger::Severity severity, const QString& message, const QString& source) {
            m_entries.push_back({ severity, message, source });
        });
}

LogCapture::~LogCapture()
{
    util::ApplicationLogger::setSink(std::move(m_previous));
}

int LogCapture::count(util::ApplicationLogger::Severity severity) const
{
    return int(std::count_if(
        m_entries.begin(), m_entries.end(), [severity](const Entry& e) { return e.severity == severity; }));
}
