#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTableView>

#include <array>

class FlexGridModel;
struct GridColumnFormat;

// A grid of text cells, addressed by row and column from 0, with one fixed heading row (row 0,
// shown as the horizontal header, so that it stays in place while the rows scroll) and no
// fixed column. Its operations carry the names the rest of the program knows the grid by.
//
// A column is as wide as its heading or its widest cell, whichever is more, so that nothing is
// cut off; the observer may widen it further by dragging the heading's border. Tab moves the
// focus past the grid as one stop; the arrow keys move inside it.
class FlexGrid : public QTableView {
    Q_OBJECT

public:
    class UpdateBatch;

    // The orders setSort() takes.
    static constexpr int SortGenericAscending = 1;
    static constexpr int SortGenericDescending = 2;

    explicit FlexGrid(QWidget *parent = nullptr);

    // Empties every cell, the headings included; rows and columns stay.
    void Clear();

    // The number of rows, the heading row included. Setting 1 (or less) leaves the heading row
    // only; growing appends empty rows.
    int Rows() const;
    void setRows(int rowCount);

    int Cols() const;

    // The layout string sets up every column at once: see parseFormatString(). Each heading,
    // trailing blanks included, becomes the column's row-0 text. Data cells take their column's
    // alignment.
    QString FormatString() const;
    void setFormatString(const QString &layout);

    // Inserts a row whose cells are the TAB-separated parts of rowText; the empty part after a
    // final TAB and parts beyond the last column are dropped, missing parts are empty.
    // A negative rowIndex appends, as does an index past the last row; 0 inserts at row 1,
    // because the heading row always stays row 0.
    void AddItem(const QString &rowText, int rowIndex = -1);
    // Appends rows of TAB-separated cells, in order, in one step: a whole list at once.
    void appendRows(QStringList rowTexts);

    // A cell outside the grid reads as empty; setting one does nothing.
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);

    // The current cell and the ends of the selection. A mouse press on a cell makes it current
    // and collapses the selection to it; dragging with the button held moves the selection's
    // end; the arrow keys move the current cell. A press on a heading makes row 0 current.
    // Setting a row or column outside the grid does nothing, and rows that go away take the
    // current cell back inside the grid.
    int Row() const { return m_row; }
    void setRow(int row);
    int Col() const { return m_col; }
    void setCol(int col);
    int RowSel() const { return m_rowSel; }
    void setRowSel(int row);
    int ColSel() const { return m_colSel; }
    void setColSel(int col);

    // Sorts whole rows by the cells of column Col(), SortGenericAscending or
    // SortGenericDescending (other values do nothing), in the order GridSortKey gives, equal keys
    // keeping their order. With Row() equal to RowSel() every data row takes part, otherwise the
    // data rows from one to the other; the heading row stays.
    void setSort(int order);

    // The cell under the mouse pointer when it was last seen over the grid: row 0 over the
    // headings, -1 where there is no row or no column (below the last row, right of the last
    // column).
    int MouseRow() const { return m_mouseRow; }
    int MouseCol() const { return m_mouseCol; }

    // Repaints the grid now.
    void Refresh();

    int sizeHintForColumn(int column) const override;

signals:
    // Any mouse button released over the headings or the cells, unless the press started a drag
    // (widening a column never sorts). button: 1 left, 2 right, 4 middle, 0 any other; shift:
    // 1 Shift, 2 Ctrl, 4 Alt, added together; x and y in pixels from the grid's top left corner.
    // MouseRow() and MouseCol() already tell where.
    void MouseUp(int button, int shift, float x, float y);
    // A double click over the headings or the cells; Row() is the row clicked.
    void DblClick();
    // Enter or Return with a data row current: the keyboard's double click.
    void EnterPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void changeEvent(QEvent *event) override;

private:
    struct GridCell {
        int row = -1;
        int col = -1;
    };

    GridCell cellInViewport(QPoint pos) const;
    GridCell cellInHeader(QPoint pos) const;
    void noteMouse(GridCell cell);
    void headerMouseEvent(QMouseEvent *event);
    void makeCurrent(GridCell cell);
    void emitMouseUp(const QMouseEvent &event, const QWidget &source);
    void keepCurrentCellInside();

    void fitToFont();
    void fitAllColumns();
    void widenForRows(int firstGridRow, int lastGridRow);
    int textWidthPx(QStringView text) const;
    int textPaddingPx() const;
    void applyColumnWidths();
    void noteSectionResized(int col, int newWidthPx);

    FlexGridModel *m_model;
    QString m_formatString;
    QList<int> m_contentWidthsPx;  // what the heading and the cells need
    QList<int> m_userWidthsPx;     // what the observer dragged a column to; 0 where never
    std::array<float, 256> m_latin1AdvancesPx{};
    bool m_applyingWidths = false;
    bool m_headerPressed = false;
    bool m_headerDragged = false;
    QPoint m_headerPressPos;
    bool m_mousePressed = false;
    int m_row = 0;
    int m_col = 0;
    int m_rowSel = 0;
    int m_colSel = 0;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
};

// While one exists, changes to the grid send no per-row notifications; when the outermost one
// ends, the view takes the new content in one reset. Rebuilding a whole list goes this way.
class FlexGrid::UpdateBatch {
public:
    explicit UpdateBatch(FlexGrid &grid);
    ~UpdateBatch();
    Q_DISABLE_COPY_MOVE(UpdateBatch)

private:
    FlexGridModel &m_model;
};
