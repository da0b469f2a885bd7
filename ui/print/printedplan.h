#pragma once

#include "plan/nightplan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class Planner;

// A name and its value, as a printed table of two columns shows them.
using NamedValue = std::pair<QString, QString>;

// What the printed plan shows, as text ready to be laid out: the session as typed, the night's
// events, the observing list with the grid's columns and order, and the selected object's night.
struct PrintedPlan {
    QList<NamedValue> session;  // the place, date and times, then the filters
    QList<NamedValue> events;   // in time order, the Moon's illumination last; none without a session
    QStringList headings;
    QList<QStringList> rows;
    QString chartObject;        // the selected object's identifier; empty: no chart
    NightCurves chart;
};

// The planner's current plan. rowOrder gives the list's rows in the order to print them; boxesOn
// are the filter boxes that are on beside the session's fields, each with what it says; selected
// is the object whose night is charted, or null.
PrintedPlan printedPlan(const Planner &planner, const std::vector<int> &rowOrder, const QList<NamedValue> &boxesOn,
                        const CatalogObject *selected);
