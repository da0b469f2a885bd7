#pragma once

#include "plan/listcolumns.h"

#include <QString>

#include <vector>

// The list for a spreadsheet (RFC 4180, UTF-8): a header, then one record a row in the order
// given, the columns given and the J2000 position in decimal degrees after them. Numbers have a
// point before the fraction whatever the locale, so that any program reads them back.
QString csvList(const ObservingList &list, const std::vector<int> &order, const QList<ListColumn> &columns);

// A field as RFC 4180 writes it: in double quotes, its quotes doubled, when it holds a comma, a
// quote or a line break.
QString csvField(const QString &text);
