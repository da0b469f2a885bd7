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

}  // namespace

std::optional<double> readFieldNumber(QStringView text, const QLocale &locale)
{
    text = text.trimmed();
    if (const auto value = readWith(locale, text))
        return value;
    return readWith(QLocale::c(), text);
}

std::optional<double> readPlainNumber(QStringView text)
{
    if (text.startsWith(u'+'))
        text = text.sliced(1);
    char ascii[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof ascii))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() > 0x7f)
            return std::nullopt;
        ascii[i] = char(text[i].unicode());
    }
    double value = 0.0;
    const char *end = ascii + text.size();
    const auto [stop, error] = std::from_chars(ascii, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}
