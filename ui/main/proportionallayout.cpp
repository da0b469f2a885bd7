#include "ui/main/proportionallayout.h"

#include <QWidget>

void ProportionalLayout::recordControl(QWidget *control, const QRect &designTwips, const QSize &designClientTwips)
{
    const float clientWidth = float(designClientTwips.width());
    const float clientHeight = float(designClientTwips.height());
    ControlProportions proportions;
    proportions.heightShare = float(designTwips.height()) / clientHeight;
    proportions.widthShare = float(designTwips.width()) / clientWidth;
    proportions.topShare = float(designTwips.top()) / clientHeight;
    proportions.leftShare = float(designTwips.left()) / clientWidth;
    controls.append({control, proportions});
}

void ProportionalLayout::placeControls(const QSize &clientSizePx) const
{
    if (clientSizePx.isEmpty())
        return;
    const float widthPx = float(clientSizePx.width());
    const float heightPx = float(clientSizePx.height());
    for (const RecordedControl &recorded : controls) {
        const ControlProportions &share = recorded.proportions;
        recorded.control->setGeometry(qRound(widthPx * share.leftShare), qRound(heightPx * share.topShare),
                                      qRound(widthPx * share.widthShare), qRound(heightPx * share.heightShare));
    }
}
