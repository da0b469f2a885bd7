#include "ui/grid/gridsortkey.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>

namespace {

// The plain form the list writes its numbers in, "-12.34" with the locale's sign and decimal
// point, read without asking the locale: sorting a whole sky's list reads fourteen thousand.
// Nothing: not in that form.
std::optional<double> readPlainNumber(QStringView text, const QLocale &locale)
{
    char ascii[32];
    qsizetype length = 0;
    const QString minus = locale.negativeSign();
    if (text.startsWith(minus)) {
        ascii[length++] = '-';
        text = text.sliced(minus.size());
    }
    const QChar decimalPoint = locale.decimalPoint().front();
    bool digitSeen = false;
    for (const QChar c : text) {
        if (length + 1 >= qsizetype(sizeof ascii))
            return std::nullopt;
        if (c >= u'0' && c <= u'9')
            digitSeen = true;
        else if (c != decimalPoint)
            return std::nullopt;
        ascii[length++] = c == decimalPoint ? '.' : char(c.unicode());
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii, ascii + length, value);
    if (!digitSeen || error != std::errc() || end != ascii + length)
        return std::nullopt;
    return value;
}

// Whether a text that is not in the plain form may still be a number in the locale's fuller
// forms: with group separators ("1,234.50"), an exponent, or digits and signs of other scripts.
bool mayBeLocaleNumber(QStringView text, const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    return std::any_of(text.begin(), text.end(), [&group](QChar c) {
        return c.unicode() >= 0x80 || group.contains(c) || c == u'e' || c == u'E' || c == u'+';
    });
}

std::optional<double> readNumber(QStringView text, const QLocale &locale)
{
    if (const auto plain = readPlainNumber(text, locale))
        return plain;
    if (!mayBeLocaleNumber(text, locale))
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    // "nan" and "inf" read as numbers but have no place in an order.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "5 35.2" or "-21 30": whole units, one blank, sixtieths.
std::optional<double> readSexagesimal(QStringView text, const QLocale &locale)
{
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0)
        return std::nullopt;
    const auto whole = readNumber(text.first(blank), locale);
    if (!whole || *whole != std::trunc(*whole))
        return std::nullopt;
    const auto sixtieths = readNumber(text.sliced(blank + 1), locale);
    if (!sixtieths)
        return std::nullopt;
    return *whole + *sixtieths / 60.0;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Each run of digits becomes its length (one code unit, below every printable character) and its
// digits without leading zeros, so that comparing keys as plain strings orders the numbers in a
// text by value.
QString naturalKey(QStringView text)
{
    QString key;
    key.reserve(text.size() + 4);
    for (qsizetype i = 0; i < text.size();) {
        if (!isAsciiDigit(text[i])) {
            key += text[i].toCaseFolded();
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isAsciiDigit(text[end]))
            ++end;
        qsizetype firstSignificant = i;
        while (firstSignificant + 1 < end && text[firstSignificant] == u'0')
            ++firstSignificant;
        key += QChar(char16_t(1 + std::min<qsizetype>(end - firstSignificant, 30)));
        key += text.sliced(firstSignificant, end - firstSignificant);
        i = end;
    }
    return key;
}

}  // namespace

GridSortKey::GridSortKey(QStringView cellText, const QLocale &locale)
{
    const QStringView trimmed = cellText.trimmed();
    std::optional<double> number = readNumber(trimmed, locale);
    if (!number)
        number = readSexagesimal(trimmed, locale);
    m_isNumber = number.has_value();
    if (m_isNumber)
        m_number = *number;
    else
        m_textKey = naturalKey(cellText);
}

std::weak_ordering operator<=>(const GridSortKey &a, const GridSortKey &b)
{
    if (a.m_isNumber != b.m_isNumber)
        return a.m_isNumber ? std::weak_ordering::less : std::weak_ordering::greater;
    if (a.m_isNumber) {
        if (a.m_number < b.m_number)
            return std::weak_ordering::less;
        if (a.m_number > b.m_number)
            return std::weak_ordering::greater;
        return std::weak_ordering::equivalent;
    }
    return a.m_textKey.compare(b.m_textKey) <=> 0;
}

QList<qsizetype> stableSortOrder(const QList<GridSortKey> &keys, Qt::SortOrder order)
{
    QList<qsizetype> positions(keys.size());
    std::iota(positions.begin(), positions.end(), 0);
    if (order == Qt::AscendingOrder) {
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    } else {
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](qsizetype a, qsizetype b) { return keys[b] < keys[a]; });
    }
    return positions;
}
