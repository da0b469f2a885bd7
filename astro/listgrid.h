#pragma once

#include <QString>

// What list generation needs of the grid that shows the observing list. Row 0 is the
// heading row; a row's text is its cell texts, each followed by a TAB.
class ListGrid {
public:
    virtual ~ListGrid() = default;

    virtual void Clear() = 0;                                      // empty every cell
    virtual void setRows(int rowCount) = 0;                        // 1 keeps the heading row only
    virtual void setFormatString(const QString &layout) = 0;       // columns and headings
    virtual void AddItem(const QString &rowText, int rowIndex) = 0;  // insert at rowIndex
};
