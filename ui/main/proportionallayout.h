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
    // designTwips is the control's place in its parent, in twips, as designed for a client
    // area of designClientTwips.
    void recordControl(QWidget *control, const QRect &designTwips, const QSize &designClientTwips);

    // Moves and sizes every recorded control for a client area of clientSizePx pixels.
    // An empty client area (a minimised window) moves nothing.
    void placeControls(const QSize &clientSizePx) const;

private:
    // A control's place as fractions of the client area: heights and tops of its height,
    // widths and lefts of its width. Single precision, like the layouts they were drawn for.
    struct ControlProportions {
        float heightShare = 0.0f;
        float widthShare = 0.0f;
        float topShare = 0.0f;
        float leftShare = 0.0f;
    };
    struct RecordedControl {
        QWidget *control = nullptr;
        ControlProportions proportions;
    };
    QList<RecordedControl> controls;
};
