#pragma once

#include "astro/listgrid.h"

#include <QList>
#include <QString>
#include <QTableView>

class FlexGridModel;
struct GridColumnFormat;

// A grid of text cells, addressed by row and column from 0, with one fixed heading row (row 0,
// shown as the horizontal header, so that it stays in place while the rows scroll) and no
// fixed column. Its operations carry the names the rest of the program knows the grid by.
//
// Columns keep the widths that the layout string gives them: the user cannot resize them,
// so that a click on a heading is never taken for a resize by accident.
class FlexGrid : public QTableView, public ListGrid {
    Q_OBJECT

public:
    class UpdateBatch;

    // The orders setSort() takes.
    static constexpr int SortGenericAscending = 1;
    static constexpr int SortGenericDescending = 2;

    explicit FlexGrid(QWidget *parent = nullptr);

    // Empties every cell, the headings included; rows and columns stay.
    void Clear() override;

    // The number of rows, the heading row included. Setting 1 (or less) leaves the heading row
    // only; growing appends empty rows.
    int Rows() const;
    void setRows(int rowCount) override;

    int Cols() const;

    // The layout string sets up every column at once: see parseFormatString(). Each heading,
    // trailing blanks included, becomes the column's row-0 text, and the column becomes just
    // wide enough to show it in the grid's font. Data cells take their column's alignment.
    QString FormatString() const;
    void setFormatString(const QString &layout) override;

    // Inserts a row whose cells are the TAB-separated parts of rowText; the empty part after a
    // final TAB and parts beyond the last column are dropped, missing parts are empty.
    // A negative rowIndex appends, as does an index past the last row; 0 inserts at row 1,
    // because the heading row always stays row 0.
    void AddItem(const QString &rowText, int rowIndex = -1) override;

    // A cell outside the grid reads as empty; setting one does nothing.
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);

    // The current cell and the ends of the selection. A mouse press on a cell makes it current
    // and collapses the selection to it; a press on a heading makes row 0 current. Setting a
    // row or column outside the grid does nothing.
    int Row() const { return m_row; }
    void setRow(int row);
    int Col() const { return m_col; }
    void setCol(int col);
    int RowSel() const { return m_rowSel; }
    void setRowSel(int row);
    int ColSel() const { return m_colSel; }
    void setColSel(int col);

    // Sorts whole rows by the cells of column Col(), SortGenericAscending or
    // SortGenericDescending (other values do nothing): numbers by value and before texts, texts
    // case-insensitively, equal keys keeping their order. With Row() equal to RowSel() every
    // data row takes part, otherwise the data rows from one to the other; the heading row stays.
    void setSort(int order);

    // The cell under the mouse pointer when it was last seen over the grid: row 0 over the
    // headings, -1 where there is no row or no column (below the last row, right of the last
    // column).
    int MouseRow() const { return m_mouseRow; }
    int MouseCol() const { return m_mouseCol; }

    // Repaints the grid now.
    void Refresh();

signals:
    // Any mouse button released over the headings or the cells. button: 1 left, 2 right,
    // 4 middle, 0 any other; shift: 1 Shift, 2 Ctrl, 4 Alt, added together; x and y in pixels
    // from the grid's top left corner. MouseRow() and MouseCol() already tell where.
    void MouseUp(int button, int shift, float x, float y);
    // A double click over the headings or the cells; Row() is the row clicked.
    void DblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct GridCell {
        int row = -1;
        int col = -1;
    };

    GridCell cellInViewport(QPoint pos) const;
    GridCell cellInHeader(QPoint pos) const;
    void headerMouseEvent(QMouseEvent *event);
    void makeCurrent(GridCell cell);
    void emitMouseUp(const QMouseEvent &event, const QWidget &source);
    void keepCurrentCellInside();

    void fitToFont();
    QList<int> columnWidthsPx(const QList<GridColumnFormat> &columns) const;
    int textPaddingPx() const;
    void applyColumnWidths();

    FlexGridModel *m_model;
    QString m_formatString;
    QList<int> m_columnWidthsPx;
    int m_row = 0;
    int m_col = 0;
    int m_rowSel = 0;
    int m_colSel = 0;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
};

// While one exists, changes to the grid send no per-row notifications; when the outermost one
// ends, the view takes the new content in one reset. Rebuilding a whole list row by row goes
// this way.
class FlexGrid::UpdateBatch {
public:
    explicit UpdateBatch(FlexGrid &grid);
    ~UpdateBatch();
    Q_DISABLE_COPY_MOVE(UpdateBatch)

private:
    FlexGridModel &m_model;
};
