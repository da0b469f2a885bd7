#pragma once

#include "plan/listgrid.h"
#include "ui/grid/flexgrid.h"

// The results grid as list generation sees it: a rebuild goes into the grid in one batch.
class ResultsGridList : public ListGrid {
public:
    explicit ResultsGridList(FlexGrid &grid) : m_grid(grid) {}

    void resetList(const QString &layout) override
    {
        m_grid.Clear();
        m_grid.setRows(1);
        m_grid.setFormatString(layout);
    }

    void showRows(QStringList rowTexts) override { m_grid.appendRows(std::move(rowTexts)); }

private:
    FlexGrid &m_grid;
};
