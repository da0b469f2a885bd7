#pragma once

#include <QList>
#include <QObject>
#include <QStringView>

#include <array>

class QTableView;

// Tables of text as the program shows them: whole rows selected, one line of text a row with a
// little air, no row numbers, cells and headings never wrapped or cut short, Tab passing the
// table as one stop, and a click on a heading reported by the header's sectionClicked().
void setUpTextTable(QTableView &table);

// Keeps every column of a table as wide as its heading or its widest cell, whichever is more, so
// that nothing is cut off; a column the observer dragged wider stays so through new rows.
class ColumnFit : public QObject {
    Q_OBJECT

public:
    // The table has its model and its font.
    explicit ColumnFit(QTableView &table);

    // After new rows.
    void fit();

private:
    int textWidthPx(QStringView text) const;
    int textPaddingPx() const;
    void noteResize(int column, int newWidthPx);

    QTableView &m_table;
    std::array<float, 256> m_latin1AdvancesPx{};
    QList<int> m_draggedWidthsPx;  // 0 where never dragged
    bool m_fitting = false;
};
