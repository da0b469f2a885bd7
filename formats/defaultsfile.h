#pragma once

#include "plan/catalog.h"
#include "plan/observer.h"
#include "plan/problem.h"
#include "plan/sessiontexts.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The defaults file: one value a line, in a fixed order and with no keys. Sixteen lines are
// always there; a seventeenth names the horizon profile when one is in use, four more keep
// the observer's sky and telescope when they are not the first values (line 17 is then empty
// without a profile), and a twenty-second the time zone when there is one (lines 17 to 21 are
// then written too), so that files written without them stay exactly as they always were. An
// older file without the four lines gives the first values, one without the zone's line no
// zone. Lines after the last are ignored.

inline const QString DefaultsFileName = QStringLiteral("defaults.txt");

// What the file keeps: the session's texts and boxes (not the date, time and GMT deviation,
// which come from the clock), the catalog, the horizon profile and the observer's sky and
// telescope.
struct SavedDefaults {
    SessionTexts session;
    QString catalogFile = DefaultCatalogFile;
    QString horizonFile;  // empty: a flat horizon
    ObserverTexts observer;

    friend bool operator==(const SavedDefaults &, const SavedDefaults &) = default;
};

// What one line holds.
struct DefaultsLine {
    enum class Holds { Field, TypeBox, CatalogFile, AzimuthMode, HorizonFile, ObserverField } holds;
    SessionField field = SessionField::Latitude;  // for Holds::Field
    ObjectType type = ObjectType::Nebula;         // for Holds::TypeBox
    ObserverField observerField = ObserverField::ZenithSkyBrightness;  // for Holds::ObserverField
};

inline constexpr std::array<DefaultsLine, 22> DefaultsLines = {{
    {DefaultsLine::Holds::Field, SessionField::Latitude},
    {DefaultsLine::Holds::Field, SessionField::Longitude},
    {DefaultsLine::Holds::Field, SessionField::SessionLength},
    {DefaultsLine::Holds::Field, SessionField::MinElevation},
    {DefaultsLine::Holds::Field, SessionField::MinAzimuth},
    {DefaultsLine::Holds::Field, SessionField::MaxAzimuth},
    {DefaultsLine::Holds::Field, SessionField::FaintestMagnitude},
    {DefaultsLine::Holds::Field, SessionField::MinSize},
    {DefaultsLine::Holds::Field, SessionField::MaxSize},
    {DefaultsLine::Holds::TypeBox, {}, ObjectType::Nebula},
    {DefaultsLine::Holds::TypeBox, {}, ObjectType::PlanetaryNebula},
    {DefaultsLine::Holds::TypeBox, {}, ObjectType::Galaxy},
    {DefaultsLine::Holds::TypeBox, {}, ObjectType::GlobularCluster},
    {DefaultsLine::Holds::TypeBox, {}, ObjectType::OpenCluster},
    {DefaultsLine::Holds::CatalogFile},
    {DefaultsLine::Holds::AzimuthMode},
    {DefaultsLine::Holds::HorizonFile},
    {DefaultsLine::Holds::ObserverField, {}, {}, ObserverField::ZenithSkyBrightness},
    {DefaultsLine::Holds::ObserverField, {}, {}, ObserverField::Extinction},
    {DefaultsLine::Holds::ObserverField, {}, {}, ObserverField::Aperture},
    {DefaultsLine::Holds::ObserverField, {}, {}, ObserverField::Magnifications},
    {DefaultsLine::Holds::Field, SessionField::TimeZone},
}};
inline constexpr int RequiredDefaultsLines = 16;

// The line that keeps a session field, counted from 1; none for the date, the time and the GMT
// deviation, which no line keeps.
std::optional<int> defaultsLineOf(SessionField field);
int defaultsLineOf(ObserverField field);

// The file's text: the required lines, the horizon profile's line when there is one or when the
// observer's lines follow, and those when they are not the first values.
QString defaultsText(const SavedDefaults &defaults);

struct DefaultsReading {
    int linesApplied = 0;
    std::optional<Problem> problem;  // what stopped the reading, with its line; none when all applied

    bool ok() const { return !problem; }
};

// Reads the lines into defaults one at a time, in file order: the lines before a fault stay
// applied and the rest keep the values defaults had. A box state may be written as a decimal,
// rounded to the nearest whole number (a half to the even one). Reading stops at the first
// required line that is missing (an optional one reads as empty, an observer's as its first
// value), a box state that is not 0, 1 or 2, or an azimuth mode that is neither of the button's
// two captions. The session's and the observer's values are read where they are used.
DefaultsReading readDefaultsLines(const QStringList &lines, SavedDefaults &defaults);
