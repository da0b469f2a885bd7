#include "desktop/nocturoicon.h"
#include "testfiles.h"
#include "ui/main/workingfolder.h"

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

    // Seeds what the user folder lacks and never replaces what it holds.
    void desktopStartSeedsTheUserFolder()
    {
        QCOMPARE(start({"nocturo", "--desktop"}), user);
        QCOMPARE(QDir::currentPath(), user);
        QCOMPARE(fileBytes("Objects.csv") + fileBytes("cities.csv"), "shipped catalogshipped cities");
        QVERIFY(QFile::permissions("Objects.csv").testFlag(QFile::WriteOwner));

        writeFile(user + "/Objects.csv", "own catalog");
        QVERIFY(QFile::remove(user + "/cities.csv"));
        QVERIFY(QDir::setCurrent(terminal));
        QCOMPARE(start({"nocturo", "--desktop"}), user);
        QCOMPARE(fileBytes("Objects.csv") + fileBytes("cities.csv"), "own catalogshipped cities");
    }

    void otherStartsStayInTheCurrentFolder_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fileForUserFolder");  // the user folder cannot be made
        QTest::newRow("from a terminal") << QStringList{"nocturo"} << false;
        QTest::newRow("option as program name") << QStringList{"--desktop"} << false;
        QTest::newRow("unusable user folder") << QStringList{"nocturo", "--desktop"} << true;
    }

    void otherStartsStayInTheCurrentFolder()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fileForUserFolder);
        if (fileForUserFolder)
            writeFile(user, "in the way");
        QCOMPARE(start(arguments), terminal);
        QCOMPARE(QDir::currentPath(), terminal);
        QVERIFY(!QFileInfo(user).isDir() && !QFile::exists("Objects.csv"));
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
