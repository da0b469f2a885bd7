#pragma once

#include <QString>
#include <QStringList>

// How the log's windows word what an observation may leave out, and the seeing.

inline const QString NotNoted = QStringLiteral("not noted");

// "not noted", then Antoniadi's five grades of seeing, 1 the best (E. M. Antoniadi, "La planète
// Mars", 1930).
inline QStringList seeingTexts()
{
    return {NotNoted, QStringLiteral("1 perfect"), QStringLiteral("2 slight undulations"),
            QStringLiteral("3 moderate"), QStringLiteral("4 poor"), QStringLiteral("5 very bad")};
}
