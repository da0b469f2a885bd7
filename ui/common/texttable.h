#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QObject>
#include <QStringView>

#include <array>

class QTableView;

// Tables of text as the program shows them: whole rows selected, one line of text a row with a
// little air, no row numbers, cells and headings never wrapped or cut short, Tab passing the
// table as one stop and the arrow keys moving inside it.
void setUpTextTable(QTableView &table);

// How wide a text is in a font, quickly enough to measure every cell of a long list: the sum of
// the characters' advances, looked up once for Latin-1. Kerning is left out, which costs a pixel
// at most, and the one pixel added covers it; a text outside Latin-1 is measured by the font.
// The advances are whole 64ths of a pixel, as the font gives them, and add up in integers.
class TextWidth {
public:
    explicit TextWidth(const QFont &font);

    int widthPx(QStringView text) const;

private:
    QFontMetrics m_metrics;
    std::array<int, 256> m_latin1Advances64thsPx{};
};

// What a column needs beside its text: a cell keeps the focus-frame margin and one pixel free on
// each side of its text and gives one pixel to the grid line, a heading keeps the header margin
// on each side. The larger of the two, so that neither cuts a text short.
int textPaddingPx(const QTableView &table);

// The width a table needs to show all its columns side by side, beside a vertical scroll bar.
int widthForAllColumnsPx(const QTableView &table);

// The widest a column grows by itself: a third of the screen, so that one very long text cannot
// push the other columns out of sight. The observer may drag a column wider still.
int automaticColumnWidthLimitPx(const QTableView &table);

// Keeps every column of a table as wide as its heading or its widest cell, whichever is more, up
// to the limit above, so that nothing is cut off; a column the observer dragged wider stays so
// through new rows.
class ColumnFit : public QObject {
    Q_OBJECT

public:
    // The table has its model and its font.
    explicit ColumnFit(QTableView &table);

    // After new rows.
    void fit();

private:
    void noteResize(int column, int newWidthPx);

    QTableView &m_table;
    TextWidth m_textWidth;
    QList<int> m_draggedWidthsPx;  // 0 where never dragged
    bool m_fitting = false;
};
