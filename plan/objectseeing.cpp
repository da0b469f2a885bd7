#include "plan/objectseeing.h"

#include "plan/fieldnumber.h"
#include "sky/verdict.h"

std::optional<QString> ObjectSeeing::verdict() const
{
    if (!best)
        return std::nullopt;
    const std::string_view word = ::verdict(best->seeing.reserve.logReserve);
    return QString::fromUtf8(word.data(), qsizetype(word.size()));
}

std::optional<ObjectLight> objectLightOf(const CatalogObject &object)
{
    const auto minor = readPlainNumber(object.minorSizeText);
    return objectLight(object.magnitude, object.sizeArcmin, minor ? minor : object.sizeArcmin);
}

QString magnificationText(double magnification, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(magnification, 'g', QLocale::FloatingPointShortest);
}
