#pragma once

#include "plan/catalog.h"

#include <QHash>
#include <QString>
#include <QStringView>

// The catalog's objects by every name an observer or another program writes for them: the
// identifier whatever its spacing, case and leading zeros ("NGC224", "ngc 0224" for "NGC 224"),
// the Messier number ("M31", "M 31", "Messier 31") and the common name. Made once per catalog,
// so that each look-up is a hash look-up.
class ObjectNameIndex {
public:
    explicit ObjectNameIndex(Catalog catalog);

    // The object a name stands for, or why none does.
    struct Found {
        const CatalogObject *object = nullptr;
        QString why;  // a reason without its full stop; empty when found
    };
    Found find(QStringView name) const;

    const Catalog &catalog() const { return m_catalog; }

private:
    const CatalogObject *objectAt(const QHash<QString, int> &index, const QString &key) const;

    Catalog m_catalog;
    QHash<QString, int> m_byIdentifier;  // by identifierKey
    QHash<int, int> m_byMessier;         // by Messier number
    QHash<QString, int> m_byCommonName;  // by commonNameKey
};

// "NGC 0224", "ngc224" and "NGC 224" all give "NGC224": no spaces, upper case, no leading
// zeros in a number, no dash between a catalog's letters and its number.
QString identifierKey(QStringView name);

// The Messier number "M31", "M 031" or "Messier 31" stands for; 0 for any other name.
int messierNumber(QStringView name);

// The Messier number of the catalog's Messier field, which holds the number ("31") or the name
// ("M 31"); 0 where it is empty.
int catalogMessierNumber(QStringView field);

// "M 31", as other programs name an object with a Messier number; empty for the rest.
QString messierDesignation(const CatalogObject &object);

// "Andromeda Galaxy", "andromeda  galaxy" and "Andromeda-Galaxy" alike: letters and digits only,
// case folded.
QString commonNameKey(QStringView name);
