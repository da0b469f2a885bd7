#pragma once

#include "plan/observinglist.h"

#include <QDateTime>
#include <QString>

#include <vector>

// A Stellarium observing list (.sol, JSON, version 2.1) holding one list of the given name, the
// objects with their J2000 positions from the catalog, as Stellarium's Observing List reads it.
QString stellariumList(const ObservingList &list, const std::vector<int> &order, const QString &name,
                       const QDateTime &created);

// Positions as Stellarium writes them: "0h42m44.3s" and "+41°16'09\"".
QString stellariumRA(double raDeg);
QString stellariumDec(double decDeg);
