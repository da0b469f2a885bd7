#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

// The cell texts of one grid row, kept as the one TAB-separated text the row was added with and
// where each cell ends in it: a row of the observing list costs one string, shared with the
// caller, however many cells it has, and reading a cell cuts nothing. A cell therefore cannot
// hold a TAB: one in a text that is set becomes a blank.
class GridRow {
public:
    GridRow() = default;  // every cell empty

    // The cells are the TAB-separated parts of rowText, in column order; parts beyond
    // columnCount are dropped and missing parts are empty.
    GridRow(QString rowText, int columnCount);

    static GridRow fromCells(const QStringList &cellTexts);

    QStringView cell(int col) const;
    void setCell(int col, const QString &text);

    // Drops the cells from column columnCount on.
    void truncate(int columnCount);

private:
    void findCellEnds(int columnCount);

    QString m_text;
    QVarLengthArray<qsizetype, 12> m_cellEnds;  // cell c ends there; the next starts after its TAB
};
