#pragma once

#include <QString>

#include <array>

// The observer's sky and telescope as typed, beside the session's fields (sessionfield.h): the
// values a first start shows, their limits and what an observer is told to type are written
// here only.
enum class ObserverField {
    ZenithSkyBrightness,
    Extinction,
    Aperture,
    Magnifications,
};
inline constexpr int ObserverFieldCount = 4;

struct ObserverFieldEntry {
    ObserverField field;
    const char16_t *caption;      // as the window names it beside its control
    const char16_t *firstValue;   // as the C locale writes it; also what an older defaults file gets
    double minValue;              // each value's limits; for the magnifications each one's
    double maxValue;
    double example;               // shown to an observer who typed something else
    const char16_t *unitWording;  // %1 and %2 the limits
};

// The eyepieces an observer may list: at least one, and no more than a case holds.
inline constexpr int MostMagnifications = 20;

inline constexpr std::array<ObserverFieldEntry, ObserverFieldCount> ObserverFields = {{
    // A sky-quality meter reads from about 16 in a city centre to 22 under the darkest skies.
    {ObserverField::ZenithSkyBrightness, u"Sky brightness", u"21.0", 16, 22.5, 20.5,
     u"a sky-quality-meter reading in mag/arcsec\u00b2 from %1 to %2"},
    // 0.1 on a high mountain, 0.2 at a usual site near sea level, more in haze.
    {ObserverField::Extinction, u"Extinction", u"0.20", 0.05, 1.0, 0.25,
     u"an extinction coefficient in magnitudes per airmass from %1 to %2"},
    {ObserverField::Aperture, u"Aperture", u"200", 10, 2000, 254, u"an aperture in mm from %1 to %2"},
    {ObserverField::Magnifications, u"Magnifications", u"40 80 120 200", 1, 2000, 66,
     u"1 to 20 magnifications from %1 to %2, separated by blanks"},
}};

inline const ObserverFieldEntry &observerFieldEntry(ObserverField field)
{
    return ObserverFields[std::size_t(field)];
}

inline QString observerFieldCaption(ObserverField field)
{
    return QString::fromUtf16(observerFieldEntry(field).caption);
}
