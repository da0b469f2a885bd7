#include "desktop/nocturoicon.h"
#include "formats/workingfolder.h"
#include "testfiles.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// Nocturo on a desktop: the folder it works in, and its icon.
class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    // The user folder is where the desktop keeps each user's data. From a terminal, or with the
    // option as the program's own name, Nocturo stays where it was started and copies nothing.
    // Started from the desktop it works in the user folder, seeds what that lacks, writable even
    // when the installed file is not, and never replaces what it holds; when the user folder
    // cannot be made (a file is in the way) it stays too.
    void workingFolder()
    {
        const QString testsFolder = QDir::currentPath();
        QTemporaryDir root;
        qputenv("XDG_DATA_HOME", root.filePath("data").toUtf8());
        const QString installed = root.filePath("share/nocturo"), user = defaultUserDataFolder(), terminal = root.filePath("observing");
        QCOMPARE(user, root.filePath("data/nocturo"));
        QVERIFY(QDir().mkpath(installed) && QDir().mkpath(terminal) && QDir::setCurrent(terminal));
        writeFile(installed + "/Objects.csv", "shipped catalog");
        writeFile(installed + "/cities.csv", "shipped cities");
        QVERIFY(QFile::setPermissions(installed + "/Objects.csv", QFile::ReadOwner));
        const auto start = [&](const QStringList &arguments) { return enterWorkingFolder(arguments, installed, user); };
        for (const QStringList &arguments : {QStringList{"nocturo"}, QStringList{"--desktop"}}) {
            QCOMPARE(start(arguments), terminal);
            QVERIFY(!QFileInfo::exists(user) && !QFile::exists("Objects.csv"));
        }
        QCOMPARE(start({"nocturo", "--desktop"}), user);
        QCOMPARE(fileBytes("Objects.csv") + fileBytes("cities.csv"), "shipped catalogshipped cities");
        QVERIFY(QFile::permissions("Objects.csv").testFlag(QFile::WriteOwner));
        writeFile("Objects.csv", "own catalog");
        QVERIFY(QFile::remove("cities.csv") && QDir::setCurrent(terminal));
        QCOMPARE(start({"nocturo", "--desktop"}), user);
        QCOMPARE(fileBytes("Objects.csv") + fileBytes("cities.csv"), "own catalogshipped cities");
        QVERIFY(QDir::setCurrent(terminal) && QDir(user).removeRecursively());
        writeFile(user, "in the way");
        QCOMPARE(start({"nocturo", "--desktop"}), terminal);
        QVERIFY(!QFile::exists("Objects.csv") && QDir::setCurrent(testsFolder));
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
