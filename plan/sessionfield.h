#pragma once

#include <QString>

#include <array>
#include <limits>

// The session's fields as the observer types them, in the order the window reads them.
enum class SessionField {
    Latitude,
    Longitude,
    Date,
    StartTime,
    GmtDeviation,
    SessionLength,
    MinElevation,
    MinAzimuth,
    MaxAzimuth,
    FaintestMagnitude,
    MinSize,
    MaxSize,
    TimeZone,  // empty: the GMT deviation as typed
};
inline constexpr int SessionFieldCount = 13;

// What kind of value a field holds, and so how it is read and what an observer is told to type.
enum class FieldKind { Number, Date, Time, Zone };

struct SessionFieldEntry {
    SessionField field;
    FieldKind kind;
    const char16_t *caption;      // as the window names it beside its control
    const char16_t *firstValue;   // shown at a first start; date and time come from the clock
    const char16_t *refill;       // put back when the field is left empty; empty: never
    double minValue;              // the values a place or session can have; years for a date
    double maxValue;
    double example;               // shown to an observer who typed something else
    const char16_t *unitWording;  // what the number means, for a field with limits
};

inline constexpr double AnyValue = std::numeric_limits<double>::infinity();

// One row a field: captions, first values, refills, limits and wording are written here only.
inline constexpr std::array<SessionFieldEntry, SessionFieldCount> SessionFields = {{
    {SessionField::Latitude, FieldKind::Number, u"Latitude", u"0", u"", -90, 90, 42.93,
     u"a latitude in degrees from %1 to %2 (north positive)"},
    {SessionField::Longitude, FieldKind::Number, u"Longitude", u"0", u"", -180, 180, -85.48,
     u"a longitude in degrees from %1 to %2 (east positive)"},
    // Whole years: ERFA's series for the Earth and the Moon (epv00, moon98) are fitted to
    // 1900-2100 and lose accuracy slowly beyond; a century more on either side still gives the
    // night's events, far beyond it the Moon's are fiction.
    {SessionField::Date, FieldKind::Date, u"Date", u"", u"1/1/2006", 1800, 2200, 0, u"a date from %1 to %2"},
    {SessionField::StartTime, FieldKind::Time, u"Session Start Time", u"", u"", 0, 0, 0, u""},
    {SessionField::GmtDeviation, FieldKind::Number, u"GMT Deviation", u"", u"0", -12, 14, 5.5,
     u"hours from %1 to %2 that local time is ahead of GMT"},
    {SessionField::SessionLength, FieldKind::Number, u"Session Length", u"1", u"0", 0, 24, 2.5,
     u"hours from %1 to %2"},
    {SessionField::MinElevation, FieldKind::Number, u"Min Elevation", u"30", u"0", -AnyValue, AnyValue, -5.5, u""},
    {SessionField::MinAzimuth, FieldKind::Number, u"Min Azimuth", u"0", u"0", -AnyValue, AnyValue, -5.5, u""},
    {SessionField::MaxAzimuth, FieldKind::Number, u"Max Azimuth", u"360", u"360", -AnyValue, AnyValue, -5.5, u""},
    {SessionField::FaintestMagnitude, FieldKind::Number, u"Min Brightness", u"30", u"30", -AnyValue, AnyValue, -5.5,
     u""},
    {SessionField::MinSize, FieldKind::Number, u"Min Size", u"1", u"0", -AnyValue, AnyValue, -5.5, u""},
    {SessionField::MaxSize, FieldKind::Number, u"Max Size", u"999", u"999", -AnyValue, AnyValue, -5.5, u""},
    {SessionField::TimeZone, FieldKind::Zone, u"Time zone", u"", u"", 0, 0, 0, u""},
}};

inline const SessionFieldEntry &sessionFieldEntry(SessionField field)
{
    return SessionFields[std::size_t(field)];
}

inline QString sessionFieldCaption(SessionField field)
{
    return QString::fromUtf16(sessionFieldEntry(field).caption);
}
