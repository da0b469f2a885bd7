#include "astro/localenumbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr double DirectLimit = 999.0;  // below it no rounding reaches 1000, where grouping starts
constexpr int MaxDirectDecimals = 6;

// QLocale rounds a value that lies exactly halfway away from zero, where the standard
// conversions round it to even. Such a value is nudged away from zero first.
double awayFromExactTie(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
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
    if (!m_asciiDigits || !(std::abs(value) < DirectLimit) || decimals < 0 || decimals > MaxDirectDecimals) {
        text += m_locale.toString(value, 'f', decimals);
        return;
    }
    if (value == 0.0)
        value = 0.0;  // a negative zero is written as 0

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
