#pragma once

#include "ui/year/yearmap.h"

#include <QDate>
#include <QImage>
#include <QWidget>

// The heat map of one object's year (yearmapimage.h). Hovering over a night tells its date and
// minutes; a click on it chooses that night.
class YearMapView : public QWidget {
    Q_OBJECT

public:
    explicit YearMapView(QWidget *parent = nullptr);

    void setMap(YearMap map);

signals:
    void nightChosen(const QDate &date);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const YearMapNight *nightAt(QPoint point) const;

    YearMap m_map;
    QImage m_image;  // the map at the widget's size and palette; null: to be drawn again
};
