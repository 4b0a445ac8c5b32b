#include <util/file_helper.h>

#include "containers/containers_logging.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace util {

namespace {

const QString filePathKey = QStringLiteral("saved_file_path");
const QString groupPathKey = QStringLiteral("saved_group_path");
const QString directoryPathKey = QStringLiteral("saved_directory_path");
const QString ccfPathKey = QStringLiteral("ccf_path");

// The folder of a file path, written with forward slashes: QFileInfo::path() once both separators
// read as "/" ("/profile.dat" keeps "/", "C:\data\f.dat" keeps "C:/data"). The file system is not
// consulted. A bare file name has no folder to keep, where QFileInfo would answer ".".
QString folderOf(QString path)
{
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.contains(QLatin1Char('/')) ? QFileInfo(path).path() : QString();
}

void store(const QString& key, const QString& value)
{
    QSettings().setValue(key, value);
}

// The stored folder; none when the key is missing or holds an empty string (a file saved without
// a folder, or a root file remembered by earlier versions), so that the fall-back applies.
std::optional<QString> stored(const QString& key)
{
    const QString value = QSettings().value(key).toString();
    if (value.isEmpty())
        return std::nullopt;
    return value;
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
