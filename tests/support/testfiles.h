#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

// A file's whole content; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file whole and returns its absolute path; no test can go on without it.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("could not write %s", qPrintable(path));
    return QFileInfo(path).absoluteFilePath();
}
