#pragma once

#include <QString>

// The program's name, as every window's title and every message box shows it.
inline const QString ApplicationTitle = QStringLiteral("Nocturo");

// The project's version, as the build sets it ("1.1").
QString applicationVersion();
