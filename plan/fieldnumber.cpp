#include "plan/fieldnumber.h"

#include <charconv>

#include <cmath>

namespace {

std::optional<double> readWith(QLocale locale, QStringView text)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The text's number as from_chars reads it in whole: none where the text is not written as a
// number, or is not ASCII (no number form has other characters).
struct PlainReading {
    std::errc error = std::errc::invalid_argument;
    double value = 0.0;
};

PlainReading readPlain(QStringView text)
{
    if (text.startsWith(u'+'))
        text = text.sliced(1);
    char ascii[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof ascii))
        return {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() > 0x7f)
            return {};
        ascii[i] = char(text[i].unicode());
    }
    PlainReading reading;
    const char *end = ascii + text.size();
    const auto [stop, error] = std::from_chars(ascii, end, reading.value);
    reading.error = stop == end ? error : std::errc::invalid_argument;
    return reading;
}

}  // namespace

std::optional<double> readFieldNumber(QStringView text, const QLocale &locale)
{
    text = text.trimmed();
    if (const auto value = readWith(locale, text))
        return value;
    return readWith(QLocale::c(), text);
}

std::optional<double> readFieldNumberWithin(QStringView text, const QLocale &locale, double minValue, double maxValue)
{
    const auto value = readFieldNumber(text, locale);
    if (value && *value >= minValue && *value <= maxValue)
        return value;
    return std::nullopt;
}

std::optional<double> readPlainNumber(QStringView text)
{
    const PlainReading reading = readPlain(text);
    if (reading.error != std::errc() || !std::isfinite(reading.value))
        return std::nullopt;
    return reading.value;
}

bool spellsUnboundedNumber(QStringView text)
{
    const PlainReading reading = readPlain(text);
    return reading.error == std::errc::result_out_of_range
           || (reading.error == std::errc() && !std::isfinite(reading.value));
}
