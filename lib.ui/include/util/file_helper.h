#pragma once

#include <util/util_ui_export.h>

#include <QString>

namespace util {

/**
 * @brief Remembers across runs the folders where the user last opened or saved files.
 *
 * Four kinds of location live in the application's default QSettings store
 * (selected by the host's organisation and application names) under the keys
 * "saved_file_path", "saved_group_path", "saved_directory_path" and
 * "ccf_path". The save functions take a file path, with forward slashes (as
 * QFileDialog returns it) or backslashes, and keep its folder as
 * QFileInfo::path() gives it, written with forward slashes and computed on the
 * string alone: "C:/data/run1/profile.dat" keeps "C:/data/run1",
 * "C:\\data\\f.dat" keeps "C:/data", "/profile.dat" keeps "/", a bare name keeps
 * "". A stored value is read back exactly as stored; without one, or when it is
 * empty, the readers fall back to the first download folder (savedCcfPath()
 * first to the camera SDK's folder), or to an empty string when the platform
 * has none.
 */
class UTIL_UI_EXPORT FileHelper
{
public:
    /// Creates the application's writable data folder (AppDataLocation) with its parents when missing.
    static void createCache();

    /// Remembers the folder of the file @p path under "saved_file_path".
    static void saveFilePath(const QString& path);
    /// Remembers the folder of the file @p path under "saved_group_path".
    static void saveGroupPath(const QString& path);
    /// Remembers the directory @p path unchanged under "saved_directory_path"; an empty @p path reads as
    /// none.
    static void saveDirectoryPath(const QString& path);
    /// Remembers the folder of the camera configuration file @p path under "ccf_path".
    static void saveCcfPath(const QString& path);

    /// The folder saved by saveFilePath(), else (also when it is empty) the download folder.
    static QString savedFilePath();
    /// The folder saved by saveGroupPath(), else (also when it is empty) the download folder.
    static QString savedGroupPath();
    /// The directory saved by saveDirectoryPath(), else (also when it is empty) the download folder.
    static QString savedDirectoryPath();
    /**
     * The folder saved by saveCcfPath() unless empty; else, when the environment variable
     * VELMORADIR (the camera SDK's installation folder) is set and not empty,
     * its "CamFiles/User" subfolder written with the platform's separators
     * ("D:\SDK\CamFiles\User" on Windows); else the download folder.
     */
    static QString savedCcfPath();
};

} // namespace util
