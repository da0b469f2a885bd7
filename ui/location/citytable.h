#pragma once

class QTableView;
class QWidget;

// The location chooser's table of cities: a table view to pick one city from. Whole rows are
// selected, one at a time; nothing is edited; the headings only label the columns, so the
// cities stay in the file's order. Tab passes the table as one stop; the arrow keys move inside.
QTableView *createCityTable(QWidget *parent);

// Every column as wide as its heading or its widest cell, whichever is more, so that nothing is
// cut off. Measures every row: for a model whose texts no longer change.
void fitColumnsToTexts(QTableView &table);
