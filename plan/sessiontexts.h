#pragma once

#include "plan/objecttype.h"
#include "plan/sessionfield.h"

#include <QString>

#include <array>

// A type filter's box: only Checked lists its type. Only a defaults file can gray a box.
enum class BoxState { Clear = 0, Checked = 1, Grayed = 2 };

// The azimuth window's mode as its button shows it; any other caption counts as exclusive.
inline const QString InclusiveCaption = QStringLiteral("Inclusive");
inline const QString ExclusiveCaption = QStringLiteral("Exclusive");

// The session as the observer typed it: every field's text, the type boxes and the azimuth mode's
// caption. Nothing is read until a list is made.
struct SessionTexts {
    std::array<QString, SessionFieldCount> fields;
    std::array<BoxState, ObjectTypeCount> typeBoxes;
    QString azimuthMode = InclusiveCaption;
    // The two filters on what the observer will see; off, the list is made as it always was.
    bool onlyWhatTelescopeShows = false;
    bool visibleAnyTime = false;

    // The values of a first start: the first values of the fields, every box checked.
    SessionTexts();

    QString &operator[](SessionField field) { return fields[std::size_t(field)]; }
    const QString &operator[](SessionField field) const { return fields[std::size_t(field)]; }
    BoxState &operator[](ObjectType type) { return typeBoxes[std::size_t(type)]; }
    BoxState operator[](ObjectType type) const { return typeBoxes[std::size_t(type)]; }

    friend bool operator==(const SessionTexts &, const SessionTexts &) = default;
};
