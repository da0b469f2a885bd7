#pragma once

#include "plan/listcolumns.h"

#include <QString>

#include <vector>

// The observing list as tab-separated text: the columns' text headings, then one line a row in
// the order given, every line ended by CR LF. Copy, Save and the command line write these bytes.
// The columns are the standard ones unless others are given (Planner::shownColumns()).
QString resultsText(const ObservingList &list, const std::vector<int> &order, const LocaleNumbers &numbers,
                    const QList<ListColumn> &columns = listColumnsWith({}));
