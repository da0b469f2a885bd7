#pragma once

#include <QIcon>
#include <QPalette>

// Night vision: every window, chart and dialog in red on black, so that the eyes stay
// adapted to the dark at the telescope. It is kept in the user's settings across starts.

QPalette nightVisionPalette();

// Whether a widget's palette is the night-vision one; charts that paint their own colours ask.
bool isNightVision(const QPalette &palette);

// The icon in shades of red, for icons that do not come from the style, such as files'.
QIcon nightVisionIcon(const QIcon &icon);

// Gives the whole application the night-vision palette, or its usual one back.
void applyNightVision(bool on);

bool rememberedNightVision();
void rememberNightVision(bool on);
