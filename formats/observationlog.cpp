#include "formats/observationlog.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {

// "NOCT": the SQLite header field that tells our log from any other database
// (https://www.sqlite.org/pragma.html#pragma_application_id).
constexpr int LogApplicationId = 0x4E4F4354;
// The layout this program writes; a later layout raises it and brings older logs up to it when
// it opens them.
constexpr int LogSchemaVersion = 1;

// Clock readings as texts that sort in time order: the date, a space, the time.
const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

const QStringList CreateSchema{
    QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
    QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(LogSchemaVersion),
    QStringLiteral("CREATE TABLE observations ("
                   " id INTEGER PRIMARY KEY,"
                   " object TEXT NOT NULL,"
                   " local_time TEXT NOT NULL,"
                   " utc_offset_seconds INTEGER NOT NULL,"
                   " utc_time TEXT NOT NULL,"
                   " lat_deg REAL NOT NULL,"
                   " lon_deg REAL NOT NULL,"
                   " aperture_mm REAL,"
                   " magnification REAL,"
                   " sky_mag_per_arcsec2 REAL,"
                   " seeing INTEGER CHECK (seeing BETWEEN 1 AND 5),"
                   " verdict TEXT NOT NULL CHECK (verdict IN ('seen', 'glimpsed', 'not seen')),"
                   " notes TEXT NOT NULL DEFAULT '')"),
    QStringLiteral("CREATE INDEX observations_by_time ON observations (utc_time, id)"),
    QStringLiteral("PRAGMA application_id = %1").arg(LogApplicationId),
};

const QString SelectColumns = QStringLiteral(
    "SELECT id, object, local_time, utc_offset_seconds, lat_deg, lon_deg, aperture_mm, magnification,"
    " sky_mag_per_arcsec2, seeing, verdict, notes FROM observations");

QString nextConnectionName()
{
    static std::atomic<int> count = 0;
    return QStringLiteral("nocturo-log-%1").arg(++count);
}

QVariant optionalValue(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant();
}

std::optional<double> optionalDouble(const QVariant &value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toDouble());
}

std::optional<ObservationVerdict> verdictNamed(const QString &text)
{
    for (const ObservationVerdictEntry &entry : ObservationVerdicts) {
        if (text == QStringView(entry.text))
            return entry.verdict;
    }
    return std::nullopt;
}

// The observer's clock as written, built without the computer's own time zone: an hour that zone
// skips in spring is an ordinary hour elsewhere.
QDateTime localTimeAt(const QString &text, int utcOffsetSeconds)
{
    const QStringList dateAndTime = text.split(u' ');
    return QDateTime(QDate::fromString(dateAndTime.value(0), Qt::ISODate), QTime::fromString(dateAndTime.value(1), Qt::ISODate),
                     Qt::OffsetFromUTC, utcOffsetSeconds);
}

Observation observationAt(const QSqlQuery &query)
{
    Observation observation;
    observation.id = query.value(0).toLongLong();
    observation.objectIdentifier = query.value(1).toString();
    observation.localTime = localTimeAt(query.value(2).toString(), query.value(3).toInt());
    observation.latDeg = query.value(4).toDouble();
    observation.lonDeg = query.value(5).toDouble();
    observation.apertureMm = optionalDouble(query.value(6));
    observation.magnification = optionalDouble(query.value(7));
    observation.skyMagPerArcsec2 = optionalDouble(query.value(8));
    if (!query.value(9).isNull())
        observation.seeing = query.value(9).toInt();
    observation.verdict = verdictNamed(query.value(10).toString()).value_or(ObservationVerdict::Seen);
    observation.notes = query.value(11).toString();
    return observation;
}

// SQLite's primary result codes that the observer can act on (https://www.sqlite.org/rescode.html).
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

Problem notALog(const QString &path)
{
    return Problem::inFile(path, QStringLiteral("this file is not a Nocturo observing log; it was left as it is"));
}

Problem damagedLog(const QString &path, const QString &sqliteWords)
{
    return Problem::inFile(path, QStringLiteral("the observing log is damaged (%1); it was left as it is")
                                     .arg(sqliteWords.simplified()));
}

// A query's failure, as the observer reads it: the log's file and what to make of SQLite's words.
Problem logProblem(const QString &path, const QSqlError &error)
{
    const QString sqliteWords = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (error.nativeErrorCode().toInt() & 0xFF) {
    case SqliteBusy:
    case SqliteLocked:
        return Problem::inFile(path, QStringLiteral("another program is writing to the observing log; nothing was "
                                                    "changed, try again when it has finished"));
    case SqliteCorrupt: return damagedLog(path, sqliteWords);
    case SqliteNotADatabase: return notALog(path);
    default: return Problem::inFile(path, QStringLiteral("the observing log cannot be used: %1").arg(sqliteWords));
    }
}

}  // namespace

// Opening never writes to a file that is already there until it has proved to be a log of ours
// that this program can read: a stranger's database, a damaged one or a newer layout is left as
// it is.
Result<std::unique_ptr<ObservationLog>> ObservationLog::open(const QString &path)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return Problem::inFile(path, QStringLiteral("the observing log needs Qt's SQLite driver (libqt6sql6-sqlite)"));
    const bool isNew = !QFileInfo::exists(path) || QFileInfo(path).size() == 0;
    std::unique_ptr<ObservationLog> log(new ObservationLog(path, nextConnectionName()));
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), log->m_connectionName);
    database.setDatabaseName(path);
    // Another program writing the log (the command line while the window is open) holds it for
    // the few milliseconds of one transaction; wait for it rather than fail. A writer that holds
    // it for a whole second is not one of ours at work, and the window would freeze waiting.
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (!database.open())
        return logProblem(path, database.lastError());
    if (const std::optional<Problem> problem = isNew ? log->create() : log->check())
        return *problem;
    return log;
}

ObservationLog::ObservationLog(QString path, QString connectionName)
    : m_path(std::move(path))
    , m_connectionName(std::move(connectionName))
{
}

ObservationLog::~ObservationLog()
{
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase ObservationLog::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

std::optional<Problem> ObservationLog::execute(const QString &statement) const
{
    QSqlQuery query(database());
    if (!query.exec(statement))
        return logProblem(m_path, query.lastError());
    return std::nullopt;
}

// WAL keeps every committed transaction whole through a crash; FULL synchronisation makes a
// commit survive a power cut as well (https://www.sqlite.org/wal.html).
std::optional<Problem> ObservationLog::setJournal() const
{
    for (const QString &statement : {QStringLiteral("PRAGMA journal_mode = WAL"), QStringLiteral("PRAGMA synchronous = FULL")}) {
        if (const std::optional<Problem> problem = execute(statement))
            return problem;
    }
    return std::nullopt;
}

std::optional<Problem> ObservationLog::create() const
{
    if (const std::optional<Problem> problem = setJournal())
        return problem;
    return inTransaction([this]() -> std::optional<Problem> {
        for (const QString &statement : CreateSchema) {
            if (const std::optional<Problem> problem = execute(statement))
                return problem;
        }
        return std::nullopt;
    });
}

std::optional<Problem> ObservationLog::check() const
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA application_id")) || !query.next())
        return logProblem(m_path, query.lastError());
    if (query.value(0).toInt() != LogApplicationId)
        return notALog(m_path);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return logProblem(m_path, query.lastError());
    if (query.value(0).toString() != u"ok")
        return damagedLog(m_path, query.value(0).toString());
    if (!query.exec(QStringLiteral("SELECT version FROM schema_version")) || !query.next())
        return logProblem(m_path, query.lastError());
    if (query.value(0).toInt() > LogSchemaVersion)
        return Problem::inFile(m_path, QStringLiteral("the observing log was written by a newer Nocturo; it was left as it is"));
    query.finish();
    return setJournal();
}

std::optional<Problem> ObservationLog::inTransaction(const std::function<std::optional<Problem>()> &change) const
{
    QSqlDatabase log = database();
    if (!log.transaction())
        return logProblem(m_path, log.lastError());
    if (std::optional<Problem> problem = change()) {
        log.rollback();
        return problem;
    }
    if (!log.commit()) {
        const Problem problem = logProblem(m_path, log.lastError());
        log.rollback();
        return problem;
    }
    return std::nullopt;
}

Result<QList<qint64>> ObservationLog::add(const QList<Observation> &observations)
{
    QList<qint64> ids;
    const std::optional<Problem> problem = inTransaction([&]() -> std::optional<Problem> {
        QSqlQuery query(database());
        // Qt binds a null text as NULL; notes never written are empty ones.
        query.prepare(QStringLiteral(
            "INSERT INTO observations (object, local_time, utc_offset_seconds, utc_time, lat_deg, lon_deg,"
            " aperture_mm, magnification, sky_mag_per_arcsec2, seeing, verdict, notes)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, coalesce(?, ''))"));
        for (const Observation &observation : observations) {
            const QList<QVariant> values{
                observation.objectIdentifier,
                observation.localTime.toString(TimeFormat),
                observation.localTime.offsetFromUtc(),
                observation.localTime.toUTC().toString(TimeFormat),
                observation.latDeg,
                observation.lonDeg,
                optionalValue(observation.apertureMm),
                optionalValue(observation.magnification),
                optionalValue(observation.skyMagPerArcsec2),
                observation.seeing ? QVariant(*observation.seeing) : QVariant(),
                QString::fromUtf16(observationVerdictEntry(observation.verdict).text),
                // A null text would be bound as NULL, which the column refuses: no notes are empty ones.
                observation.notes.isNull() ? QStringLiteral("") : observation.notes,
            };
            for (int index = 0; index < values.size(); ++index)
                query.bindValue(index, values.at(index));
            if (!query.exec())
                return logProblem(m_path, query.lastError());
            ids << query.lastInsertId().toLongLong();
        }
        return std::nullopt;
    });
    if (problem)
        return *problem;
    return ids;
}

std::optional<Problem> ObservationLog::changeOne(const QString &statement, const QList<QVariant> &values)
{
    return inTransaction([&]() -> std::optional<Problem> {
        QSqlQuery query(database());
        query.prepare(statement);
        for (int index = 0; index < values.size(); ++index)
            query.bindValue(index, values.at(index));
        if (!query.exec())
            return logProblem(m_path, query.lastError());
        if (query.numRowsAffected() != 1)
            return Problem::inFile(m_path, QStringLiteral("the observation is no longer in the log"));
        return std::nullopt;
    });
}

std::optional<Problem> ObservationLog::setNotes(qint64 id, const QString &notes)
{
    return changeOne(QStringLiteral("UPDATE observations SET notes = coalesce(?, '') WHERE id = ?"), {notes, id});
}

std::optional<Problem> ObservationLog::remove(qint64 id)
{
    return changeOne(QStringLiteral("DELETE FROM observations WHERE id = ?"), {id});
}

Result<QList<Observation>> ObservationLog::observations() const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(SelectColumns + QStringLiteral(" ORDER BY utc_time, id")))
        return logProblem(m_path, query.lastError());
    QList<Observation> observations;
    while (query.next())
        observations << observationAt(query);
    return observations;
}

// SQLite gives the other columns of the row that holds the maximum
// (https://www.sqlite.org/lang_select.html#bareagg).
Result<QHash<QString, QDate>> ObservationLog::lastObservedDates() const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT object, substr(local_time, 1, 10), max(utc_time) FROM observations"
                                   " WHERE verdict <> 'not seen' GROUP BY object")))
        return logProblem(m_path, query.lastError());
    QHash<QString, QDate> dates;
    while (query.next())
        dates.insert(query.value(0).toString(), QDate::fromString(query.value(1).toString(), Qt::ISODate));
    return dates;
}
