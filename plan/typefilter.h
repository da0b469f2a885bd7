#pragma once

#include <QStringView>

// Which object types the observer wants listed.
struct TypeFilter {
    bool nebula = true;
    bool planetary = true;
    bool galaxy = true;
    bool globular = true;
    bool open = true;
};

// A check box lists its type only when it is checked (1); clear (0) and grayed (2) do not.
TypeFilter typeFilterFromCheckStates(int nebula, int planetary, int galaxy, int globular, int open);

// objType is the catalog's lower-case type text; a type word counts wherever it occurs in
// it. "nebula" does not count for a planetary nebula, which has a box of its own.
bool passesTypeFilter(QStringView objType, const TypeFilter &filter);
