#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps every control of a window in proportion to the window's client area. The
// proportions are taken once from the design layout; every resize places each control
// afresh from them, so no sequence of resizes makes the layout drift.
class ProportionalLayout {
public:
    struct ControlRatios {
        float HeightRatio = 0.0f;
        float WidthRatio = 0.0f;
        float TopRatio = 0.0f;
        float LeftRatio = 0.0f;
    };

    // designTwips is the control's place in its parent, in twips, as designed for a client
    // area of designClientTwips.
    void RecordControlRatios(QWidget *control, const QRect &designTwips, const QSize &designClientTwips);

    // Moves and sizes every recorded control for a client area of clientSizePx pixels.
    // An empty client area (a minimised window) moves nothing.
    void placeControls(const QSize &clientSizePx) const;

    int controlCount() const { return int(controls.size()); }

private:
    struct Entry {
        QWidget *control = nullptr;
        ControlRatios ratios;
    };
    QList<Entry> controls;
};
