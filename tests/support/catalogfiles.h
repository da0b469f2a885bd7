#pragma once

#include "testfiles.h"

// Catalog files for the tests: a header and numbered objects whose fields tell them apart.

// Object n of a file whose objects are named "<name> n": RA n mod 24 hours 30 minutes,
// Dec +10 degrees, comment "no. n".
inline QString objectLine(const QString &name, int n)
{
    return QStringLiteral("%1 %2,,%3 30.0,+10 00,5x3,9.0,Galaxy,Leo,no. %2")
        .arg(name, QString::number(n), QString::number(n % 24));
}

inline QByteArray catalogBytes(const QString &name, int objectCount)
{
    QByteArray bytes = "Identifier,M,RA,Dec,Size,Mag,Type,Constellation,Comment\r\n";
    for (int n = 1; n <= objectCount; ++n)
        bytes += objectLine(name, n).toUtf8() + "\r\n";
    return bytes;
}
