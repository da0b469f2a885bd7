#pragma once

#include "plan/problem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// Text files as Nocturo reads and writes them: lines end in CR LF, a lone CR or a lone LF
// when read, and in CR LF when written; text is UTF-8, and a file that is not valid UTF-8 is
// read as Latin-1 so that no byte is lost.

// No file the program reads comes near this size; a larger one is refused rather than read into
// memory whole.
inline constexpr qint64 MaxTextFileBytes = 64 * 1024 * 1024;

QString decodeText(const QByteArray &bytes);

// The lines of a text one after another, without copying them, so that a reader can stop at
// any line without cutting the rest. A line end directly before the end of the text ends the
// last line; it does not start an empty one. An empty text has no lines.
class LineReader {
public:
    explicit LineReader(QStringView text) : m_text(text) {}
    bool atEnd() const { return m_lineStart >= m_text.size(); }
    QStringView next();  // only while !atEnd()

private:
    QStringView m_text;
    qsizetype m_lineStart = 0;
};

// Every line, as LineReader reads them.
QStringList splitLines(const QString &text);

// Only regular files are read, as bytes or as text: a folder, a device such as /dev/zero or a
// named pipe (which would wait for a writer for ever) is refused, and so is a file over
// MaxTextFileBytes. A problem is a whole sentence that names the file.
Result<QByteArray> readFileBytes(const QString &path);
Result<QString> readText(const QString &path);
Result<QStringList> readTextLines(const QString &path);

// Writes text exactly as given, through a temporary file beside the target that replaces the
// target only once everything is on disk: a failed write leaves an existing file whole.
// Returns nothing, or the problem with the system's reason the file could not be written.
std::optional<Problem> writeTextFile(const QString &path, const QString &text);

// Reads a text file and hands its text to parse; a problem parse finds is named after the file
// as shownAs says.
template <typename T, typename Parse>
Result<T> parseTextFile(const QString &path, const QString &shownAs, Parse parse)
{
    const Result<QString> file = readText(path);
    if (!file.ok())
        return file.problems();
    Result<T> parsed = parse(file.value());
    if (parsed.ok())
        return parsed;
    Problem problem = parsed.problem();
    problem.file = shownAs;
    return problem;
}

// How every file Nocturo writes ends its lines, whatever the system.
inline const QString LineEnd = QStringLiteral("\r\n");

// Each line followed by LineEnd.
QString joinLinesCrLf(const QStringList &lines);
