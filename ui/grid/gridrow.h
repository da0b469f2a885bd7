#pragma once

#include <QString>
#include <QStringList>

// The cell texts of one grid row, kept as the TAB-separated text the row was added with and
// cut into cells only when a cell is read. The observing list is rebuilt row by row at every
// keystroke, and this way adding a row shares the caller's text instead of copying every cell.
// A cell therefore cannot hold a TAB: one in a text that is set becomes a blank.
class GridRow {
public:
    GridRow() = default;  // every cell empty

    // The cells are the TAB-separated parts of rowText, in column order; parts beyond
    // columnCount are dropped and missing parts are empty.
    GridRow(const QString &rowText, int columnCount);

    static GridRow fromCells(const QStringList &cellTexts);

    QString cell(int col) const;
    void setCell(int col, const QString &text);

    // Drops the cells from column columnCount on.
    void truncate(int columnCount);

private:
    QString m_text;
};

// One string inside: a list of rows can move rows as plain memory when a row is inserted.
Q_DECLARE_TYPEINFO(GridRow, Q_RELOCATABLE_TYPE);
