#include "sky/reservecurve.h"

std::vector<ReservePoint> reserveCurve(const DiurnalTrack &track, const ObjectLight &light, const NightSky &night,
                                       const TimeSpan &span, int samples, const ObserverSky &sky, const Telescope &telescope)
{
    std::vector<ReservePoint> curve;
    curve.reserve(std::size_t(samples) + 1);
    for (int i = 0; i <= samples; ++i) {
        const double atDays = span.startDays + span.lengthDays() * i / samples;
        const AltAz position = track.positionAt(atDays);
        if (position.Alt <= 0.0) {
            curve.push_back({atDays, std::nullopt});
            continue;
        }
        const MoonInSky moon{night.moonAltAz(atDays), night.moonPhaseAngleDeg(atDays)};
        curve.push_back({atDays, seeingAt(light, position, moon, sky, telescope).reserve.logReserve});
    }
    return curve;
}
