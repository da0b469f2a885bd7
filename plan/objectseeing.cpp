#include "plan/objectseeing.h"

#include "sky/verdict.h"

std::optional<QString> ObjectSeeing::verdict() const
{
    if (!best)
        return std::nullopt;
    const std::string_view word = ::verdict(best->seeing.reserve.logReserve);
    return QString::fromUtf8(word.data(), qsizetype(word.size()));
}

QString magnificationText(double magnification, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(magnification, 'g', QLocale::FloatingPointShortest);
}
