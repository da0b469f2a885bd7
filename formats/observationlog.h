#pragma once

#include "plan/observation.h"
#include "plan/problem.h"

#include <QSqlDatabase>

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

// The log file the program keeps in the working folder.
inline const QString ObservationLogFile = QStringLiteral("observations.sqlite");

// The observing log: every observation the observer recorded, kept in an SQLite database.
// Each change is one transaction in WAL mode, so that a crash or a full disk in the middle of a
// write loses at most that change, never an earlier observation. A file that a newer program
// wrote, that is locked, damaged or not a Nocturo log is reported and never written to.
class ObservationLog {
public:
    // Opens the log at path, making an empty one where there is no file.
    static Result<std::unique_ptr<ObservationLog>> open(const QString &path);
    ~ObservationLog();
    ObservationLog(const ObservationLog &) = delete;
    ObservationLog &operator=(const ObservationLog &) = delete;

    const QString &path() const { return m_path; }

    // Keeps the observations, all or none of them; their ids in the log, in the same order.
    Result<QList<qint64>> add(const QList<Observation> &observations);
    std::optional<Problem> setNotes(qint64 id, const QString &notes);
    std::optional<Problem> remove(qint64 id);

    // Every observation, oldest first (by UTC instant, then in the order they were added).
    Result<QList<Observation>> observations() const;
    // For each object seen or glimpsed, the local date of the last time it was.
    Result<QHash<QString, QDate>> lastObservedDates() const;

private:
    explicit ObservationLog(QString path, QString connectionName);

    QSqlDatabase database() const;
    std::optional<Problem> execute(const QString &statement) const;
    std::optional<Problem> setJournal() const;
    std::optional<Problem> create() const;
    std::optional<Problem> check() const;
    std::optional<Problem> inTransaction(const std::function<std::optional<Problem>()> &change) const;
    std::optional<Problem> changeOne(const QString &statement, const QList<QVariant> &values);

    QString m_path;
    QString m_connectionName;
};
