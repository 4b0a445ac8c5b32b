#pragma once

#include <util/application_logger.h>

#include <QString>
#include <QVector>

/// Records what reaches util::ApplicationLogger while it lives.
class LogCapture
{
public:
    struct Entry
    {
        util::ApplicationLogger::Severity severity;
        QString message;
        QString source;
    };

    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const QVector<Entry>& entries() const { return m_entries; }
    int count(util::ApplicationLogger::Severity severity) const;
    void clear() { m_entries.clear(); }

private:
    QVector<Entry> m_entries;
    util::ApplicationLogger::Sink m_previous;
};
