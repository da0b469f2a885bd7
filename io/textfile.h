#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files as Nocturo reads and writes them: lines end in CR LF, a lone CR or a lone LF
// when read, and in CR LF when written; text is UTF-8, and a file that is not valid UTF-8 is
// read as Latin-1 so that no byte is lost.

struct TextFileLines {
    QStringList lines;
    QString error;  // empty when the file was read

    bool ok() const { return error.isEmpty(); }
};

QString decodeText(const QByteArray &bytes);

// A line end directly before the end of the text ends the last line; it does not start an
// empty one. An empty text has no lines.
QStringList splitLines(const QString &text);

TextFileLines readTextLines(const QString &path);

// Writes text exactly as given, through a temporary file beside the target that replaces the
// target only once everything is written: a failed write leaves an existing file whole.
// Returns an empty string, or the reason the file could not be written.
QString writeTextFile(const QString &path, const QString &text);

// Each line followed by CR LF.
QString joinLinesCrLf(const QStringList &lines);
