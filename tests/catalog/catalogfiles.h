#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// Catalog files for the tests: a header and numbered objects whose fields tell them apart.

inline QString catalogHeader()
{
    return QStringLiteral("Identifier,M,RA,Dec,Size,Mag,Type,Constellation,Comment");
}

// Object n of a file whose objects are named "<name> n": RA n mod 24 hours 30 minutes,
// Dec +10 degrees, comment "no. n".
inline QString objectLine(const QString &name, int n)
{
    return QStringLiteral("%1 %2,,%3 30.0,+10 00,5x3,9.0,Galaxy,Leo,no. %2")
        .arg(name, QString::number(n), QString::number(n % 24));
}

inline QByteArray catalogBytes(const QString &name, int objectCount,
                               const QByteArray &lineEnd = QByteArrayLiteral("\r\n"))
{
    QByteArray bytes = catalogHeader().toUtf8() + lineEnd;
    for (int n = 1; n <= objectCount; ++n)
        bytes += objectLine(name, n).toUtf8() + lineEnd;
    return bytes;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
