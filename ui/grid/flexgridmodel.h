#pragma once

#include "ui/grid/gridformat.h"
#include "ui/grid/gridrow.h"

#include <QAbstractTableModel>
#include <QList>
#include <QLocale>

// The cells of a FlexGrid, addressed as the grid addresses them: row 0 is the heading row,
// which views see as the horizontal header, and grid row r is the view's row r - 1.
//
// Between beginBatch() and the matching endBatch() changes send no signals of their own; the
// outermost batch that changed anything ends in one model reset. Outside a batch every change
// sends its own signals, so an attached view always agrees with the model.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit FlexGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int gridRowCount() const { return int(m_rows.size()); }
    // Never less than 1: the heading row always stays.
    void setGridRowCount(int gridRowCount);

    // Sets the columns and the heading row's texts.
    void setColumns(const QList<GridColumnFormat> &columns);

    // Inserts a row of TAB-separated cell texts at gridRow, 1 to gridRowCount().
    void insertGridRow(int gridRow, const QString &rowText);
    // Appends rows of TAB-separated cell texts, in order, in one step.
    void appendGridRows(QStringList rowTexts);

    // Out-of-range cells read as empty; writing one does nothing.
    QString text(int gridRow, int col) const;
    QStringView cell(int gridRow, int col) const;
    void setText(int gridRow, int col, const QString &text);

    // Empties every cell, headings included.
    void clearTexts();

    // Sorts the data rows firstRow to lastRow (1 or more) as whole rows by the cells of keyCol.
    void sortRows(int firstRow, int lastRow, int keyCol, Qt::SortOrder order,
                  const QLocale &locale);

    void beginBatch();
    void endBatch();

private:
    bool inBatch() const { return m_batchDepth > 0; }
    void noteBatchedChange();
    void beginStructureChange();
    void endStructureChange();
    bool contains(int gridRow, int col) const;
    QVariant alignmentData(int col) const;
    void placeRowsInOrder(int firstRow, const QList<qsizetype> &sortedPositions);

    QList<GridRow> m_rows{GridRow()};
    QList<Qt::Alignment> m_alignments;  // one per column
    int m_batchDepth = 0;
    bool m_resetPending = false;
};
