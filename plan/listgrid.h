#pragma once

#include <QString>
#include <QStringList>

// What list generation needs of the grid that shows the observing list. Row 0 is the heading
// row; a row's text is its cell texts, each followed by a TAB.
class ListGrid {
public:
    virtual ~ListGrid() = default;

    // Empties the grid down to its heading row and applies the column layout.
    virtual void resetList(const QString &layout) = 0;
    // Puts the rows below the heading, in the order given (the first one in row 1).
    virtual void showRows(QStringList rowTexts) = 0;
};
