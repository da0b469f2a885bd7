#include "formats/cartesducielist.h"

#include "formats/textfile.h"

namespace {

QString coordinateField(double degrees)
{
    return QString::number(degrees, 'f', 5).rightJustified(CartesDuCielCoordinateColumns, u' ', true);
}

QString nameField(const QString &name)
{
    return name.leftJustified(CartesDuCielNameColumns, u' ', true);
}

}  // namespace

QString cartesDuCielList(const ObservingList &list, const std::vector<int> &order, const QString &title)
{
    QString text = title + LineEnd;
    for (const int row : order) {
        const CatalogObject &object = *list.rows[std::size_t(row)].object;
        // The catalog has no common names: the identifier is the name too.
        text += nameField(object.identifier) + coordinateField(object.raDeg) + coordinateField(object.decDeg)
                + nameField(object.identifier) + object.typeText + QStringLiteral(", mag ") + object.magnitudeText
                + LineEnd;
    }
    return text;
}
