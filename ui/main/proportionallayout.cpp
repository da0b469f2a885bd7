#include "ui/main/proportionallayout.h"

#include <QWidget>

void ProportionalLayout::RecordControlRatios(QWidget *control, const QRect &designTwips,
                                             const QSize &designClientTwips)
{
    const float clientWidth = float(designClientTwips.width());
    const float clientHeight = float(designClientTwips.height());
    ControlRatios ratios;
    ratios.HeightRatio = float(designTwips.height()) / clientHeight;
    ratios.WidthRatio = float(designTwips.width()) / clientWidth;
    ratios.TopRatio = float(designTwips.top()) / clientHeight;
    ratios.LeftRatio = float(designTwips.left()) / clientWidth;
    controls.append({control, ratios});
}

void ProportionalLayout::placeControls(const QSize &clientSizePx) const
{
    if (clientSizePx.isEmpty())
        return;
    const float widthPx = float(clientSizePx.width());
    const float heightPx = float(clientSizePx.height());
    for (const Entry &entry : controls) {
        entry.control->setGeometry(qRound(widthPx * entry.ratios.LeftRatio),
                                   qRound(heightPx * entry.ratios.TopRatio),
                                   qRound(widthPx * entry.ratios.WidthRatio),
                                   qRound(heightPx * entry.ratios.HeightRatio));
    }
}
