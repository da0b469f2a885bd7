#include "ui/main/catalogcommands.h"

#include "catalog/catalogloader.h"
#include "catalogfiles.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/messages.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records what the observer saw, in order ("message: <text>", "asked"), and plays back the
// observer's answers to the file dialog. Running out of answers cancels and fails the test,
// so that a loop that does not end cannot hang.
class Observer : public FileChooser, public Messages {
public:
    FileChoice chooseFile(const FileRequest &request) override
    {
        log << QStringLiteral("asked");
        requests << request;
        ranOut = ranOut || answers.isEmpty();
        return answers.isEmpty() ? FileChoice{} : answers.takeFirst();
    }

    void showMessage(const QString &title, const QString &text) override
    {
        log << QStringLiteral("message: ") + (title == "Nocturo" ? text : "wrong title " + title);
    }

    QStringList log;
    QList<FileChoice> answers{FileChoice{}};  // {} cancels; one unless a test scripts more
    QList<FileRequest> requests;
    bool ranOut = false;
};

QString messageEvent(const QString &failure)
{
    return "message: " + failure + "\n\nChoose the catalog file to load.";
}

}  // namespace

class TestCatalogCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(folder.path())); }
    void cleanupTestCase() { QDir::setCurrent(currentDirBefore); }
    void init();
    void cleanup();
    void failureIsShownThenCancelled_data();
    void failureIsShownThenCancelled();
    void fallBackAsksUntilACatalogLoads();
    void severalFilesAreRefusedAndAskedAgain();
    void menuCancelChangesNothing();

private:
    CatalogCommands commands() { return {Catalog, CatalogCount, CatalogFile, seen, seen}; }

    const QString currentDirBefore = QDir::currentPath();
    QTemporaryDir folder;  // the current directory while the tests run
    CatalogTable Catalog;
    qint16 CatalogCount = -1;
    QString CatalogFile;
    Observer seen;
};

void TestCatalogCommands::init()
{
    Catalog = {};
    CatalogFile = DefaultCatalogFile;
    seen = Observer();
}

// Every request, at start-up and from the menu, is the same.
void TestCatalogCommands::cleanup()
{
    QVERIFY2(!seen.ranOut, "the dialog was shown more often than the test expected");
    for (const FileRequest &request : std::as_const(seen.requests)) {
        QCOMPARE(request.purpose, FileRequest::Purpose::Open);
        QCOMPARE(request.presetName, QStringLiteral("Objects.csv"));
        QCOMPARE(QFileInfo(request.initialFolder).canonicalFilePath(),
                 QFileInfo(folder.path()).canonicalFilePath());
        QVERIFY(request.nameFilters.first().contains(QStringLiteral("*.csv")));
    }
}

void TestCatalogCommands::failureIsShownThenCancelled_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("failure");

    QTest::newRow("missing separator")
        << "deep sky.csv" << catalogBytes("NGC", 5) + "NGC 6,6 30.0;+10 00;5x3;9.0;Galaxy;Leo;"
        << "deep sky.csv, line 7: no \",\" after the Messier number";
    QTest::newRow("empty file") << "Objects.csv" << QByteArray()
                                << "Objects.csv, line 1: no header line, the file is empty";
    QTest::newRow("empty last line") << "Objects.csv" << catalogBytes("NGC", 2) + "\r\n"
                                     << "Objects.csv, line 4: the line is empty";
    QTest::newRow("502 objects") << "Objects.csv" << catalogBytes("NGC", 502)
                                 << "Objects.csv, line 503: more than 501 objects";
    QTest::newRow("percent signs in the name")
        << "%2%1.csv" << QByteArray("Header\r\n\r\n") << "%2%1.csv, line 2: the line is empty";
}

// The message names the file, the line and the problem; cancelling leaves an empty catalog.
void TestCatalogCommands::failureIsShownThenCancelled()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    CatalogFile = writeFile(fileName, bytes);

    commands().loadCatalog();

    QFETCH(QString, failure);
    QCOMPARE(seen.log, QStringList({messageEvent(failure), "asked"}));
    QCOMPARE(CatalogCount, qint16(0));
    QCOMPARE(CatalogFile, DefaultCatalogFile);
}

void TestCatalogCommands::fallBackAsksUntilACatalogLoads()
{
    CatalogFile = QStringLiteral("absent.csv");
    const QString broken = writeFile("broken.csv", catalogBytes("Old", 2) + "NGC 3,,3 30.0,+1 0,5");
    const QString good = writeFile("good.csv", catalogBytes("Good", 3));
    seen.answers = {{false, {broken}}, {false, {good}}};

    commands().loadCatalog();

    const QString missing = QStringLiteral("There is no file \"absent.csv\" in the folder \"%1\".")
                                .arg(QDir::toNativeSeparators(QDir::currentPath()));
    QCOMPARE(seen.log, QStringList({messageEvent(missing), "asked",
                            messageEvent("broken.csv, line 4: no \"x\" after the size"), "asked"}));
    QCOMPARE(CatalogFile, good);
    QCOMPARE(CatalogCount, qint16(3));
    QCOMPARE(Catalog.at(2).Identifier, QStringLiteral("Good 3"));
}

void TestCatalogCommands::severalFilesAreRefusedAndAskedAgain()
{
    const QString first = writeFile("a.csv", catalogBytes("A", 1));
    const QString second = writeFile("b.csv", catalogBytes("B", 2));
    seen.answers = {{false, {first, second}}, {false, {second}}};

    commands().LoadObj_Click();

    const QString several = "Only one catalog file can be loaded at a time, but 2 files were "
                            "chosen.";
    QCOMPARE(seen.log, QStringList({"asked", messageEvent(several), "asked"}));
    QCOMPARE(CatalogFile, second);
    QCOMPARE(CatalogCount, qint16(2));
}

void TestCatalogCommands::menuCancelChangesNothing()
{
    writeFile(DefaultCatalogFile, catalogBytes("Default", 5));  // a reload of it would show
    const QString spring = CatalogFile = writeFile("spring.csv", catalogBytes("Spring", 2));
    commands().loadCatalog();

    commands().LoadObj_Click();

    QCOMPARE(seen.log, QStringList{"asked"});
    QCOMPARE(CatalogFile, spring);
    QCOMPARE(CatalogCount, qint16(2));
    QCOMPARE(Catalog.at(0).Identifier, QStringLiteral("Spring 1"));
}

QTEST_GUILESS_MAIN(TestCatalogCommands)
#include "tst_catalogcommands.moc"
