#include "desktop/nocturoicon.h"
#include "testfiles.h"
#include "formats/workingfolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Nocturo on a desktop: the folder it works in, and its icon.
class TestDesktop : public QObject {
    Q_OBJECT

    const QString testsFolder = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> root;  // a fresh one for every test
    QString installed, user, terminal;

    QString start(const QStringList &args) { return enterWorkingFolder(args, installed, user); }

private slots:
    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        installed = root->filePath(QStringLiteral("share/nocturo"));
        user = root->filePath(QStringLiteral("nocturo"));
        terminal = root->filePath(QStringLiteral("observing"));
        QVERIFY(QDir().mkpath(installed) && QDir().mkpath(terminal) && QDir::setCurrent(terminal));
        writeFile(installed + "/Objects.csv", "shipped catalog");
        writeFile(installed + "/cities.csv", "shipped cities");
        // Installed data is often read-only; the observer's copy must not be.
        QVERIFY(QFile::setPermissions(installed + "/Objects.csv", QFile::ReadOwner));
    }

    void cleanup() { QDir::setCurrent(testsFolder); }

    // Where the desktop keeps each user's data.
    void userFolderFollowsTheDesktop()
    {
        qputenv("XDG_DATA_HOME", root->filePath(QStringLiteral("data")).toUtf8());
        QCOMPARE(defaultUserDataFolder(), root->filePath(QStringLiteral("data/nocturo")));
    }

    // Seeds what the user folder lacks and never replaces what it holds.
    void desktopStartSeedsTheUserFolder()
    {
        QCOMPARE(start({"nocturo", "--desktop"}), user);  // and works there
        QCOMPARE(fileBytes("Objects.csv") + fileBytes("cities.csv"), "shipped catalogshipped cities");
        QVERIFY(QFile::permissions("Objects.csv").testFlag(QFile::WriteOwner));

        writeFile(user + "/Objects.csv", "own catalog");
        QVERIFY(QFile::remove(user + "/cities.csv") && QDir::setCurrent(terminal));
        QCOMPARE(start({"nocturo", "--desktop"}), user);
        QCOMPARE(fileBytes("Objects.csv") + fileBytes("cities.csv"), "own catalogshipped cities");
    }

    // From a terminal, with the option as the program's own name, or when the user folder cannot
    // be made (a file is in the way), Nocturo stays where it was started and copies nothing.
    void otherStartsStayInTheCurrentFolder()
    {
        const QStringList starts[] = {{"nocturo"}, {"--desktop"}, {"nocturo", "--desktop"}};
        for (const QStringList &arguments : starts) {
            if (arguments.size() == 2)
                writeFile(user, "in the way");
            QCOMPARE(start(arguments), terminal);
            QVERIFY(!QFileInfo(user).isDir() && !QFile::exists("Objects.csv"));
        }
    }

    // Both window icon sizes come from the resources: a disc on a transparent square.
    void iconHasBothSizes()
    {
        const QIcon icon = nocturoIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        QVERIFY(qAlpha(image.pixel(0, 0)) == 0 && qAlpha(image.pixel(16, 22)) == 255);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
