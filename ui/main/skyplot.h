#pragma once

#include <QImage>
#include <QLocale>
#include <QWidget>

// The horizon chart: a compass seen from below (north up, east left) with the azimuth window
// drawn as a white pie slice. The picture is kept, so covering the window needs no redraw.
class SkyPlot : public QWidget {
    Q_OBJECT

public:
    explicit SkyPlot(QWidget *parent = nullptr);

    // Redraws the chart for the azimuth fields and the mode caption. Only the exact caption
    // "Exclusive" shows the complement; a field that is not a number leaves the disc empty.
    void drawSkyPlot(const QString &minAzText, const QString &maxAzText,
                     const QString &includedCaption, const QLocale &locale);

    const QImage &picture() const { return image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image;
};

struct SkyPlotAngles {
    double startRad = 0.0;  // counter-clockwise from 3 o'clock
    double endRad = 0.0;
};

// The slice runs counter-clockwise from startRad to endRad. Azimuth 0 points up and 90 left;
// an angle that comes out exactly 0 becomes 1e-8 so that its radius is still drawn.
SkyPlotAngles skyPlotAngles(double minAzDeg, double maxAzDeg, bool exclusive);
