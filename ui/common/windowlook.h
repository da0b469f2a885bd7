#pragma once

#include <QFont>
#include <QString>

// What every Nocturo window shares: its title, its version and its font.

inline const QString ApplicationTitle = QStringLiteral("Nocturo");

// The project's version, as the build sets it ("1.1").
QString applicationVersion();

// The windows were designed for MS Sans Serif 8.25 pt. Where it is missing, Liberation Sans
// stands in: it has the narrow metrics the layouts were drawn around.
QFont windowFont(double pointSize = 8.25, bool bold = false);
