#pragma once

#include "plan/catalogobject.h"

#include <QString>

#include <span>
#include <vector>

// The catalog file that the program looks for in the working folder, and falls back to after a
// failed load.
inline const QString DefaultCatalogFile = QStringLiteral("Objects.csv");

// The loaded catalog. The table grows with the longest file loaded and is never cleared: a
// shorter file loaded after a longer one leaves the old objects in the slots above the count,
// where no list looks.
struct ObjectCatalog {
    std::vector<CatalogObject> Catalog;
    int CatalogCount = 0;
    QString CatalogFile = DefaultCatalogFile;  // as the defaults file names it

    std::span<CatalogObject> loaded() { return {Catalog.data(), std::size_t(CatalogCount)}; }
    std::span<const CatalogObject> loaded() const { return {Catalog.data(), std::size_t(CatalogCount)}; }
};
