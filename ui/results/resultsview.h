#pragma once

#include "ui/common/texttable.h"

#include <QPoint>
#include <QString>
#include <QTableView>

#include <optional>
#include <vector>

class ResultsModel;

// The observing list on the screen. A click on a heading sorts by that column; dragging a
// heading's border widens the column and sorts nothing. A column is as wide as its heading
// (trailing blanks included) or its widest cell, whichever is more, up to a third of the screen,
// and a column the observer widened keeps that width across new lists unless its cells need more. Tab passes the view as
// one stop, the arrow keys move the current row inside it; the current row is the one selected
// and stays with its object across sorts and new lists while the object is listed.
class ResultsView : public QTableView {
    Q_OBJECT

public:
    explicit ResultsView(ResultsModel *model, QWidget *parent = nullptr);

signals:
    // The identifier of the current object; empty when there is none.
    void currentObjectChanged(const QString &identifier);
    // A double click on a row, or Enter on the current row.
    void objectActivated(const QString &identifier);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void changeEvent(QEvent *event) override;
    int sizeHintForColumn(int column) const override;

private:
    QString identifierAt(int viewRow) const;
    void headingMouseEvent(const QMouseEvent &event);
    void keepCurrentObject();

    void fitToFont();
    void fitAllColumns();
    void widenForHeadings();
    void widenFor(int column, const QString &text, int paddingPx);
    void applyColumnWidths();
    void noteSectionResized(int column, int newWidthPx);

    ResultsModel *m_results;
    QString m_currentIdentifier;
    std::optional<TextWidth> m_textWidth;
    std::vector<int> m_contentWidthsPx;  // what the heading and the cells need
    std::vector<int> m_userWidthsPx;     // what the observer dragged a column to; 0 where never
    bool m_applyingWidths = false;
    bool m_headingPressed = false;
    bool m_headingDragged = false;
    QPoint m_headingPressPos;
};
