// util::DialogHelper's texts; util::FileHelper's remembered folders in an isolated store.
#include <util/dialog_helper.h>
#include <util/file_helper.h>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString downloads()
{
    return QStandardPaths::standardLocations(QStandardPaths::DownloadLocation).value(0);
}

} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void texts_data();
    void texts();
    void savedFolders_data();
    void savedFolders();
    void emptyStoredFoldersFallBack();
    void ccfFallbacks();
    void createCache();

private:
    QTemporaryDir m_root;
};

void TestHelpers::initTestCase()
{
    QVERIFY(m_root.isValid());
    // Everything the helpers read or write lives under the temporary folder.
    qputenv("XDG_CONFIG_HOME", m_root.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_root.filePath(QStringLiteral("data")).toLocal8Bit());
    QSettings::setPath(
        QSettings::NativeFormat, QSettings::UserScope, m_root.filePath(QStringLiteral("settings")));
    QCoreApplication::setOrganizationName(QStringLiteral("util-ui-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_helpers"));
}

void TestHelpers::init()
{
    QSettings().clear();
    qunsetenv("VELMORADIR");
}

void TestHelpers::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("camel");
    QTest::addColumn<QString>("expected");
    QTest::newRow("camel, lower start") << "exposureTime" << true << "exposure Time";
    QTest::newRow("camel, upper start") << "MaxValue" << true << "Max Value";
    QTest::newRow("camel, acronym and digit") << "ROI2Width" << true << "ROI2 Width";
    QTest::newRow("camel, empty") << "" << true << "";
    QTest::newRow("camel, lone surrogate") << QStringLiteral("exposureTime") + QChar(0xDC00) << true
                                           << QStringLiteral("exposureTime") + QChar(0xDC00);
    QTest::newRow("prepare, caption") << "Exposure Time (us)" << false << "exposuretimeus";
    QTest::newRow("prepare, Latin-1") << QString::fromUtf8("Größe 2 µm") << false << "gre2m";
    QTest::newRow("prepare, beyond Latin-1") << QString::fromUtf8("Ω1 温度 \U0001D400") << false << "1";
    QTest::newRow("prepare, lone surrogate")
        << QStringLiteral("\u0130ST") + QChar(0xD801) + QStringLiteral("bC") << false << "istbc";
}

void TestHelpers::texts()
{
    QFETCH(QString, text);
    QFETCH(bool, camel);
    QFETCH(QString, expected);
    QCOMPARE(
        camel ? util::DialogHelper::fromCamelCase(text) : util::DialogHelper::prepareStr(text), expected);
}

void TestHelpers::savedFolders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected"); // stored and read back; empty: stored, read as not saved
    QTest::newRow("file") << "C:/data/run1/profile.dat" << 0 << "C:/data/run1";
    QTest::newRow("file, bare name") << "profile.dat" << 0 << "";
    QTest::newRow("file, trailing slash") << "C:/data/" << 0 << "C:/data";
    QTest::newRow("file in the root") << "/profile.dat" << 0 << "/";
    QTest::newRow("file, backslashes") << "C:\\data\\f.dat" << 0 << "C:/data";
    QTest::newRow("file, mixed separators") << "C:\\data/run1\\f.dat" << 0 << "C:/data/run1";
    QTest::newRow("file, network share") << "\\\\server\\share\\f.dat" << 0 << "//server/share";
    QTest::newRow("group") << "/home/op/groups/line3.grp" << 1 << "/home/op/groups";
    QTest::newRow("group in the root") << "/line3.grp" << 1 << "/";
    QTest::newRow("directory, unchanged") << "/home/op/exports/" << 2 << "/home/op/exports/";
    QTest::newRow("directory, empty") << "" << 2 << "";
    QTest::newRow("ccf") << "/opt/cam/user/left.ccf" << 3 << "/opt/cam/user";
    QTest::newRow("ccf, backslashes") << "D:\\cam\\left.ccf" << 3 << "D:/cam";
}

void TestHelpers::savedFolders()
{
    QFETCH(QString, path);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    using Save = void (*)(const QString&);
    using Read = QString (*)();
    const Save save[] = { util::FileHelper::saveFilePath, util::FileHelper::saveGroupPath,
        util::FileHelper::saveDirectoryPath, util::FileHelper::saveCcfPath };
    const Read read[] = { util::FileHelper::savedFilePath, util::FileHelper::savedGroupPath,
        util::FileHelper::savedDirectoryPath, util::FileHelper::savedCcfPath };
    const char* const keys[] = { "saved_file_path", "saved_group_path", "saved_directory_path", "ccf_path" };
    save[kind](path);
    QCOMPARE(QSettings().value(QLatin1String(keys[kind])), QVariant(expected));
    // The kinds do not share a key; unsaved ones, and a saved empty folder, fall back to the
    // download folder (or nothing).
    for (int other = 0; other < 4; ++other)
        QCOMPARE(read[other](), other == kind && !expected.isEmpty() ? expected : downloads());
}

// An empty folder stored by an earlier version reads as none saved.
void TestHelpers::emptyStoredFoldersFallBack()
{
    QSettings settings;
    for (const char* key : { "saved_file_path", "saved_group_path", "saved_directory_path", "ccf_path" })
        settings.setValue(QLatin1String(key), QString());
    settings.sync();
    QCOMPARE(util::FileHelper::savedFilePath(), downloads());
    QCOMPARE(util::FileHelper::savedGroupPath(), downloads());
    QCOMPARE(util::FileHelper::savedDirectoryPath(), downloads());
    QCOMPARE(util::FileHelper::savedCcfPath(), downloads());
    const QString sdk = m_root.filePath(QStringLiteral("sdk"));
    qputenv("VELMORADIR", QDir::toNativeSeparators(sdk).toLocal8Bit());
    QCOMPARE(
        util::FileHelper::savedCcfPath(), QDir::toNativeSeparators(sdk + QStringLiteral("/CamFiles/User")));
}

void TestHelpers::ccfFallbacks()
{
    qputenv("VELMORADIR", "");
    QCOMPARE(util::FileHelper::savedCcfPath(), downloads());

    const QString sdk = m_root.filePath(QStringLiteral("sdk"));
    qputenv("VELMORADIR", QDir::toNativeSeparators(sdk).toLocal8Bit());
    QCOMPARE(
        util::FileHelper::savedCcfPath(), QDir::toNativeSeparators(sdk + QStringLiteral("/CamFiles/User")));

    // A stored folder wins over the environment.
    util::FileHelper::saveCcfPath(QStringLiteral("/srv/ccf/front.ccf"));
    QCOMPARE(util::FileHelper::savedCcfPath(), QStringLiteral("/srv/ccf"));
}

void TestHelpers::createCache()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(folder.startsWith(m_root.path()) && !QDir(folder).exists());
    util::FileHelper::createCache();
    QVERIFY(QDir(folder).exists());
}

QTEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
