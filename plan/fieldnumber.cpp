#include "plan/fieldnumber.h"

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
