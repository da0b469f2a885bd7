#include "ui/main/catalogcommands.h"

#include "catalog/catalogloader.h"
#include "catalogfiles.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// What the observer saw, in order: "message: <text>" and "asked".
using EventLog = QStringList;

// Plays back the observer's answers to the file dialog; runs out by cancelling, so that a
// test of a loop that does not end fails instead of hanging.
class ScriptedFileChooser : public FileChooser {
public:
    explicit ScriptedFileChooser(EventLog &log) : log(log) {}

    FileChoice chooseFile(const FileRequest &request) override
    {
        log << QStringLiteral("asked");
        requests << request;
        if (answers.isEmpty()) {
            ranOut = true;
            return {};
        }
        return answers.takeFirst();
    }

    void willChoose(const QStringList &paths) { answers << FileChoice{false, paths}; }
    void willCancel() { answers << FileChoice{}; }

    QList<FileRequest> requests;
    bool ranOut = false;

private:
    EventLog &log;
    QList<FileChoice> answers;
};

class RecordingMessages : public Messages {
public:
    explicit RecordingMessages(EventLog &log) : log(log) {}

    void showMessage(const QString &title, const QString &text) override
    {
        titles << title;
        log << QStringLiteral("message: ") + text;
    }

    QStringList titles;

private:
    EventLog &log;
};

const QString ChooseAnotherFile = QStringLiteral("\n\nChoose the catalog file to load.");

QString messageEvent(const QString &failure)
{
    return QStringLiteral("message: ") + failure + ChooseAnotherFile;
}

}  // namespace

class TestCatalogCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsTheCatalogFileQuietly();
    void failureMessagesNameFileLineAndFault_data();
    void failureMessagesNameFileLineAndFault();
    void missingFileMessageNamesItsFolder();
    void fallBackAsksUntilACatalogLoads();
    void cancelDuringFallBackLeavesAnEmptyCatalog();
    void severalFilesChosenAreRefused();
    void menuLoadsTheChosenFile();
    void menuCancelChangesNothing();
    void dialogRequest();

private:
    QString pathOf(const QString &fileName) const { return folder->filePath(fileName); }
    QString writeCatalog(const QString &fileName, const QByteArray &bytes);
    CatalogCommands commands();

    std::unique_ptr<QTemporaryDir> folder;
    QString currentDirBefore;
    std::unique_ptr<CatalogTable> Catalog;
    qint16 CatalogCount = -1;
    QString CatalogFile;
    EventLog log;
    std::unique_ptr<ScriptedFileChooser> files;
    std::unique_ptr<RecordingMessages> messages;
};

void TestCatalogCommands::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    currentDirBefore = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder->path()));
    Catalog = std::make_unique<CatalogTable>();
    CatalogCount = -1;
    CatalogFile = DefaultCatalogFile;
    log.clear();
    files = std::make_unique<ScriptedFileChooser>(log);
    messages = std::make_unique<RecordingMessages>(log);
}

void TestCatalogCommands::cleanup()
{
    QVERIFY2(!files->ranOut, "the dialog was shown more often than the test expected");
    QDir::setCurrent(currentDirBefore);
}

QString TestCatalogCommands::writeCatalog(const QString &fileName, const QByteArray &bytes)
{
    const QString path = pathOf(fileName);
    if (!writeBytes(path, bytes))
        qFatal("could not write %s", qPrintable(path));
    return path;
}

CatalogCommands TestCatalogCommands::commands()
{
    return CatalogCommands(*Catalog, CatalogCount, CatalogFile, *files, *messages);
}

void TestCatalogCommands::loadsTheCatalogFileQuietly()
{
    writeCatalog(DefaultCatalogFile, catalogBytes(QStringLiteral("NGC"), 4));

    commands().loadCatalog();

    QCOMPARE(CatalogCount, qint16(4));
    QCOMPARE(CatalogFile, DefaultCatalogFile);
    QCOMPARE(log, EventLog());
}

void TestCatalogCommands::failureMessagesNameFileLineAndFault_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("failure");

    const QByteArray fiveObjects = catalogBytes(QStringLiteral("NGC"), 5);
    QTest::newRow("missing separator")
        << "Objects.csv" << QByteArray(fiveObjects + "NGC 6,6 30.0;+10 00;5x3;9.0;Galaxy;Leo;\r\n")
        << "Objects.csv, line 7: no \",\" after the Messier number";
    QTest::newRow("chosen file")
        << "deep sky.csv" << QByteArray("Header\r\nNGC 1,,1h 30.0,+10 00,5x3,9.0,Galaxy,Leo,\r\n")
        << "deep sky.csv, line 2: the right-ascension hours \"1h\" are not a number";
    QTest::newRow("empty file") << "Objects.csv" << QByteArray()
                                << "Objects.csv, line 1: no header line, the file is empty";
    QTest::newRow("empty last line")
        << "Objects.csv" << QByteArray(catalogBytes(QStringLiteral("NGC"), 2) + "\r\n")
        << "Objects.csv, line 4: the line is empty";
    QTest::newRow("too many objects") << "Objects.csv" << catalogBytes(QStringLiteral("NGC"), 502)
                                      << "Objects.csv, line 503: more than 501 objects";
    QTest::newRow("percent signs in the name")
        << "%2%1.csv" << QByteArray("Header\r\n\r\n") << "%2%1.csv, line 2: the line is empty";
}

void TestCatalogCommands::failureMessagesNameFileLineAndFault()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, failure);
    CatalogFile = writeCatalog(fileName, bytes);
    files->willCancel();

    commands().loadCatalog();

    QCOMPARE(log, EventLog({messageEvent(failure), QStringLiteral("asked")}));
    QCOMPARE(messages->titles, QStringList{QStringLiteral("Nocturo")});
}

void TestCatalogCommands::missingFileMessageNamesItsFolder()
{
    CatalogFile = QStringLiteral("absent.csv");
    files->willCancel();

    commands().loadCatalog();

    QCOMPARE(log.size(), 2);
    const QString message = log.first();
    QVERIFY2(message.contains(QStringLiteral("\"absent.csv\"")), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(QDir::currentPath())), qPrintable(message));
}

void TestCatalogCommands::fallBackAsksUntilACatalogLoads()
{
    CatalogFile = QStringLiteral("absent.csv");
    const QString broken =
        writeCatalog(QStringLiteral("broken.csv"),
                     catalogBytes(QStringLiteral("Old"), 2) + "NGC 3,,3 30.0,+10 00,5\r\n");
    const QString good = writeCatalog(QStringLiteral("good.csv"),
                                      catalogBytes(QStringLiteral("Good"), 3));
    files->willChoose({broken});
    files->willChoose({good});

    commands().loadCatalog();

    QCOMPARE(log.size(), 4);
    QVERIFY(log.at(0).startsWith(QStringLiteral("message: ")));
    QCOMPARE(log.at(1), QStringLiteral("asked"));
    QCOMPARE(log.at(2), messageEvent(QStringLiteral("broken.csv, line 4: no \"x\" after the size")));
    QCOMPARE(log.at(3), QStringLiteral("asked"));
    QCOMPARE(CatalogFile, good);
    QCOMPARE(CatalogCount, qint16(3));
    QCOMPARE(Catalog->at(2).Identifier, QStringLiteral("Good 3"));
}

void TestCatalogCommands::cancelDuringFallBackLeavesAnEmptyCatalog()
{
    CatalogFile = writeCatalog(QStringLiteral("broken.csv"),
                               catalogBytes(QStringLiteral("NGC"), 3) + "NGC 4\r\n");
    files->willCancel();

    commands().loadCatalog();

    QCOMPARE(log.size(), 2);
    QCOMPARE(CatalogCount, qint16(0));
    QCOMPARE(CatalogFile, DefaultCatalogFile);
}

void TestCatalogCommands::severalFilesChosenAreRefused()
{
    const QString first = writeCatalog(QStringLiteral("a.csv"), catalogBytes(QStringLiteral("A"), 1));
    const QString second = writeCatalog(QStringLiteral("b.csv"), catalogBytes(QStringLiteral("B"), 2));
    files->willChoose({first, second});
    files->willChoose({second});

    commands().LoadObj_Click();

    QCOMPARE(log, EventLog({QStringLiteral("asked"),
                            messageEvent(QStringLiteral("Only one catalog file can be loaded at a "
                                                        "time, but 2 files were chosen.")),
                            QStringLiteral("asked")}));
    QCOMPARE(CatalogFile, second);
    QCOMPARE(CatalogCount, qint16(2));
}

void TestCatalogCommands::menuLoadsTheChosenFile()
{
    writeCatalog(DefaultCatalogFile, catalogBytes(QStringLiteral("Default"), 5));
    const QString chosen = writeCatalog(QStringLiteral("spring.csv"),
                                        catalogBytes(QStringLiteral("Spring"), 2));
    CatalogCommands catalogCommands = commands();
    catalogCommands.loadCatalog();
    files->willChoose({chosen});

    catalogCommands.LoadObj_Click();

    QCOMPARE(log, EventLog{QStringLiteral("asked")});
    QCOMPARE(CatalogFile, chosen);
    QCOMPARE(CatalogCount, qint16(2));
    QCOMPARE(Catalog->at(0).Identifier, QStringLiteral("Spring 1"));
}

void TestCatalogCommands::menuCancelChangesNothing()
{
    // The default file exists, so a reload of it on cancel would show.
    writeCatalog(DefaultCatalogFile, catalogBytes(QStringLiteral("Default"), 5));
    CatalogFile = writeCatalog(QStringLiteral("spring.csv"), catalogBytes(QStringLiteral("Spring"), 2));
    CatalogCommands catalogCommands = commands();
    catalogCommands.loadCatalog();
    files->willCancel();

    catalogCommands.LoadObj_Click();

    QCOMPARE(log, EventLog{QStringLiteral("asked")});
    QCOMPARE(CatalogFile, pathOf(QStringLiteral("spring.csv")));
    QCOMPARE(CatalogCount, qint16(2));
    QCOMPARE(Catalog->at(0).Identifier, QStringLiteral("Spring 1"));
}

void TestCatalogCommands::dialogRequest()
{
    CatalogFile = QStringLiteral("absent.csv");
    files->willCancel();
    files->willCancel();

    commands().loadCatalog();
    commands().LoadObj_Click();

    QCOMPARE(files->requests.size(), 2);
    for (const FileRequest &request : std::as_const(files->requests)) {
        QCOMPARE(request.purpose, FileRequest::Purpose::Open);
        QCOMPARE(request.presetName, QStringLiteral("Objects.csv"));
        QCOMPARE(QFileInfo(request.initialFolder).canonicalFilePath(),
                 QFileInfo(folder->path()).canonicalFilePath());
        QCOMPARE(request.nameFilters, csvNameFilters());
        QVERIFY(request.nameFilters.first().contains(QStringLiteral("*.csv")));
    }
}

QTEST_GUILESS_MAIN(TestCatalogCommands)
#include "tst_catalogcommands.moc"
