#include "nearcompare.h"
#include "sky/airmass.h"
#include "sky/bestmoment.h"
#include "sky/diurnaltrack.h"
#include "sky/nightevents.h"
#include "sky/nightsky.h"
#include "sky/siderealtime.h"
#include "sky/skyqualityestimate.h"
#include "sky/verdict.h"

#include <QTest>

#include <cmath>
#include <numbers>

// What the observer sees: the airmass, the sky's brightness with and without the Moon, surface
// brightness, contrast thresholds and reserves, verdicts, and the best moment of a night.
//
// Reference values: the reserves and the surface brightness published for a 457 mm telescope
// with Clark's method (DeepskyLog's contrast reserve pages: Berk 59, M 65, M 82); the moonlit
// sky of specsim's documented example of Krisciunas & Schaefer's model (object 20 degrees from
// the zenith, Moon 70, 50 degrees apart, phase angle 45, k = 0.15: 19.855 mag/arcsec^2); the
// other sky values worked by hand from K&S 1991 eqs. 2, 3 and 20; threshold entries read off
// data/contrast/threshold.tsv and, beyond it, continued by hand along its last two rows or columns.

namespace {

constexpr double MinuteDays = 1.0 / 1440.0;
constexpr double RadPerDeg = std::numbers::pi / 180.0;

// The place among the stars that stands at a position in the sky at a local sidereal time.
EquatorialPosition equatorialAt(const AltAz &at, double latDeg, double siderealDeg)
{
    const double alt = at.Alt * RadPerDeg, az = at.Az * RadPerDeg, lat = latDeg * RadPerDeg;
    const double sinDec = std::sin(lat) * std::sin(alt) + std::cos(lat) * std::cos(alt) * std::cos(az);
    const double haRad = std::atan2(-std::sin(az) * std::cos(alt),
                                    std::cos(lat) * std::sin(alt) - std::sin(lat) * std::cos(alt) * std::cos(az));
    return {std::fmod(siderealDeg - haRad / RadPerDeg + 720.0, 360.0), std::asin(sinDec) / RadPerDeg};
}

// The place separationDeg from centre towards a position angle (from north through east).
EquatorialPosition offsetBy(const EquatorialPosition &centre, double separationDeg, double positionAngleDeg)
{
    const double d0 = centre.decDeg * RadPerDeg, s = separationDeg * RadPerDeg, p = positionAngleDeg * RadPerDeg;
    const double dec = std::asin(std::sin(d0) * std::cos(s) + std::cos(d0) * std::sin(s) * std::cos(p));
    const double dRa = std::atan2(std::sin(p) * std::sin(s) * std::cos(d0), std::cos(s) - std::sin(d0) * std::sin(dec));
    return {std::fmod(centre.raDeg + dRa / RadPerDeg + 360.0, 360.0), dec / RadPerDeg};
}

// Every visible whole minute judged afresh with the single-instant formulas.
std::optional<BestMoment> scannedBestMoment(const EquatorialPosition &object, const ObjectLight &light,
                                            const SessionSeeing &session, const NightSky &night)
{
    const VisibilityQuery &query = session.query();
    const DiurnalTrack track(object.raDeg, object.decDeg, query.latDeg, query.lonDeg);
    std::optional<BestMoment> best;
    for (int minute = 0; query.session.startDays + minute * MinuteDays <= query.session.endDays + 1e-9; ++minute) {
        const double days = query.session.startDays + minute / 1440.0;
        const AltAz at = track.positionAt(days);
        const bool dark = std::ranges::any_of(query.darkSpans, [=](auto &d) { return d.startDays <= days && days <= d.endDays; });
        if (!dark || at.Alt < query.minElevDeg || !azimuthInWindow(at.Az, query.azimuthWindow))
            continue;
        const MoonInSky moon{night.moonAltAz(days), night.moonPhaseAngleDeg(days)};
        const Seeing seeing = seeingAt(light, at, moon, session.sky(), session.telescope());
        if (!best || seeing.reserve.logReserve > best->seeing.reserve.logReserve) {
            const auto separation = moon.position.Alt > 0.0 ? std::optional(separationDeg(at, moon.position)) : std::nullopt;
            best = BestMoment{minute, days, at, separation, seeing};
        }
    }
    return best;
}

}  // namespace

class TestSkySeeing : public QObject {
    Q_OBJECT

private slots:
    void airmassAndSky()
    {
        const double airmasses[][2] = {{90, 1}, {30, 1.889822}, {0, 5}, {-20, 5}};  // altitude, X
        for (const auto &[altDeg, wanted] : airmasses)
            QCOMPARE_NEAR(airmass(altDeg), wanted, 1e-6);

        QCOMPARE_NEAR(nanolambertsFromMagPerArcsec2(21.0), 135.6626, 1e-3);
        QCOMPARE_NEAR(magPerArcsec2FromNanolamberts(54.00792), 22.0, 1e-6);
        QCOMPARE_NEAR(moonIlluminance(0.0), 0.0291072, 1e-7);
        QCOMPARE_NEAR(moonIlluminance(-90.0), 0.0026486, 1e-7);
        const double scatteringNearMoon[][2] = {{5, 2.48e6}, {0, 6.2e7 / (0.26 * 0.26)}};  // inside 10 degrees
        for (const auto &[separation, wanted] : scatteringNearMoon)
            QCOMPARE_NEAR(moonScattering(separation), wanted, 1.0);

        // Altitude, Moon (altitude, azimuth, phase angle) or none, object azimuth, k, zenith SQM, sky; the
        // Moon 50 degrees below the object on its azimuth.
        const std::tuple<double, std::optional<MoonInSky>, double, double, double, double> skies[] = {
            {30, std::nullopt, 0, 0.2, 21.0, 20.486915},               // eq. 2 alone
            {30, MoonInSky{{-1, 0}, 0}, 0, 0.2, 21.0, 20.486915},       // a full Moon just set counts for nothing
            {70, MoonInSky{{20, 0}, 45}, 0, 0.15, 40.0, 19.854844},    // specsim's example, no sky of its own
        };
        for (const auto &[altDeg, moon, azDeg, extinction, zenith, wanted] : skies) {
            const double got = skyMagPerArcsec2At({altDeg, azDeg}, moon, {zenith, extinction});
            QCOMPARE_NEAR(got, wanted, 5e-5);
        }
    }

    void surfaceBrightnessAndLight()
    {
        QCOMPARE_NEAR(surfaceBrightness({14.82, 55.98 / 60, 27.48 / 60}), 22.525, 5e-4);
        QCOMPARE_NEAR(surfaceBrightnessSeen(22.525, 0.2, 2.0), 22.925, 1e-12);
        // Magnitude, major, minor: a single size is a circle; no magnitude or no size, no light.
        const std::tuple<std::optional<double>, std::optional<double>, std::optional<double>, bool> lights[] = {
            {11, 10, std::nullopt, true}, {std::nullopt, 10, 10, false}, {11, std::nullopt, std::nullopt, false},
            {11, 0, std::nullopt, false}, {11, 10, 0, false}, {13.5, 0.8, 0.4, true}};  // a small planetary
        for (const auto &[magnitude, major, minor, hasLight] : lights) {
            const std::optional<ObjectLight> light = objectLight(magnitude, major, minor);
            QCOMPARE(light.has_value(), hasLight);
            if (light)
                QCOMPARE(light->minorArcmin, minor.value_or(*major));
        }
    }

    void thresholds()
    {
        const double entries[][3] = {  // background, size in arcmin, log threshold
            {20, 18.197, -0.3210},     // an entry: log size 1.26
            {20.5, 0.1, 2.7263},       // below the first size, taken as it; halfway between two rows
            {28, 18.197, 2.038},       // past the last row
            {3, 3.6001, -1.8381},      // before the first row
            {20, 1000, -1.573205},     // past the last size
        };
        for (const auto &[background, size, wanted] : entries)
            QCOMPARE_NEAR(thresholdLogContrast(background, size), wanted, 2e-4);
    }

    // The published rows at 457 mm, each for the one magnification it names; together, the best
    // of them and which.
    void reserves()
    {
        // Magnitude, axes, SQM, magnification, reserve.
        const std::tuple<double, double, double, double, double, double> rows[] = {
            {11, 10, 10, 22, 118, 0.13}, {11, 10, 10, 20.15, 473, -0.35},      // Berk 59
            {9.2, 9, 2.3, 22, 66, 1.18}, {9.2, 9, 2.3, 20.15, 66, 0.70},       // M 65
            {8.6, 10.5, 5.1, 22, 66, 1.20}, {8.6, 10.5, 5.1, 20.15, 66, 0.70}, // M 82
        };
        for (const auto &[magnitude, major, minor, sqm, magnification, wanted] : rows) {
            const double sb = surfaceBrightness({magnitude, major, minor});
            const Reserve reserve = bestReserve(sb, sqm, minor, {457, {magnification}});
            QCOMPARE_NEAR(reserve.logReserve, wanted, 0.006);
        }
        const Reserve best = bestReserve(surfaceBrightness({11, 10, 10}), 22, 10, {457, {473, 118, 66}});
        QCOMPARE(best.magnification, 66.0);
        QCOMPARE_NEAR(best.logReserve, 0.1288, 1e-4);
    }

    void verdicts()
    {
        const std::pair<double, const char *> edges[] = {
            {-0.2001, "not visible"}, {-0.2, "doubtful"}, {0.0999, "doubtful"}, {0.1, "difficult"}, {0.35, "moderate"},
            {0.4999, "moderate"}, {0.5, "easy"}, {0.9999, "easy"}, {1.0, "very easy"}, {7.0, "very easy"}};
        for (const auto &[reserve, word] : edges)
            QCOMPARE(verdict(reserve), std::string_view(word));
    }

    // The bounds a best-moment search prunes with: each range holds every value sampled across
    // what it is given, and the threshold's lead, which can be reached, is reached.
    void rangesHoldEverySample()
    {
        const auto across = [](const ValueRange &range, int i, int steps) {
            return range.least + (range.greatest - range.least) * i / steps;
        };
        // At the Moon's limb, across 10 degrees, across the right angle, to the far side.
        const ValueRange separations[] = {{0, 0.5}, {9.9, 10.1}, {3, 40}, {80, 120}, {170, 180}};
        for (const ValueRange &separation : separations) {
            const ValueRange range = moonScatteringRange(separation);
            for (int i = 0; i <= 1000; ++i) {
                const double scattering = moonScattering(across(separation, i, 1000));
                QVERIFY2(range.least <= scattering && scattering <= range.greatest, qPrintable(QString::number(i)));
            }
        }
        // Extinction, airmass, the Moon's illuminance at the site (zero: down), separation.
        const std::tuple<double, ValueRange, ValueRange, ValueRange> skies[] = {
            {1.0, {1, 5}, {0, 0.02}, {9, 11}}, {0.05, {1.2, 1.3}, {0.01, 0.011}, {85, 95}}, {0.3, {2, 4}, {0, 0}, {0, 0}}};
        for (const auto &[extinction, airmasses, illuminances, separation] : skies) {
            const ValueRange range = skyNanolambertsRange(135.66, extinction, airmasses, illuminances, separation);
            for (int x = 0; x <= 40; ++x) {
                for (int i = 0; i <= 4; ++i) {
                    for (int rho = 0; rho <= 40; ++rho) {
                        const double sky = skyNanolamberts(135.66, extinction, across(airmasses, x, 40),
                                                           across(illuminances, i, 4), across(separation, rho, 40));
                        QVERIFY(range.least <= sky && sky <= range.greatest);
                    }
                }
            }
        }
        // Size in arcmin, backgrounds: the lead greatest at a row (the threshold steepens past 0.4 a
        // magnitude at 18 for the smallest targets), across rows, from before the table, past its end.
        const std::pair<double, ValueRange> leads[] = {{0.5, {17.5, 18.5}}, {1, {10, 25}}, {100, {2, 5.5}}, {10, {26.5, 30}}};
        for (const auto &[size, backgrounds] : leads) {
            const ThresholdAtSize threshold(size);
            const double lead = threshold.greatestLeadOfLine(0.4, backgrounds.least, backgrounds.greatest);
            ValueRange sampled;
            for (int i = 0; i <= 10000; ++i) {
                const double background = across(backgrounds, i, 10000);
                sampled.include(0.4 * background - threshold.logContrast(background));
            }
            QVERIFY(sampled.greatest <= lead + 1e-12);
            QCOMPARE_NEAR(lead, sampled.greatest, 1e-3);
        }
        // The best over magnifications from below to far above the aperture's sky-darkening one.
        const TelescopeView view(2.3, {457, {20, 66, 118, 473}});
        const ValueRange skyMags{17, 21.5};
        const double greatest = view.greatestReserve(21.0, skyMags);
        ValueRange sampled;
        for (int i = 0; i <= 10000; ++i)
            sampled.include(view.best(21.0, across(skyMags, i, 10000)).logReserve);
        QVERIFY(sampled.greatest <= greatest + 1e-12);
        QCOMPARE_NEAR(greatest, sampled.greatest, 1e-3);
    }

    // Ten hours from Denver on a moonless night and under a full Moon, with an azimuth window and
    // a minimum elevation, for an extinction under which only the highest moonless minute of a
    // stretch needs judging, and for a clear sky and a high magnification under which a small
    // object's reserve rises towards the horizon at first. Objects all over the sky, and around
    // the Moon's place at midnight: at its limb, across the 10 degrees where its scattered light
    // jumps, and across the right angle where it is least; each against the scan.
    void bestMomentMatchesScan()
    {
        const Site denver{39.74, -104.99};
        const Telescope usual{200, {40, 80, 120, 200}};
        // Date, start hour, length in minutes: the 17 whole minutes of 16 under the Moon end on a block
        // of one.
        const std::tuple<CalendarDate, int, int, ObserverSky, Telescope, bool> nights[] = {
            {{2024, 1, 11}, 18, 600, {21.0, 0.2}, usual, false}, {{2024, 1, 25}, 18, 600, {21.0, 0.2}, usual, true},
            {{2024, 1, 11}, 18, 600, {22.0, 0.05}, {100, {300}}, false}, {{2024, 1, 25}, 22, 16, {21.0, 0.2}, usual, true}};
        for (const auto &[date, startHour, minutes, sky, telescope, moonlit] : nights) {
            const double startDays = daysSinceJ2000(date, {startHour, 0, 0}, -7.0);
            const TimeSpan session{startDays, startDays + minutes / 1440.0};
            const VisibilityQuery query{denver.latDeg, denver.lonDeg, session, 15.0, nullptr,
                                        {60, 300, AzimuthWindowMode::Inclusive},
                                        sunBelow(denver, session, AstronomicalTwilightAltitudeDeg)};
            const SessionSeeing seeing(query, sky, telescope);
            const NightSky night(denver, session);

            std::vector<EquatorialPosition> objects;
            std::vector<std::optional<ObjectLight>> lights;
            for (int i = 0; i < 120; ++i) {
                objects.push_back({std::fmod(i * 137.508, 360.0), i * 150.0 / 119.0 - 60.0});
                lights.push_back(ObjectLight{6.0 + i % 9, 1.0 + i % 40, i % 3 ? 0.5 + i % 13 : 0.06});
            }
            const double midnight = startDays + 6.0 / 24.0;
            const EquatorialPosition moonPlace =
                equatorialAt(night.moonAltAz(midnight), denver.latDeg, localSiderealTimeDeg(midnight, denver.lonDeg));
            for (const double separation : {0.2, 5.0, 9.7, 9.9, 10.1, 10.3, 11.0, 85.0, 95.0}) {
                for (const double positionAngle : {0.0, 90.0, 180.0, 270.0}) {
                    objects.push_back(offsetBy(moonPlace, separation, positionAngle));
                    lights.push_back(ObjectLight{7.0 + separation / 10.0, 8.0, 0.3 + positionAngle / 90.0});
                }
            }
            lights[7].reset();
            const std::vector<std::optional<BestMoment>> found =
                catalogBestMoments(objects, lights, catalogVisibility(objects, query), seeing);
            QVERIFY(!found[7]);
            int underMoon = 0;
            for (std::size_t i = 0; i < objects.size(); ++i) {
                if (!lights[i])
                    continue;
                const std::optional<BestMoment> scanned = scannedBestMoment(objects[i], *lights[i], seeing, night);
                QCOMPARE(found[i].has_value(), scanned.has_value());
                if (!scanned)
                    continue;
                QCOMPARE(found[i]->minute, scanned->minute);
                QCOMPARE_NEAR(found[i]->seeing.reserve.logReserve, scanned->seeing.reserve.logReserve, 1e-9);
                QCOMPARE(found[i]->seeing.reserve.magnification, scanned->seeing.reserve.magnification);
                QCOMPARE_NEAR(found[i]->seeing.skyMagPerArcsec2, scanned->seeing.skyMagPerArcsec2, 1e-9);
                QCOMPARE(found[i]->moonSeparationDeg.has_value(), scanned->moonSeparationDeg.has_value());
                underMoon += scanned->moonSeparationDeg.has_value();
            }
            QCOMPARE(underMoon > 0, moonlit);
        }
    }

    // A naked-eye limit: the reading that Schaefer's relation, NELM = 7.93 - 5 log10(10^(4.316 -
    // SQM / 5) + 1), takes back to the same limit; none where it reaches no sky. A Bortle class:
    // the middle of its range in nightskyspots.com's table (class 4: 20.4 to 21.3), class 9 ("< 17.5")
    // that limit.
    void skyQualityEstimates()
    {
        for (const double limit : {4.0, 5.5, 6.42, 7.0}) {
            const auto estimate = sqmFromNakedEyeLimit(limit);
            QVERIFY(estimate && estimate->source.find("Schaefer") != std::string_view::npos);
            QCOMPARE_NEAR(7.93 - 5.0 * std::log10(std::pow(10.0, 4.316 - estimate->magPerArcsec2 / 5.0) + 1.0), limit, 1e-9);
            QCOMPARE_NEAR(nakedEyeLimitFromSqm(estimate->magPerArcsec2), limit, 1e-9);
        }
        QCOMPARE_NEAR(sqmFromNakedEyeLimit(6.42)->magPerArcsec2, 21.57, 0.005);
        QVERIFY(!sqmFromNakedEyeLimit(7.93) && !sqmFromNakedEyeLimit(8.5));
        const std::pair<int, double> classes[] = {{1, 21.9}, {2, 21.7}, {4, 20.85}, {5, 19.85}, {7, 18.25}, {8, 17.75}, {9, 17.5}};
        for (const auto &[bortleClass, reading] : classes) {
            QCOMPARE_NEAR(sqmFromBortleClass(bortleClass)->magPerArcsec2, reading, 1e-9);
            QVERIFY(sqmFromBortleClass(bortleClass)->source.find("nightskyspots.com") != std::string_view::npos);
        }
        QVERIFY(!sqmFromBortleClass(0) && !sqmFromBortleClass(10));
    }
};

QTEST_APPLESS_MAIN(TestSkySeeing)
#include "test_sky_seeing.moc"
