#pragma once

#include "plan/observerfield.h"
#include "plan/sessionfield.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// What kept something from being read, made or written, and where: a file and one of its lines,
// or a session or observer field. Turned into words only where the observer reads it (problemText).
struct Problem {
    QString file;                       // as the observer knows it; empty when no file is involved
    int line = 0;                       // 1 for the first line; 0 for the file as a whole
    std::optional<SessionField> field;  // the session field that cannot be read
    QString what;                       // the reason, a sentence without its full stop
    std::optional<ObserverField> observerField = std::nullopt;  // the observer's field that cannot be read

    static Problem because(QString what) { return Problem{{}, 0, std::nullopt, std::move(what)}; }
    static Problem onLine(int line, QString what) { return Problem{{}, line, std::nullopt, std::move(what)}; }
    static Problem inFile(QString file, QString what) { return Problem{std::move(file), 0, std::nullopt, std::move(what)}; }

    friend bool operator==(const Problem &, const Problem &) = default;
};

// "file, line 3: what", "file: what" or "what": the reason with where it happened.
QString problemText(const Problem &problem);

// A value, or the problems that kept it from being made.
template <typename T>
class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Problem problem) : m_problems{std::move(problem)} {}
    Result(QList<Problem> problems) : m_problems(std::move(problems)) {}

    bool ok() const { return m_value.has_value(); }
    const T &value() const { return *m_value; }
    T &value() { return *m_value; }
    const QList<Problem> &problems() const { return m_problems; }
    const Problem &problem() const { return m_problems.first(); }

private:
    std::optional<T> m_value;
    QList<Problem> m_problems;
};
