#include <util/file_helper.h>

#include "containers/containers_logging.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace util {

namespace {

const QString filePathKey = QStringLiteral("saved_file_path");
const QString groupPathKey = QStringLiteral("saved_group_path");
const QString directoryPathKey = QStringLiteral("saved_directory_path");
const QString ccfPathKey = QStringLiteral("ccf_path");

// The folder part of a file path with forward slashes, by string operations only.
QString folderOf(const QString& path)
{
    QStringList parts = path.split(QLatin1Char('/'));
    parts.removeLast();
    return parts.join(QLatin1Char('/'));
}

void store(const QString& key, const QString& value)
{
    QSettings().setValue(key, value);
}

std::optional<QString> stored(const QString& key)
{
    const QSettings settings;
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key).toString();
}

QString downloadFolder()
{
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::DownloadLocation);
    return folders.isEmpty() ? QString() : folders.first();
}

} // namespace

void FileHelper::createCache()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        qCWarning(lcContainers) << "FileHelper::createCache: cannot create" << folder;
}

void FileHelper::saveFilePath(const QString& path)
{
    store(filePathKey, folderOf(path));
}

void FileHelper::saveGroupPath(const QString& path)
{
    store(groupPathKey, folderOf(path));
}

void FileHelper::saveDirectoryPath(const QString& path)
{
    store(directoryPathKey, path);
}

void FileHelper::saveCcfPath(const QString& path)
{
    store(ccfPathKey, folderOf(path));
}

QString FileHelper::savedFilePath()
{
    return stored(filePathKey).value_or(downloadFolder());
}

QString FileHelper::savedGroupPath()
{
    return stored(groupPathKey).value_or(downloadFolder());
}

QString FileHelper::savedDirectoryPath()
{
    return stored(directoryPathKey).value_or(downloadFolder());
}

QString FileHelper::savedCcfPath()
{
    if (std::optional<QString> folder = stored(ccfPathKey))
        return *folder;
    const QString sdk = qEnvironmentVariable("VELMORADIR");
    if (!sdk.isEmpty())
        return QDir::toNativeSeparators(QDir::fromNativeSeparators(sdk) + QStringLiteral("/CamFiles/User"));
    return downloadFolder();
}

} // namespace util
