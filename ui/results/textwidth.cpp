#include "ui/results/textwidth.h"

#include <QFontMetricsF>

TextWidth::TextWidth(const QFont &font)
    : m_metrics(font)
{
    const QFontMetricsF metrics(font);
    for (int c = 0; c < int(m_latin1Advances64thsPx.size()); ++c)
        m_latin1Advances64thsPx[std::size_t(c)] = qRound(metrics.horizontalAdvance(QChar(char16_t(c))) * 64.0);
}

int TextWidth::widthPx(QStringView text) const
{
    int width64thsPx = 0;
    for (const QChar c : text) {
        if (c.unicode() >= m_latin1Advances64thsPx.size())
            return m_metrics.horizontalAdvance(text.toString()) + 1;
        width64thsPx += m_latin1Advances64thsPx[c.unicode()];
    }
    return (width64thsPx + 63) / 64 + 1;
}
