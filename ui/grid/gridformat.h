#pragma once

#include <QList>
#include <QString>

// One column as a grid's layout string describes it.
struct GridColumnFormat {
    Qt::Alignment alignment = Qt::AlignLeft;
    QString heading;  // the text of the column's heading cell, trailing blanks included
};

// Reads a layout string: one segment per column, separated by "|". A segment that starts with
// "<" is a left-aligned column and one that starts with ">" a right-aligned one; the rest of the
// segment is the heading. A segment with neither is left-aligned and wholly heading. An empty
// layout string has no columns.
QList<GridColumnFormat> parseFormatString(const QString &layout);
