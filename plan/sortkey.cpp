#include "plan/sortkey.h"

#include "plan/fieldnumber.h"

#include <algorithm>
#include <cmath>

namespace {

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

SortKey SortKey::number(double value)
{
    SortKey key;
    key.m_isNumber = true;
    key.m_number = value;
    return key;
}

SortKey SortKey::text(QStringView text)
{
    if (const auto value = readPlainNumber(text.trimmed()))
        return number(*value);
    SortKey key;
    key.m_textKey = naturalKey(text);
    return key;
}

SortKey SortKey::numberOrText(const std::optional<double> &value, QStringView text)
{
    return value ? number(*value) : SortKey::text(text);
}

std::weak_ordering operator<=>(const SortKey &a, const SortKey &b)
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
