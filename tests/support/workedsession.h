#pragma once

#include "plan/catalog.h"
#include "plan/fieldnumber.h"
#include "plan/observinglist.h"
#include "plan/sessiontexts.h"

#include <QStringList>

#include <utility>
#include <vector>

// The worked session: Grand Rapids, 15 March 2006, 21:30 EST, two hours, every filter open; some
// fields changed.
inline SessionTexts workedSessionTexts(std::initializer_list<std::pair<SessionField, QString>> changes = {})
{
    SessionTexts texts;
    texts.fields = {"42.93", "-85.48", "3/15/2006", "21:30:0", "-5", "2", "-90", "0", "360", "30", "0", "999"};
    for (const auto &[field, text] : changes)
        texts[field] = text;
    return texts;
}

// An object as a catalog line gives it: size and magnitude read where they are numbers, the types
// the type text names.
inline CatalogObject catalogObject(const QString &identifier, double raDeg, double decDeg, const QString &typeText = "galaxy",
                                   const QString &sizeText = "10", const QString &magnitudeText = "8")
{
    return {.identifier = identifier, .messier = {}, .raDeg = raDeg, .decDeg = decDeg, .sizeText = sizeText, .minorSizeText = {},
            .magnitudeText = magnitudeText, .typeText = typeText, .constellation = "Ori", .comment = {},
            .sizeArcmin = readFieldNumber(sizeText, QLocale::c()), .magnitude = readFieldNumber(magnitudeText, QLocale::c()),
            .types = objectTypesNamed(typeText)};
}

// Its three objects; start and end positions as worked out by hand:
//   first   28.67, 229.10 -> 9.44, 253.45     second 12.57, 315.69 -> -0.05, 334.39
//   third    3.91,  41.42 -> 20.79, 59.00
inline std::vector<CatalogObject> workedObjects()
{
    return {catalogObject("first", 83.8, -5.39, "nebula"), catalogObject("second", 10.675, 41.27, "galaxy"),
            catalogObject("third", 250.42, 36.46, "globular cluster")};
}

// The captions of the types in a set, in the order of their boxes, "|" between them.
inline QString typeCaptions(ObjectTypeSet types)
{
    QStringList named;
    for (const ObjectTypeEntry &entry : ObjectTypes) {
        if (types.contains(entry.type))
            named << objectTypeCaption(entry.type);
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
