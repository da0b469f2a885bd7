#pragma once

#include "formats/textfile.h"
#include "plan/sessiontexts.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The catalogs the benchmarks run on: the shipped one, and the same objects repeated (with
// identifiers of their own) to the size of the whole OpenNGC.
inline constexpr int ShippedObjects = 501;
inline constexpr int WholeSkyObjects = 14000;

// The shipped catalog, patched so that every object can be listed (the few without a size or a
// listed type word get one), repeated to objectCount objects.
inline QString everyObjectListableCatalog(int objectCount = ShippedObjects)
{
    const QStringList shipped =
        readTextLines(QStringLiteral(NOCTURO_SOURCE_DIR) + QStringLiteral("/data/Objects.csv")).value();
    static const QRegularExpression typeWord(QStringLiteral("open|globular|galaxy|planetary|nebula"),
                                             QRegularExpression::CaseInsensitiveOption);
    QStringList lines{shipped.value(0)};
    for (int n = 0; n < objectCount; ++n) {
        QStringList fields = shipped.at(1 + n % ShippedObjects).split(QLatin1Char(','));
        if (n >= ShippedObjects)
            fields[0] += QStringLiteral("-%1").arg(n / ShippedObjects);
        if (fields.at(4).trimmed() == QLatin1String("x"))
            fields[4] = QStringLiteral("10x10");
        if (!fields.at(6).contains(typeWord))
            fields[6] += QStringLiteral(" open cluster");
        lines << fields.join(QLatin1Char(','));
    }
    return joinLinesCrLf(lines);
}

// Texts under which every object of the catalog passes every filter.
inline SessionTexts everythingListedSession()
{
    SessionTexts texts;
    const std::pair<SessionField, const char *> values[] = {
        {SessionField::Latitude, "42.93"},      {SessionField::Longitude, "-85.48"},    {SessionField::Date, "3/15/2006"},
        {SessionField::StartTime, "21:30:0"},   {SessionField::GmtDeviation, "-5"},     {SessionField::SessionLength, "2"},
        {SessionField::MinElevation, "-90"},    {SessionField::MinSize, "0"},           {SessionField::MaxSize, "99999"},
        {SessionField::FaintestMagnitude, "99"}};
    for (const auto &[field, text] : values)
        texts[field] = QString::fromLatin1(text);
    return texts;
}
