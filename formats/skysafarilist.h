#pragma once

#include "plan/observinglist.h"

#include <QString>

#include <vector>

// A SkySafari observing list (.skylist, version 3.0): one block an object, which SkySafari finds
// by its catalog numbers, each designation as the catalog writes it ("NGC 224", "M 31").
QString skySafariList(const ObservingList &list, const std::vector<int> &order);
