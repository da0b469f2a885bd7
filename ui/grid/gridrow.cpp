#include "ui/grid/gridrow.h"

namespace {

const QChar CellSeparator = u'\t';

QString withoutSeparators(const QString &text)
{
    return text.contains(CellSeparator) ? QString(text).replace(CellSeparator, u' ') : text;
}

}  // namespace

GridRow::GridRow(QString rowText, int columnCount)
    : m_text(std::move(rowText))
{
    findCellEnds(columnCount);
}

GridRow GridRow::fromCells(const QStringList &cellTexts)
{
    QStringList cleanTexts;
    cleanTexts.reserve(cellTexts.size());
    for (const QString &text : cellTexts)
        cleanTexts.append(withoutSeparators(text));
    return GridRow(cleanTexts.join(CellSeparator), int(cleanTexts.size()));
}

void GridRow::findCellEnds(int columnCount)
{
    m_cellEnds.clear();
    qsizetype cellStart = 0;
    while (m_cellEnds.size() < columnCount && cellStart <= m_text.size()) {
        qsizetype end = m_text.indexOf(CellSeparator, cellStart);
        if (end < 0)
            end = m_text.size();
        m_cellEnds.append(end);
        cellStart = end + 1;
    }
}

QStringView GridRow::cell(int col) const
{
    if (col < 0 || col >= m_cellEnds.size())
        return {};
    const qsizetype start = col == 0 ? 0 : m_cellEnds[col - 1] + 1;
    return QStringView(m_text).sliced(start, m_cellEnds[col] - start);
}

void GridRow::setCell(int col, const QString &text)
{
    QStringList cells;
    for (int c = 0; c < m_cellEnds.size(); ++c)
        cells.append(cell(c).toString());
    while (cells.size() <= col)
        cells.append(QString());
    cells[col] = withoutSeparators(text);
    *this = fromCells(cells);
}

void GridRow::truncate(int columnCount)
{
    if (columnCount < m_cellEnds.size())
        m_cellEnds.resize(std::max(columnCount, 0));
}
