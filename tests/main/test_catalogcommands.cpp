#include "catalogfiles.h"
#include "fakeplatform.h"
#include "plan/planner.h"
#include "ui/main/catalogcommands.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Loading at start-up and from the menu, with the observer's answers scripted.

namespace {

QString failure(const QString &problem)
{
    return "Nocturo (warning): " + problem + "\n\nChoose the catalog file to load.";
}

}  // namespace

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
        for (const FileRequest &request : std::as_const(fakes.files.requests))
            QVERIFY(request.presetName == u"Objects.csv" && request.nameFilters.first().contains(QStringLiteral("*.csv")));
        QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    }

    // Each failure names the file, the line and the problem, and asks for another file until a
    // catalog loads; the next dialog opens where that was chosen.
    void fallBackAsksUntilACatalogLoads()
    {
        planner->setCatalogFile(QString());
        const QString percent = writeFile(elsewhere.filePath("%2%1.csv"), "Header\r\n\r\nx");  // names are not patterns
        const QString good = writeFile(elsewhere.filePath("good.csv"), catalogBytes("Good", 3));
        for (const QStringList &choice : {QStringList{percent, good}, {elsewhere.filePath("absent.csv")}, {percent}, {good}})
            fakes.files.answer(choice);

        QVERIFY(commands().loadNamedCatalog());
        const QStringList messages{
            failure("No catalog file is named: line 15 of the defaults file is empty."),
            failure("Only one catalog file can be loaded at a time, but 2 files were chosen."),
            failure("There is no file \"absent.csv\" in the folder \"" + QDir::toNativeSeparators(elsewhere.path()) + "\"."),
            failure("%2%1.csv, line 2: the line is empty")};
        QCOMPARE(fakes.messages.log(), messages.join(u'\n'));
        QCOMPARE(planner->catalog().objects().back().identifier + u' ' + planner->catalogFile(), "Good 3 " + good);
        QCOMPARE(folders.folderFor(FileKind::Catalog), QDir(elsewhere.path()).absolutePath());
    }

    // A catalog in the working folder is remembered by its name, one elsewhere by its full path; a
    // cancelled choice keeps what is loaded. A name with a line break could not be kept in the
    // defaults file and is refused, and a file with a position off the sky fails; cancelling the
    // fall-back then keeps the catalog there was and its file.
    void choicesAreNamedSoTheDefaultsFindThem()
    {
        writeFile(DefaultCatalogFile, catalogBytes("Default", 5));  // a reload of it would show
        fakes.files.answer({writeFile("spring.csv", catalogBytes("Spring", 2))});
        QVERIFY(commands().chooseCatalog());
        QCOMPARE(planner->catalogFile(), QStringLiteral("spring.csv"));
        const QString there = writeFile(elsewhere.filePath("autumn.csv"), catalogBytes("Autumn", 4));
        fakes.files.answer({there});
        QVERIFY(commands().chooseCatalog() && !commands().chooseCatalog());
        QCOMPARE(planner->catalogFile() + u' ' + planner->catalog().objects().back().identifier, there + " Autumn 4");
        QVERIFY(fakes.files.requests.size() == 3 && fakes.messages.shown.isEmpty());

        const std::pair<QString, const char *> failures[] = {
            {writeFile(elsewhere.filePath("two\nlines.csv"), catalogBytes("Two", 1)), "holds a line break"},
            {writeFile("offsky.csv", catalogBytes("Off", 1).replace("+10 00", "+95 00")), "offsky.csv, line 2: "}};
        for (const auto &[path, failure] : failures) {
            fakes.files.answer({path});
            QVERIFY(!commands().chooseCatalog());
            QVERIFY2(fakes.messages.log().contains(QLatin1String(failure)), failure);
            QCOMPARE(planner->catalogFile() + u' ' + planner->catalog().objects().back().identifier, there + " Autumn 4");
        }
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
