#include "astro/localenumbers.h"

#include <charconv>
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

// QLocale rounds a value that lies exactly halfway away from zero, where the standard
// conversions round it to even. Such a value is nudged away from zero first.
double awayFromExactTie(double value, int decimals)
{
    const double scale = powerOfTen(decimals);
    const double scaled = std::abs(value) * scale;
    const double roundingError = std::fma(std::abs(value), scale, -scaled);
    if (roundingError != 0.0 || scaled - std::floor(scaled) != 0.5)
        return value;
    return std::nextafter(value, value < 0.0 ? -std::numeric_limits<double>::infinity()
                                             : std::numeric_limits<double>::infinity());
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
    // A value that rounds to zero is written without a sign: "-0.00" would read as a direction.
    if (decimals >= 0 && std::abs(value) * powerOfTen(decimals) < 0.5)
        value = 0.0;
    if (!m_asciiDigits || !(std::abs(value) < DirectLimit) || decimals < 0 || decimals > MaxDirectDecimals) {
        text += m_locale.toString(value, 'f', decimals);
        return;
    }
    char digits[32];
    const auto converted = std::to_chars(digits, digits + sizeof digits, awayFromExactTie(value, decimals),
                                         std::chars_format::fixed, decimals);
    for (const char *c = digits; c != converted.ptr; ++c) {
        if (*c == '-')
            text += m_negativeSign;
        else if (*c == '.')
            text += m_decimalPoint;
        else
            text += QLatin1Char(*c);
    }
}
