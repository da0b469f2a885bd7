#include "catalogfiles.h"
#include "fakeplatform.h"
#include "plan/planner.h"
#include "ui/main/catalogcommands.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString failure(const QString &problem)
{
    return "Nocturo: " + problem + "\n\nChoose the catalog file to load.";
}

}  // namespace

// Loading at start-up and from the menu, with the observer's answers scripted.

class TestCatalogCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(folder.path())); }
    void cleanupTestCase() { QDir::setCurrent(QDir::tempPath()); }
    void init()
    {
        planner = std::make_unique<Planner>();
        folders = {};
        fakes = {};
    }

    // Every request is the same, and no dialog ever moves the working folder.
    void cleanup()
    {
        QVERIFY2(fakes.files.answers.isEmpty(), "the dialog was shown less often than the test expected");
        for (const FileRequest &request : std::as_const(fakes.files.requests)) {
            QCOMPARE(request.presetName, QStringLiteral("Objects.csv"));
            QVERIFY(request.nameFilters.first().contains(QStringLiteral("*.csv")));
        }
        QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    }

    void failureIsShownThenCancelled_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");

        QTest::newRow("missing separator")
            << "deep sky.csv" << catalogBytes("NGC", 5) + "NGC 6,6 30.0;+10 00;5x3;9.0;Galaxy;Leo;"
            << "deep sky.csv, line 7: no \",\" after the Messier number";
        QTest::newRow("empty file") << "Objects.csv" << QByteArray() << "Objects.csv, line 1: no header line, the file is empty";
        QTest::newRow("percent signs in the name") << "%2%1.csv" << QByteArray("Header\r\n\r\nx") << "%2%1.csv, line 2: the line is empty";
        QTest::newRow("no name") << "" << QByteArray() << "No catalog file is named: line 15 of the defaults file is empty.";
    }

    // The message names the file, the line and the problem; cancelling leaves an empty catalog.
    void failureIsShownThenCancelled()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        planner->setCatalogFile(fileName);
        if (!fileName.isEmpty())
            writeFile(fileName, bytes);

        QVERIFY(!commands().loadNamedCatalog());

        QFETCH(QString, problem);
        QCOMPARE(fakes.messages.log(), failure(problem));
        QCOMPARE(fakes.files.requests.size(), 1);
        QCOMPARE(planner->catalog().size(), 0);
        QCOMPARE(planner->catalogFile(), DefaultCatalogFile);
    }

    void fallBackAsksUntilACatalogLoads()
    {
        planner->setCatalogFile(QStringLiteral("absent.csv"));
        const QString broken = writeFile("broken.csv", catalogBytes("Old", 2) + "NGC 3,,3 30.0,+1 0,5");
        const QString good = writeFile(elsewhere.filePath("good.csv"), catalogBytes("Good", 3));
        fakes.files.answer({broken, good});  // several files at once are refused
        fakes.files.answer({broken});
        fakes.files.answer({good});

        QVERIFY(commands().loadNamedCatalog());

        const QString missing = QStringLiteral("There is no file \"absent.csv\" in the folder \"%1\".")
                                    .arg(QDir::toNativeSeparators(QDir::currentPath()));
        const QStringList messages{failure(missing),
                                   failure("Only one catalog file can be loaded at a time, but 2 files were chosen."),
                                   failure("broken.csv, line 4: no \"x\" after the size")};
        QCOMPARE(fakes.messages.log(), messages.join(u'\n'));
        QCOMPARE(planner->catalog().size(), 3);
        QCOMPARE(planner->catalog().objects()[2].identifier, QStringLiteral("Good 3"));
        // The next dialog opens where the last catalog was chosen.
        QCOMPARE(folders.folderFor(FileKind::Catalog), QDir(elsewhere.path()).absolutePath());
    }

    // A catalog in the working folder is remembered by its name, one elsewhere by its full path; a
    // name with a line break could not be kept in the defaults file and is refused.
    void choicesAreNamedSoTheDefaultsFindThem()
    {
        const QString here = writeFile("spring.csv", catalogBytes("Spring", 2));
        const QString there = writeFile(elsewhere.filePath("autumn.csv"), catalogBytes("Autumn", 4));
        const QString broken = writeFile(elsewhere.filePath("two\nlines.csv"), catalogBytes("Two", 1));

        fakes.files.answer({here});
        QVERIFY(commands().chooseCatalog());
        QCOMPARE(planner->catalogFile(), QStringLiteral("spring.csv"));

        fakes.files.answer({there});
        QVERIFY(commands().chooseCatalog());
        QCOMPARE(planner->catalogFile(), there);
        QCOMPARE(planner->catalog().size(), 4);

        fakes.files.answer({broken});  // then cancelled
        QVERIFY(!commands().chooseCatalog());
        QVERIFY(fakes.messages.log().contains(QStringLiteral("holds a line break")));
        QCOMPARE(planner->catalog().size(), 0);
    }

    void menuCancelChangesNothing()
    {
        writeFile(DefaultCatalogFile, catalogBytes("Default", 5));  // a reload of it would show
        planner->setCatalogFile(writeFile("spring.csv", catalogBytes("Spring", 2)));
        QVERIFY(commands().loadNamedCatalog());

        QVERIFY(!commands().chooseCatalog());

        QCOMPARE(fakes.files.requests.size(), 1);
        QVERIFY(fakes.messages.shown.isEmpty());
        QCOMPARE(planner->catalog().size(), 2);
        QCOMPARE(planner->catalog().objects()[0].identifier, QStringLiteral("Spring 1"));
    }

private:
    CatalogCommands commands() { return {*planner, fakes.files, fakes.messages, folders}; }

    QTemporaryDir folder;  // the working folder while the tests run
    QTemporaryDir elsewhere;
    std::unique_ptr<Planner> planner;
    RememberedFolders folders;
    FakePlatform fakes;
};

QTEST_GUILESS_MAIN(TestCatalogCommands)
#include "test_catalogcommands.moc"
