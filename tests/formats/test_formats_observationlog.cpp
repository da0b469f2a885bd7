#include "formats/observationlog.h"
#include "testfiles.h"

#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

// The observing log through its own interface: what goes in comes out, files that are not ours
// to write stay as they are, and a writer killed in the middle of a transaction loses nothing it
// had committed.

namespace {

// Set in a copy of this program that writes to the log named until it is killed.
constexpr char WriterVariable[] = "NOCTURO_TEST_LOG_WRITER";
constexpr int ObservationsPerWrite = 3;

Observation observation(const QString &object, const char *localTime, ObservationVerdict verdict = ObservationVerdict::Seen)
{
    Observation made;
    made.objectIdentifier = object;
    made.localTime = QDateTime::fromString(localTime, Qt::ISODate);
    made.latDeg = 47.5615;
    made.lonDeg = -52.7126;
    made.verdict = verdict;
    return made;
}

// The n-th observation the writer makes, so that the test knows what each one must hold.
Observation numbered(int n)
{
    Observation made = observation(QStringLiteral("NGC %1").arg(n), "2024-01-01T20:00:00+01:00");
    made.localTime = made.localTime.addSecs(60 * n);
    made.apertureMm = 100 + n;
    made.notes = QStringLiteral("write %1").arg(n);
    return made;
}

// Observations compare equal at the same instant whatever their offsets: the offsets too.
void compareObservations(const QList<Observation> &got, const QList<Observation> &wanted)
{
    QCOMPARE(got, wanted);
    for (qsizetype n = 0; n < got.size(); ++n)
        QCOMPARE(got[n].localTime.offsetFromUtc(), wanted[n].localTime.offsetFromUtc());
}

QString failure(const QList<Problem> &problems)
{
    return problems.isEmpty() ? QString() : problemText(problems.first());
}

// A connection of its own to an SQLite file, as another program would hold one.
struct SqliteConnection {
    inline static int count = 0;
    const QString name = QStringLiteral("test-%1").arg(++count);

    explicit SqliteConnection(const QString &path)
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.open();
    }
    ~SqliteConnection() { QSqlDatabase::removeDatabase(name); }

    // Runs the statements; the first value of the last one's first row.
    QVariant run(const QStringList &statements) const
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        for (const QString &statement : statements) {
            if (!query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        }
        return query.next() ? query.value(0) : QVariant();
    }
};

std::unique_ptr<ObservationLog> openLog(const QString &path)
{
    Result<std::unique_ptr<ObservationLog>> log = ObservationLog::open(path);
    if (!log.ok())
        qFatal("%s", qPrintable(failure(log.problems())));
    return std::move(log.value());
}

// The ids of the observations added, which must go in.
QList<qint64> added(ObservationLog &log, const QList<Observation> &observations)
{
    const Result<QList<qint64>> ids = log.add(observations);
    if (!ids.ok())
        qFatal("%s", qPrintable(failure(ids.problems())));
    return ids.value();
}

// A log of ours holding the observations, closed.
void makeLog(const QString &path, int observations)
{
    QList<Observation> numberedObservations;
    for (int n = 0; n < observations; ++n)
        numberedObservations << numbered(n);
    added(*openLog(path), numberedObservations);
}

// Writes observations, a few in each transaction, and prints the ids of each write once it has
// been committed, until it is killed.
int writeUntilKilled(const QString &path)
{
    const std::unique_ptr<ObservationLog> log = openLog(path);
    for (int first = 0;; first += ObservationsPerWrite) {
        QList<Observation> observations;
        for (int n = first; n < first + ObservationsPerWrite; ++n)
            observations << numbered(n);
        const QList<qint64> ids = added(*log, observations);
        for (int n = 0; n < ObservationsPerWrite; ++n)
            std::printf("%d %lld\n", first + n, static_cast<long long>(ids[n]));
        std::fflush(stdout);
    }
}

}  // namespace

class TestFormatsObservationLog : public QObject {
    Q_OBJECT

private slots:
    // Every field comes back as it was written, in this log and in the file opened again; the
    // middle one falls in the hour the computer's clock skips in spring.
    void keepsEveryField()
    {
        Observation full = observation(QStringLiteral("NGC 224"), "2024-08-03T23:45:00+05:30");
        full.apertureMm = 254.5;
        full.magnification = 64;
        full.skyMagPerArcsec2 = 21.35;
        full.seeing = 2;
        full.notes = QStringLiteral("Dust lane \"obvious\", M 32 at 40\u00d7\r\nsecond line; \u00c5ngstr\u00f6m's sky, \u6697\u3044");
        Observation skippedHour = observation(QStringLiteral("IC 434"), "2024-03-31T02:30:00+01:00", ObservationVerdict::Glimpsed);
        skippedHour.seeing = 5;
        skippedHour.skyMagPerArcsec2 = 19.8;
        QList<Observation> written{observation(QStringLiteral("M 42"), "2023-12-31T21:00:00-03:30", ObservationVerdict::NotSeen),
                                   skippedHour, full};

        const QTemporaryDir folder;
        const QString path = folder.filePath(ObservationLogFile);
        std::unique_ptr<ObservationLog> log = openLog(path);
        const QList<qint64> ids = added(*log, written);
        QCOMPARE(ids.size(), written.size());
        for (int n = 0; n < written.size(); ++n)
            written[n].id = ids[n];
        compareObservations(log->observations().value(), written);
        log.reset();
        compareObservations(openLog(path)->observations().value(), written);
    }

    // Oldest first by the instant, whatever the offsets; the same instant in the order added. The
    // local date of the latest observation by the instant that saw or glimpsed each object.
    void ordersByTheInstant()
    {
        const QTemporaryDir folder;
        const std::unique_ptr<ObservationLog> log = openLog(folder.filePath(ObservationLogFile));
        added(*log, {observation("M 1", "2024-01-10T01:00:00+05:30"), observation("M 2", "2024-01-09T20:00:00Z")});
        added(*log, {observation("M 3", "2024-01-09T16:00:00-03:00"), observation("M 4", "2024-01-09T22:00:00+02:00")});
        QStringList objects;
        for (const Observation &o : QList(log->observations().value()))
            objects << o.objectIdentifier;
        QCOMPARE(objects, (QStringList{"M 3", "M 1", "M 2", "M 4"}));

        added(*log, {observation("M 31", "2024-01-09T23:30:00-05:00"),  // 04:30 UTC on the 10th: the later one
                     observation("M 31", "2024-01-10T09:00:00+09:00"),
                     observation("M 42", "2024-02-01T21:00:00Z", ObservationVerdict::Glimpsed),
                     observation("M 42", "2024-03-01T21:00:00Z", ObservationVerdict::NotSeen),
                     observation("M 97", "2024-03-01T21:00:00Z", ObservationVerdict::NotSeen)});
        const QHash<QString, QDate> lastObserved = log->lastObservedDates().value();
        QCOMPARE(lastObserved.value("M 31"), QDate(2024, 1, 9));
        QCOMPARE(lastObserved.value("M 42"), QDate(2024, 2, 1));
        QVERIFY(!lastObserved.contains("M 97"));
    }

    // Notes change and observations go; one that is no longer there is a problem.
    void changesNotesAndRemoves()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath(ObservationLogFile);
        const std::unique_ptr<ObservationLog> log = openLog(path);
        Observation kept = observation("M 1", "2024-01-01T20:00:00Z");
        const QList<qint64> ids = added(*log, {kept, observation("M 2", "2024-01-01T21:00:00Z")});
        kept.id = ids[0];
        kept.notes = QStringLiteral("\"Crab\"\nfilamentary");
        QCOMPARE(log->setNotes(ids[0], QString()), std::nullopt);
        QCOMPARE(log->setNotes(ids[0], kept.notes), std::nullopt);
        QCOMPARE(log->remove(ids[1]), std::nullopt);
        QCOMPARE(log->observations().value(), QList{kept});
        for (const std::optional<Problem> &problem : {log->setNotes(ids[1], "late"), log->remove(ids[1])}) {
            QVERIFY(problem && problem->file == path);
            QVERIFY2(problem->what.contains("no longer in the log"), qPrintable(problem->what));
        }
    }

    // A file the log cannot safely write gets a problem naming it and keeps every byte.
    void leavesOtherFilesAsTheyAre()
    {
        using MakeFile = std::function<std::shared_ptr<SqliteConnection>(const QString &path)>;
        const std::tuple<const char *, MakeFile, QString> cases[] = {
            {"a text file", [](const QString &path) { writeFile(path, "NGC 224\tseen\r\nNGC 891\tnot seen\r\n"); return nullptr; },
             "not a Nocturo observing log"},
            {"another program's database",
             [](const QString &path) { SqliteConnection(path).run({"CREATE TABLE stars (name TEXT)"}); return nullptr; },
             "not a Nocturo observing log"},
            {"a log of a newer Nocturo",
             [](const QString &path) {
                 makeLog(path, 1);
                 SqliteConnection(path).run({"UPDATE schema_version SET version = version + 1"});
                 return nullptr;
             },
             "newer Nocturo"},
            {"a damaged log",
             [](const QString &path) {
                 makeLog(path, 300);
                 QByteArray bytes = fileBytes(path);
                 const qsizetype sqlitePageBytes = 4096;  // SQLite's default
                 const qsizetype middlePage = bytes.size() / 2 / sqlitePageBytes * sqlitePageBytes;
                 writeFile(path, bytes.replace(middlePage, 64, QByteArray(64, '\xA5')));
                 return nullptr;
             },
             "damaged"},
            {"a log another program is writing",
             [](const QString &path) {
                 makeLog(path, 1);
                 auto writer = std::make_shared<SqliteConnection>(path);
                 writer->run({"BEGIN EXCLUSIVE"});
                 return writer;
             },
             "another program"},
        };
        for (const auto &[name, makeFile, words] : cases) {
            const QTemporaryDir folder;
            const QString path = folder.filePath(ObservationLogFile);
            std::shared_ptr<SqliteConnection> otherProgram = makeFile(path);
            const QByteArray bytesBefore = fileBytes(path);
            Result<std::unique_ptr<ObservationLog>> log = ObservationLog::open(path);
            const QList<Problem> problems = log.ok() ? log.value()->add({numbered(1)}).problems() : log.problems();
            otherProgram.reset();
            QVERIFY2(!problems.isEmpty() && problems.first().file == path, name);
            QVERIFY2(problems.first().what.contains(words), qPrintable(QStringLiteral("%1: %2").arg(name, problems.first().what)));
            QVERIFY2(fileBytes(path) == bytesBefore, name);
        }
    }

    // A writer killed in the middle of its work: the log opens whole, with every observation
    // the writer had seen committed.
    void keepsCommittedObservationsThroughAKill()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath(ObservationLogFile);
        QProcess writer;
        writer.setEnvironment(QProcess::systemEnvironment() << QStringLiteral("%1=%2").arg(WriterVariable, path));
        writer.start(QCoreApplication::applicationFilePath(), {});
        QByteArray output;
        while (output.count('\n') < 10 * ObservationsPerWrite) {
            QVERIFY2(writer.waitForReadyRead(30000), writer.readAllStandardError().constData());
            output += writer.readAllStandardOutput();
        }
        writer.kill();
        QVERIFY(writer.waitForFinished(30000));
        output += writer.readAllStandardOutput();

        const std::unique_ptr<ObservationLog> log = openLog(path);
        QCOMPARE(SqliteConnection(path).run({"PRAGMA integrity_check"}).toString(), "ok");
        QHash<qint64, Observation> logged;
        for (const Observation &o : QList(log->observations().value()))
            logged.insert(o.id, o);
        QCOMPARE(logged.size() % ObservationsPerWrite, 0);
        for (const QByteArray &line : output.left(output.lastIndexOf('\n')).split('\n')) {
            Observation committed = numbered(line.split(' ')[0].toInt());
            committed.id = line.split(' ')[1].toLongLong();
            QCOMPARE(logged.value(committed.id), committed);
        }
    }
};

int main(int argc, char *argv[])
{
    // The computer's clock keeps European summer time, so that it skips an hour that
    // observations elsewhere may be made in.
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsSet(WriterVariable))
        return writeUntilKilled(qEnvironmentVariable(WriterVariable));
    TestFormatsObservationLog test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_formats_observationlog.moc"
