#pragma once

#include "plan/observinglist.h"

#include <QString>

#include <vector>

// A Cartes du Ciel observing list (.txt): a title line, then one line an object in fixed columns,
// counted from 1: the name in 1-32, the J2000 right ascension and declination in decimal degrees
// in 33-42 and 43-52 (right-aligned, 5 decimals), the identifier in 53-84, a description from 85.
QString cartesDuCielList(const ObservingList &list, const std::vector<int> &order, const QString &title);

inline constexpr int CartesDuCielNameColumns = 32;
inline constexpr int CartesDuCielCoordinateColumns = 10;
