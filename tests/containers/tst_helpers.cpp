// util::DialogHelper's texts and labels; util::FileHelper's remembered folders in an isolated store.
#include <util/dialog_helper.h>
#include <util/file_helper.h>

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void fromCamelCase_data();
    void fromCamelCase();
    void prepareStr_data();
    void prepareStr();
    void shadowLabel();
    void savedFolders_data();
    void savedFolders();
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

void TestHelpers::fromCamelCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lower start") << "exposureTime"
                                 << "exposure Time";
    QTest::newRow("upper start") << "MaxValue"
                                 << "Max Value";
    QTest::newRow("acronym and digit") << "ROI2Width"
                                       << "ROI2 Width";
    QTest::newRow("three words") << "triggerSourceMode"
                                 << "trigger Source Mode";
    QTest::newRow("one word") << "gain"
                              << "gain";
    QTest::newRow("empty") << ""
                           << "";
}

void TestHelpers::fromCamelCase()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(util::DialogHelper::fromCamelCase(text), expected);
}

void TestHelpers::prepareStr_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("caption") << "Exposure Time (us)"
                             << "exposuretimeus";
    QTest::newRow("digits kept") << "ROI 2: Width"
                                 << "roi2width";
    QTest::newRow("Latin-1 letters dropped") << QString::fromUtf8("Größe µm") << "grem";
    QTest::newRow("beyond Latin-1 dropped") << QString::fromUtf8("Ω1 温度 \u2160") << "1";
    QTest::newRow("surrogate pair dropped") << QString::fromUtf8("a\U0001D400b") << "ab";
    QTest::newRow("empty") << ""
                           << "";
}

void TestHelpers::prepareStr()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(util::DialogHelper::prepareStr(text), expected);
}

void TestHelpers::shadowLabel()
{
    QWidget parent;
    QPointer<QLabel> label = util::DialogHelper::shadowLabel(QStringLiteral("Gain"), &parent);
    QCOMPARE(label->parentWidget(), &parent);
    QCOMPARE(label->text(), QStringLiteral("Gain   "));
    QCOMPARE(label->font().family(), QStringLiteral("MS Shell Dlg 2"));
    QCOMPARE(label->font().pointSize(), 9);
    QCOMPARE(label->font().weight(), int(QFont::Normal));
    QVERIFY(!label->font().italic());
    QCOMPARE(label->contentsMargins(), QMargins(0, 0, 0, 3));
    QCOMPARE(label->styleSheet(), QStringLiteral("QLabel { color : black; }"));
    auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(label->graphicsEffect());
    QVERIFY(shadow);
    QCOMPARE(shadow->color(), QColor(Qt::white));
    QCOMPARE(shadow->blurRadius(), 0.0);
    QCOMPARE(shadow->offset(), QPointF(1.0, 1.0));

    label->ensurePolished();
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void TestHelpers::savedFolders_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("file") << 0 << "C:/data/run1/profile.dat"
                          << "C:/data/run1";
    QTest::newRow("file, bare name") << 0 << "profile.dat"
                                     << "";
    QTest::newRow("file, trailing slash") << 0 << "C:/data/"
                                          << "C:/data";
    QTest::newRow("group") << 1 << "/home/op/groups/line3.grp"
                           << "/home/op/groups";
    QTest::newRow("group, empty") << 1 << ""
                                  << "";
    QTest::newRow("directory, unchanged") << 2 << "/home/op/exports/"
                                          << "/home/op/exports/";
    QTest::newRow("ccf") << 3 << "/opt/cam/user/left.ccf"
                         << "/opt/cam/user";
}

void TestHelpers::savedFolders()
{
    QFETCH(int, kind);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    using Save = void (*)(const QString&);
    using Read = QString (*)();
    const Save save[] = { util::FileHelper::saveFilePath, util::FileHelper::saveGroupPath,
        util::FileHelper::saveDirectoryPath, util::FileHelper::saveCcfPath };
    const Read read[] = { util::FileHelper::savedFilePath, util::FileHelper::savedGroupPath,
        util::FileHelper::savedDirectoryPath, util::FileHelper::savedCcfPath };
    const char* const keys[] = { "saved_file_path", "saved_group_path", "saved_directory_path", "ccf_path" };
    const QString downloads = QStandardPaths::standardLocations(QStandardPaths::DownloadLocation).value(0);

    // Unsaved kinds fall back to the download folder.
    for (Read r : read)
        QCOMPARE(r(), downloads);

    save[kind](path);
    QCOMPARE(QSettings().value(QLatin1String(keys[kind])), QVariant(expected));
    QCOMPARE(read[kind](), expected);
    // The kinds do not share a key.
    for (int other = 0; other < 4; ++other) {
        if (other != kind)
            QCOMPARE(read[other](), downloads);
    }
}

void TestHelpers::ccfFallbacks()
{
    const QString downloads = QStandardPaths::standardLocations(QStandardPaths::DownloadLocation).value(0);
    QCOMPARE(util::FileHelper::savedCcfPath(), downloads);
    qputenv("VELMORADIR", "");
    QCOMPARE(util::FileHelper::savedCcfPath(), downloads);

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
    QVERIFY(folder.startsWith(m_root.path()));
    QVERIFY(!QDir(folder).exists());
    util::FileHelper::createCache();
    QVERIFY(QDir(folder).exists());
    util::FileHelper::createCache();
    QVERIFY(QDir(folder).exists());

    // A folder that cannot be created is reported, not fatal.
    QFile blocker(m_root.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_DATA_HOME", blocker.fileName().toLocal8Bit());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot create")));
    util::FileHelper::createCache();
    QVERIFY(!QFileInfo(blocker.fileName()).isDir());
    qputenv("XDG_DATA_HOME", m_root.filePath(QStringLiteral("data")).toLocal8Bit());
}

QTEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
