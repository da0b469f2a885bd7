#include "ui/common/verdictcolour.h"

#include "sky/verdict.h"
#include "ui/common/nightvision.h"

QColor verdictBandColour(std::size_t band, const QPalette &palette)
{
    const double share = double(band) / double(VerdictBands.size() - 1);
    if (isNightVision(palette))
        return QColor(int(60 + 195 * share), 0, 0);
    return QColor::fromHsv(int(120 * share), 190, 220);
}
