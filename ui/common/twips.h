#pragma once

#include <QRect>
#include <QSize>

// Window layouts are designed in twips, 1/1440 inch: at 96 dots per inch, 15 twips make a
// pixel. Qt's device-pixel ratio scales the pixels on high-density screens.
inline constexpr double TwipsPerPixel = 15.0;

inline int twipsToPixels(int twips)
{
    return qRound(twips / TwipsPerPixel);
}

inline QRect twipsToPixels(const QRect &twips)
{
    return QRect(twipsToPixels(twips.left()), twipsToPixels(twips.top()),
                 twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

inline QSize twipsToPixels(const QSize &twips)
{
    return QSize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}
