#pragma once

#include "sky/filters.h"
#include "sky/horizonprofile.h"

#include <QImage>
#include <QWidget>

#include <optional>

// The horizon chart: the sky seen from below (north up, east left, the zenith in the middle),
// the azimuths the list admits in white and the rest of the sky blocked, and the observer's
// horizon profile blocking the sky from the rim inwards. The picture is kept, so covering the
// window needs no redraw.
class SkyChart : public QWidget {
    Q_OBJECT

public:
    explicit SkyChart(QWidget *parent = nullptr);

    // Redraws the chart for an azimuth window; without one (a field that is not a number) the
    // disc is drawn empty. The profile, when there is one, is drawn over it.
    void showAzimuthWindow(const std::optional<AzimuthWindow> &window, const HorizonProfile *profile = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Night vision comes and goes as a change of palette: the kept picture is drawn again.
    void changeEvent(QEvent *event) override;

private:
    void render();

    QImage image;
    std::optional<AzimuthWindow> m_window;
    std::optional<HorizonProfile> m_profile;
};

// The azimuths a window admits, as the chart draws them: the arc from fromAzDeg through
// increasing azimuth for spanDeg (through north where it passes 360); a span of 0 admits none,
// one of 360 all.
struct AdmittedArc {
    double fromAzDeg = 0.0;
    double spanDeg = 360.0;
};

// Azimuths lie in 0 to 360, so edges beyond that admit what 0 or 360 would. An inclusive window
// of equal edges admits a single azimuth, which no object keeps to for a session: none.
AdmittedArc admittedArc(const AzimuthWindow &window);
