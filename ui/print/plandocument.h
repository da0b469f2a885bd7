#pragma once

#include "ui/print/printedplan.h"

#include <QColor>
#include <QFont>
#include <QSizeF>

#include <vector>

class QPainter;
class QRectF;

// The printed plan laid out on pages of one paper size, in points (1/72 inch). The first page
// holds the session beside the night's events, the selected object's night chart and the start of
// the list; the list flows onto the pages that follow with its headings repeated on each, and
// every page ends with "Page N of M". The same pages are painted on a printer and on an image.
// Night vision prints red on black, for reading on a screen; otherwise black on white, for paper.
class PlanDocument {
public:
    PlanDocument(PrintedPlan plan, QSizeF paperPt, bool nightVision);

    int pageCount() const { return 1 + int(m_laterPageRows.size()); }

    // Paints one page, from 0, on a painter whose unit is the point and whose origin is the
    // paper's top left corner.
    void paintPage(QPainter &painter, int page) const;

private:
    // The rows of the list on one page: from first, count of them.
    struct RowSpan {
        int first = 0;
        int count = 0;
    };

    double halfWidthPt() const;
    double sessionAndNightHeightPt() const;
    double namedValuesHeightPt(const QList<NamedValue> &values) const;
    void fitTable();
    void flowRows(double firstPageTopPt);
    RowSpan rowsOn(int page) const;
    double paintHeading(QPainter &painter, const QString &text, double xPt, double yPt) const;
    void paintNamedValues(QPainter &painter, const QList<NamedValue> &values, double xPt, double yPt) const;
    void paintFirstPageTop(QPainter &painter) const;
    void paintChart(QPainter &painter, const QRectF &areaPt) const;
    void paintTable(QPainter &painter, RowSpan rows, double topPt) const;
    void paintPageNumber(QPainter &painter, int page) const;

    PrintedPlan m_plan;
    QSizeF m_paperPt;
    bool m_nightVision;
    QColor m_ink, m_paper, m_rule;
    QFont m_titleFont, m_headingFont, m_textFont, m_tableFont, m_tableHeadingFont;
    std::vector<double> m_columnXPt;  // each column's left edge, from the left margin
    double m_listTopPt = 0.0;         // where the list's headings start on the first page
    int m_firstPageRows = 0;
    std::vector<RowSpan> m_laterPageRows;
};
