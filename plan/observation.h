#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

// What the observer made of an object at the eyepiece.
enum class ObservationVerdict { Seen, Glimpsed, NotSeen };

struct ObservationVerdictEntry {
    ObservationVerdict verdict;
    const char16_t *text;         // as the windows and the log list write it: "not seen"
    const char16_t *commandName;  // as the command line takes it: "not-seen"
};

inline constexpr std::array<ObservationVerdictEntry, 3> ObservationVerdicts{{
    {ObservationVerdict::Seen, u"seen", u"seen"},
    {ObservationVerdict::Glimpsed, u"glimpsed", u"glimpsed"},
    {ObservationVerdict::NotSeen, u"not seen", u"not-seen"},
}};

inline const ObservationVerdictEntry &observationVerdictEntry(ObservationVerdict verdict)
{
    return ObservationVerdicts[std::size_t(verdict)];
}

// An object seen or glimpsed has been observed; one looked for in vain has not.
inline bool countsAsObserved(ObservationVerdict verdict)
{
    return verdict != ObservationVerdict::NotSeen;
}

// One entry of the observing log: an object looked for at one instant, from one place, with one
// telescope under one sky.
struct Observation {
    qint64 id = 0;              // the log's own number; 0 until the log keeps it
    QString objectIdentifier;   // as the catalog writes it: "NGC 224"
    QDateTime localTime;        // the observer's clock, with its offset from UTC (Qt::OffsetFromUTC)
    double latDeg = 0.0;
    double lonDeg = 0.0;        // east positive
    std::optional<double> apertureMm;
    std::optional<double> magnification;
    std::optional<double> skyMagPerArcsec2;  // the sky's brightness at the zenith, as a meter reads it
    std::optional<int> seeing;               // Antoniadi's scale: 1 perfect to 5 very bad
    ObservationVerdict verdict = ObservationVerdict::Seen;
    QString notes;

    friend bool operator==(const Observation &, const Observation &) = default;
};
