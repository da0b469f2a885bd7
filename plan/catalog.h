#pragma once

#include "plan/objecttype.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <span>
#include <vector>

// One deep-sky object as the catalog file gives it. Size and magnitude keep the file's own text,
// which the list shows as it is, and are read into numbers once, when the file is loaded.
struct CatalogObject {
    QString identifier;
    QString messier;        // the Messier number as the file writes it ("31"); empty for most objects
    double raDeg = 0.0;
    double decDeg = 0.0;    // negative south
    QString sizeText;       // major axis in arcminutes, as written in the file
    QString minorSizeText;  // minor axis, kept only
    QString magnitudeText;  // as written in the file
    QString typeText;       // lower case, as the file words it
    QString constellation;
    QString comment;        // the common names, ", " between them ("Great Orion Nebula, Orion Nebula")

    std::optional<double> sizeArcmin;  // none where the text is not a number
    std::optional<double> magnitude;
    ObjectTypeSet types;               // the filter types the type text names
};

// The object's common names, in the catalog's order; none for most objects.
inline QStringList commonNames(const CatalogObject &object)
{
    return object.comment.split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

// The catalog file that the program looks for in the working folder, and falls back to after a
// failed load.
inline const QString DefaultCatalogFile = QStringLiteral("Objects.csv");

// A loaded catalog: never changed once made, and shared by every list made from it, so that a
// list stays valid whatever is loaded after it.
class Catalog {
public:
    Catalog() = default;
    explicit Catalog(std::vector<CatalogObject> objects)
        : m_objects(std::make_shared<const std::vector<CatalogObject>>(std::move(objects)))
    {
    }

    std::span<const CatalogObject> objects() const
    {
        return m_objects ? std::span<const CatalogObject>(*m_objects) : std::span<const CatalogObject>();
    }
    int size() const { return int(objects().size()); }

private:
    std::shared_ptr<const std::vector<CatalogObject>> m_objects;
};
