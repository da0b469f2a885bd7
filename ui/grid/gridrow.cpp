#include "ui/grid/gridrow.h"

#include <QStringTokenizer>

namespace {

const QChar CellSeparator = u'\t';

QString withoutSeparators(const QString &text)
{
    return text.contains(CellSeparator) ? QString(text).replace(CellSeparator, u' ') : text;
}

}  // namespace

GridRow::GridRow(const QString &rowText, int columnCount)
    : m_text(rowText)
{
    truncate(columnCount);
}

GridRow GridRow::fromCells(const QStringList &cellTexts)
{
    GridRow row;
    QStringList cleanTexts;
    cleanTexts.reserve(cellTexts.size());
    for (const QString &text : cellTexts)
        cleanTexts.append(withoutSeparators(text));
    row.m_text = cleanTexts.join(CellSeparator);
    return row;
}

QString GridRow::cell(int col) const
{
    int partIndex = 0;
    for (const QStringView part : qTokenize(m_text, CellSeparator)) {
        if (partIndex++ == col)
            return part.toString();
    }
    return {};
}

void GridRow::setCell(int col, const QString &text)
{
    QStringList cells = m_text.split(CellSeparator);
    while (cells.size() <= col)
        cells.append(QString());
    cells[col] = withoutSeparators(text);
    m_text = cells.join(CellSeparator);
}

void GridRow::truncate(int columnCount)
{
    if (columnCount <= 0) {
        m_text.clear();
        return;
    }
    // The separator that ends the last kept cell; a row text ends with one, and when nothing
    // follows it the text is kept as it is, still shared with the caller.
    qsizetype separator = -1;
    for (int col = 0; col < columnCount; ++col) {
        separator = m_text.indexOf(CellSeparator, separator + 1);
        if (separator < 0)
            return;
    }
    if (separator + 1 < m_text.size())
        m_text.truncate(separator);
}
