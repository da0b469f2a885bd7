#include "ui/main/workingfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray ShippedCatalog = "Identifier,Messier,RA,Dec,Size,Mag,Type,Constellation,Comment\r\n"
                                  "NGC 224,31,0 42.7,+41 16,178x63,3.4,Spiral Galaxy,And,Andromeda Galaxy\r\n";
const QByteArray ShippedCities = "City,Region,Latitude,Longitude\r\nAba,NG,5.1066,7.3667\r\n";

} // namespace

class TestWorkingFolder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void desktopStartSeedsTheUserFolder();
    void secondStartKeepsTheUsersFiles();
    void missingShippedFileIsSeededLater();
    void seededCopiesAreWritable();
    void terminalStartStaysInTheCurrentFolder();
    void optionCountsOnlyAfterTheProgramName();
    void unusableUserFolderLeavesTheCurrentFolder();

private:
    QString start(const QStringList &arguments);

    std::unique_ptr<QTemporaryDir> root;  // a fresh one for every test
    QString installed;
    QString user;
    QString terminal;
    QString testsFolder;
};

void TestWorkingFolder::init()
{
    testsFolder = QDir::currentPath();
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(root->isValid());
    installed = root->filePath(QStringLiteral("share/nocturo"));
    user = root->filePath(QStringLiteral("home/.local/share/nocturo"));
    terminal = root->filePath(QStringLiteral("observing"));
    QVERIFY(QDir().mkpath(installed));
    QVERIFY(QDir().mkpath(terminal));
    QVERIFY(writeFile(installed + QStringLiteral("/Objects.csv"), ShippedCatalog));
    QVERIFY(writeFile(installed + QStringLiteral("/cities.csv"), ShippedCities));
    QVERIFY(QDir::setCurrent(terminal));
}

void TestWorkingFolder::cleanup()
{
    QDir::setCurrent(testsFolder);
}

QString TestWorkingFolder::start(const QStringList &arguments)
{
    return enterWorkingFolder(arguments, installed, user);
}

void TestWorkingFolder::desktopStartSeedsTheUserFolder()
{
    QCOMPARE(start({QStringLiteral("nocturo"), QStringLiteral("--desktop")}), user);
    QCOMPARE(QDir::currentPath(), user);
    QCOMPARE(readFile(QStringLiteral("Objects.csv")), ShippedCatalog);
    QCOMPARE(readFile(QStringLiteral("cities.csv")), ShippedCities);
    QVERIFY(!QFile::exists(QStringLiteral("defaults.txt")));
}

void TestWorkingFolder::secondStartKeepsTheUsersFiles()
{
    start({QStringLiteral("nocturo"), QStringLiteral("--desktop")});
    const QByteArray ownCatalog = "Identifier,Messier,RA,Dec,Size,Mag,Type,Constellation,Comment\r\n";
    QVERIFY(writeFile(user + QStringLiteral("/Objects.csv"), ownCatalog));
    QVERIFY(writeFile(user + QStringLiteral("/defaults.txt"), "42.93\r\n"));
    QVERIFY(QDir::setCurrent(terminal));

    QCOMPARE(start({QStringLiteral("nocturo"), QStringLiteral("--desktop")}), user);
    QCOMPARE(readFile(user + QStringLiteral("/Objects.csv")), ownCatalog);
    QCOMPARE(readFile(user + QStringLiteral("/defaults.txt")), QByteArray("42.93\r\n"));
    QCOMPARE(readFile(user + QStringLiteral("/cities.csv")), ShippedCities);
}

void TestWorkingFolder::missingShippedFileIsSeededLater()
{
    QVERIFY(QFile::remove(installed + QStringLiteral("/cities.csv")));
    start({QStringLiteral("nocturo"), QStringLiteral("--desktop")});
    QVERIFY(!QFile::exists(user + QStringLiteral("/cities.csv")));

    QVERIFY(writeFile(installed + QStringLiteral("/cities.csv"), ShippedCities));
    start({QStringLiteral("nocturo"), QStringLiteral("--desktop")});
    QCOMPARE(readFile(user + QStringLiteral("/cities.csv")), ShippedCities);
}

void TestWorkingFolder::seededCopiesAreWritable()
{
    // Installed data is often read-only; the observer's copy must not be.
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(installed + QStringLiteral("/Objects.csv"), readOnly));

    start({QStringLiteral("nocturo"), QStringLiteral("--desktop")});
    QVERIFY(QFile::permissions(user + QStringLiteral("/Objects.csv")).testFlag(QFile::WriteOwner));
}

void TestWorkingFolder::terminalStartStaysInTheCurrentFolder()
{
    QCOMPARE(start({QStringLiteral("nocturo")}), terminal);
    QCOMPARE(QDir::currentPath(), terminal);
    QVERIFY(!QFileInfo::exists(user));
    QVERIFY(!QFile::exists(QStringLiteral("Objects.csv")));
}

void TestWorkingFolder::optionCountsOnlyAfterTheProgramName()
{
    QCOMPARE(start({QStringLiteral("--desktop")}), terminal);
    QVERIFY(!QFileInfo::exists(user));
}

void TestWorkingFolder::unusableUserFolderLeavesTheCurrentFolder()
{
    // A file where the folder should be: the folder cannot be made.
    QVERIFY(QDir().mkpath(QFileInfo(user).absolutePath()));
    QVERIFY(writeFile(user, "in the way"));

    QCOMPARE(start({QStringLiteral("nocturo"), QStringLiteral("--desktop")}), terminal);
    QCOMPARE(QDir::currentPath(), terminal);
}

QTEST_GUILESS_MAIN(TestWorkingFolder)
#include "test_workingfolder.moc"
