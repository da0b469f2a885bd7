#pragma once

#include "plan/catalog.h"
#include "plan/observinglist.h"
#include "plan/sessiontexts.h"

#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The worked session: Grand Rapids, 15 March 2006, 21:30 EST, two hours, every filter open.
inline SessionTexts workedSessionTexts()
{
    SessionTexts texts;
    const std::pair<SessionField, const char *> values[] = {
        {SessionField::Latitude, "42.93"},    {SessionField::Longitude, "-85.48"},   {SessionField::Date, "3/15/2006"},
        {SessionField::StartTime, "21:30:0"}, {SessionField::GmtDeviation, "-5"},    {SessionField::SessionLength, "2"},
        {SessionField::MinElevation, "-90"},  {SessionField::MinSize, "0"}};
    for (const auto &[field, text] : values)
        texts[field] = QString::fromLatin1(text);
    return texts;
}

inline std::optional<double> numberIn(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// An object as a catalog line gives it: size and magnitude read where they are numbers, the types
// the type text names.
inline CatalogObject catalogObject(const QString &identifier, double raDeg, double decDeg,
                                   const QString &typeText = QStringLiteral("galaxy"),
                                   const QString &sizeText = QStringLiteral("10"),
                                   const QString &magnitudeText = QStringLiteral("8"))
{
    CatalogObject object;
    object.identifier = identifier;
    object.raDeg = raDeg;
    object.decDeg = decDeg;
    object.sizeText = sizeText;
    object.magnitudeText = magnitudeText;
    object.typeText = typeText;
    object.constellation = QStringLiteral("Ori");
    object.sizeArcmin = numberIn(sizeText);
    object.magnitude = numberIn(magnitudeText);
    object.types = objectTypesNamed(typeText);
    return object;
}

// Its three objects; start and end positions as worked out by hand:
//   first   28.67, 229.10 -> 9.44, 253.45     second 12.57, 315.69 -> -0.05, 334.39
//   third    3.91,  41.42 -> 20.79, 59.00
inline std::vector<CatalogObject> workedObjects()
{
    return {catalogObject(QStringLiteral("first"), 83.8, -5.39, QStringLiteral("nebula")),
            catalogObject(QStringLiteral("second"), 10.675, 41.27, QStringLiteral("galaxy")),
            catalogObject(QStringLiteral("third"), 250.42, 36.46, QStringLiteral("globular cluster"))};
}

// The captions of the types in a set, in the order of their boxes, "|" between them.
inline QString typeCaptions(ObjectTypeSet types)
{
    QStringList named;
    for (const ObjectTypeSpec &spec : ObjectTypes) {
        if (types.contains(spec.type))
            named << objectTypeCaption(spec.type);
    }
    return named.join(u'|');
}

// The identifiers of a list's rows, in the list's own order.
inline QStringList listedIdentifiers(const ObservingList &list)
{
    QStringList identifiers;
    for (const ListedObject &row : list.rows)
        identifiers << row.object->identifier;
    return identifiers;
}
