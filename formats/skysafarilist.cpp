#include "formats/skysafarilist.h"

#include "formats/textfile.h"
#include "plan/objectnameindex.h"

QString skySafariList(const ObservingList &list, const std::vector<int> &order)
{
    QString text = QStringLiteral("SkySafariObservingListVersion=3.0") + LineEnd;
    for (const int row : order) {
        const CatalogObject &object = *list.rows[std::size_t(row)].object;
        // ObjectID 4 is SkySafari's deep-sky kind; -1, -1 lets it look the object up by its numbers.
        text += QStringLiteral("SkyObject=BeginObject") + LineEnd + QStringLiteral("ObjectID=4,-1,-1") + LineEnd;
        if (const QStringList names = commonNames(object); !names.isEmpty())
            text += QStringLiteral("CommonName=") + names.first() + LineEnd;
        text += QStringLiteral("CatalogNumber=") + object.identifier + LineEnd;
        if (const QString messier = messierDesignation(object); !messier.isEmpty())
            text += QStringLiteral("CatalogNumber=") + messier + LineEnd;
        text += QStringLiteral("EndObject=SkyObject") + LineEnd;
    }
    return text;
}
