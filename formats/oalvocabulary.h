#pragma once

#include "plan/observation.h"

#include <QString>

#include <array>

// What the Open Astronomy Log's writer and reader share: its namespaces and how a verdict is rated.
namespace oal {

inline const QString OalNamespace = QStringLiteral("http://groups.google.com/group/openastronomylog");
// Where the log's schema lived before it moved to Google Groups; older programs still write it.
inline const QString OlderOalNamespace = QStringLiteral("http://observation.sourceforge.net/openastronomylog");
inline const QString SchemaInstanceNamespace = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

// The rating of deep-sky findings (findingsDeepSkyType in ext_DeepSky.xsd) is the scale of the
// "Deep Sky Liste" of the VdS deep-sky group: 1 simple conspicuous object in the eyepiece, 2 good
// viewable with direct vision, 3 viewable with direct vision, 4 viewable only with averted vision,
// 5 object can hardly be seen with averted vision, 6 object dubiously sighted, 7 object not
// sighted, 99 unknown (the meanings as Observation Manager, by one of the schema's authors, gives
// them in de/lehmannet/om/extension/deepSky/DeepSkyFinding.java). A verdict is written as the
// rating given here and read back from the range it falls in; an unknown rating reads as seen.
struct RatingRange {
    ObservationVerdict verdict;
    int written;
    int first;
    int last;
};

constexpr std::array<RatingRange, 3> Ratings = {{
    {ObservationVerdict::Seen, 3, 1, 4},
    {ObservationVerdict::Glimpsed, 5, 5, 6},
    {ObservationVerdict::NotSeen, 7, 7, 7},
}};

}  // namespace oal
