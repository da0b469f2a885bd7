#include "plan/localenumbers.h"

#include <cstdint>
#include <iterator>
#include <cmath>
#include <limits>

namespace {

constexpr double DirectLimit = 999.0;  // below it no rounding reaches 1000, where grouping starts
constexpr int MaxDirectDecimals = 6;
constexpr double PowersOfTen[MaxDirectDecimals + 1] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

double powerOfTen(int decimals)
{
    return decimals >= 0 && decimals <= MaxDirectDecimals ? PowersOfTen[decimals] : std::pow(10.0, decimals);
}

// The value times 10^decimals rounded to a whole number as QLocale rounds it: by the exact
// binary value, and a value exactly halfway away from zero. The product can land exactly on a
// half only by rounding; the exact product, from a fused multiply-add, then says which way to go.
std::int64_t roundedUnits(double magnitude, double scale)
{
    const double scaled = magnitude * scale;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (fraction != 0.5)
        return std::int64_t(whole) + (fraction > 0.5 ? 1 : 0);
    return std::int64_t(whole) + (std::fma(magnitude, scale, -scaled) < 0.0 ? 0 : 1);
}

}  // namespace

LocaleNumbers::LocaleNumbers(const QLocale &locale)
    : m_locale(locale)
    , m_negativeSign(locale.negativeSign())
    , m_asciiDigits(locale.zeroDigit() == QLatin1String("0"))
{
    const QString decimalPoint = locale.decimalPoint();
    m_asciiDigits = m_asciiDigits && decimalPoint.size() == 1;
    m_decimalPoint = decimalPoint.isEmpty() ? QChar(u'.') : decimalPoint.front();
}

QString LocaleNumbers::fixed(double value, int decimals) const
{
    QString text;
    appendFixed(text, value, decimals);
    return text;
}

void LocaleNumbers::appendFixed(QString &text, double value, int decimals) const
{
    if (!m_asciiDigits || !(std::abs(value) < DirectLimit) || decimals < 0 || decimals > MaxDirectDecimals) {
        // A value that rounds to zero is written without a sign: "-0.00" would read as a direction.
        if (decimals >= 0 && std::abs(value) * powerOfTen(decimals) < 0.5)
            value = 0.0;
        text += m_locale.toString(value, 'f', decimals);
        return;
    }
    const std::int64_t scale = std::int64_t(PowersOfTen[decimals]);
    const std::int64_t units = roundedUnits(std::abs(value), double(scale));
    if (value < 0.0 && units != 0)
        text += m_negativeSign;

    char16_t digits[24];
    char16_t *end = digits + std::size(digits);
    char16_t *first = end;
    std::int64_t rest = units;
    for (int place = 0; place < decimals; ++place, rest /= 10)
        *--first = char16_t(u'0' + rest % 10);
    if (decimals > 0)
        *--first = m_decimalPoint.unicode();
    do {
        *--first = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    text.append(QStringView(first, end));
}
