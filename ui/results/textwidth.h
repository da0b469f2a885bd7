#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStringView>

#include <array>

// How wide a text is in a font, quickly enough to measure every cell of a long list: the sum of
// the characters' advances, looked up once for Latin-1. Kerning is left out, which costs a pixel
// at most, and the one pixel added covers it; a text outside Latin-1 is measured by the font.
// The advances are whole 64ths of a pixel, as the font gives them, and add up in integers.
class TextWidth {
public:
    explicit TextWidth(const QFont &font);

    int widthPx(QStringView text) const;

private:
    QFontMetrics m_metrics;
    std::array<int, 256> m_latin1Advances64thsPx{};
};
