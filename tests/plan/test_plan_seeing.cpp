#include "plan/planner.h"
#include "plan/sessionvisibility.h"
#include "workedsession.h"

#include <QTest>

#include <algorithm>

// The observer's sky and telescope as typed, and what the planner lists with them: the seeing
// only when asked for, "Visible any time in the session" and "Only what my telescope shows".

namespace {

// Objects all over the sky, bright and faint, large and small.
std::vector<CatalogObject> skyGrid()
{
    std::vector<CatalogObject> objects;
    int n = 0;
    for (int decDeg = -60; decDeg <= 80; decDeg += 20) {
        for (int raDeg = 0; raDeg < 360; raDeg += 15, ++n) {
            const QString magnitude = QString::number(6 + n % 9);
            const QString size = QString::number(1 + (n * 7) % 30);
            objects.push_back(catalogObject(QString("obj %1").arg(n), raDeg, decDeg, "galaxy", size, magnitude));
        }
    }
    return objects;
}

// A long December night at the worked place, from dusk to dawn above 30 degrees.
SessionTexts longNight()
{
    using enum SessionField;
    return workedSessionTexts({{Date, "12/15/2006"}, {StartTime, "18:0:0"}, {SessionLength, "12"}, {MinElevation, "30"}});
}

const QList<ListColumn> SeeingColumns{ListColumn::MoonSeparation, ListColumn::SurfaceBrightness, ListColumn::BestMoment,
                                      ListColumn::Reserve, ListColumn::Verdict, ListColumn::Magnification};

// Every row's identifier and what the telescope shows of it, as the columns show it.
QStringList seeingRows(const Planner &planner)
{
    QStringList rows;
    for (const ListedObject &row : planner.list().rows) {
        QStringList cells{row.object->identifier};
        for (const ListColumn column : SeeingColumns)
            cells << listCell(row, int(column), LocaleNumbers(QLocale::c()));
        rows << cells.join(u'\t');
    }
    return rows;
}

}  // namespace

class TestPlanSeeing : public QObject {
    Q_OBJECT

private slots:
    // Each field within its limits, under the C locale and a comma locale; each that cannot be
    // read is named.
    void observerLimits()
    {
        using enum ObserverField;
        const QLocale german(QLocale::German, QLocale::Germany), c = QLocale::c();
        const std::tuple<ObserverField, QString, QLocale, bool> cases[] = {
            {ZenithSkyBrightness, "16", c, true},     {ZenithSkyBrightness, "22.5", c, true}, {ZenithSkyBrightness, "15.99", c, false},
            {ZenithSkyBrightness, "22.51", c, false}, {ZenithSkyBrightness, "21,3", german, true}, {ZenithSkyBrightness, "", c, false},
            {Extinction, "0.05", c, true},   {Extinction, "1", c, true},     {Extinction, "0.04", c, false}, {Extinction, "1.01", c, false},
            {Aperture, "10", c, true},       {Aperture, "2000", c, true},    {Aperture, "9.9", c, false},    {Aperture, "2001", c, false},
            {Aperture, "nan", c, false},     {Magnifications, "1 2000", c, true}, {Magnifications, " 66;118  250 ", c, true},
            {Magnifications, "12,5 40", german, true}, {Magnifications, "0.9 40", c, false}, {Magnifications, "40 2001", c, false},
            {Magnifications, "40 x", c, false}, {Magnifications, "", c, false}, {Magnifications, QString("10 ").repeated(20), c, true},
            {Magnifications, QString("10 ").repeated(21), c, false},
        };
        for (const auto &[field, text, locale, readable] : cases) {
            ObserverTexts texts;
            texts[field] = text;
            const Result<SkyAndTelescope> reading = readSkyAndTelescope(texts, locale);
            QVERIFY2(reading.ok() == readable, qPrintable(text));
            if (!readable)
                QCOMPARE(reading.problem().observerField, field);
        }
        const SkyAndTelescope first = firstSkyAndTelescope();
        QCOMPARE(first.sky.zenithMagPerArcsec2, 21.0);
        QCOMPARE(first.telescope.magnifications, (std::vector<double>{40, 80, 120, 200}));
    }

    // Nothing asked for: the list is the one generateList makes, without seeing; a column shown
    // gives every row its seeing, and hiding it again takes it away. "Only what my telescope shows"
    // keeps the objects whose verdict at their best moment is "difficult" or better, and only
    // those, in the list's order.
    void seeingOnlyWhenAskedFor()
    {
        Planner planner(QLocale::c());
        planner.setCatalog(Catalog(skyGrid()));
        SessionTexts texts = longNight();
        planner.setSessionTexts(texts);
        QCOMPARE(listedIdentifiers(planner.list()), listedIdentifiers(generateList(*planner.session(), planner.catalog(), nullptr)));
        const auto withSeeing = [&planner] {
            return std::ranges::count_if(planner.list().rows, [](const ListedObject &row) { return row.seeing.has_value(); });
        };
        QVERIFY(withSeeing() == 0 && !planner.sessionSeeing());
        planner.setShownOptionalColumns({ListColumn::Verdict});
        QCOMPARE(withSeeing(), planner.list().size());
        QCOMPARE(planner.shownColumns().last(), ListColumn::Verdict);

        const QStringList shownWords{"difficult", "moderate", "easy", "very easy"};
        QStringList shown, hidden;
        for (const ListedObject &row : planner.list().rows)
            (shownWords.contains(listCell(row, int(ListColumn::Verdict), LocaleNumbers(QLocale::c()))) ? shown : hidden)
                << row.object->identifier;
        QVERIFY(!shown.isEmpty() && !hidden.isEmpty());
        planner.setShownOptionalColumns({});
        QCOMPARE(withSeeing(), 0);
        texts.onlyWhatTelescopeShows = true;
        planner.setSessionTexts(texts);
        QCOMPARE(listedIdentifiers(planner.list()), shown);
        // A telescope that shows nothing of these.
        ObserverTexts tiny;
        tiny[ObserverField::Aperture] = "10";
        tiny[ObserverField::ZenithSkyBrightness] = "16";
        planner.setObserverTexts(tiny);
        QVERIFY(planner.list().size() < shown.size());
        // A telescope that cannot be read judges nothing, and the field is named.
        tiny[ObserverField::Aperture] = "5";
        planner.setObserverTexts(tiny);
        QCOMPARE(planner.list().size(), 0);
        QCOMPARE(planner.observerProblems().value(0).observerField, ObserverField::Aperture);
    }

    // What was worked out for one list serves the next only while the session, the profile and the
    // observer stay the same: after each change the planner lists what a planner given the changed
    // values at once lists.
    void seeingKeptForTheSameSessionOnly()
    {
        using enum SessionField;
        std::optional<HorizonProfile> profile;
        SessionTexts texts = workedSessionTexts({{Date, "12/15/2006"}, {StartTime, "19:0:0"}, {SessionLength, "8"},
                                                 {MinElevation, "20"}, {FaintestMagnitude, "9"}});
        ObserverTexts observer;
        Planner planner(QLocale::c());
        planner.setCatalog(Catalog(skyGrid()));
        planner.setShownOptionalColumns(SeeingColumns);
        planner.setSessionTexts(texts);
        const auto changeAndCompare = [&](auto change, const char *what) {
            change();
            Planner fresh(QLocale::c());
            fresh.setCatalog(Catalog(skyGrid()));
            fresh.setShownOptionalColumns(SeeingColumns);
            fresh.setObserverTexts(observer);
            fresh.setHorizon(profile, "wall.hzn");
            fresh.setSessionTexts(texts);
            QVERIFY2(!seeingRows(planner).isEmpty() && seeingRows(planner) == seeingRows(fresh), what);
        };
        changeAndCompare([&] { texts[FaintestMagnitude] = "14"; planner.setSessionTexts(texts); }, "fainter");
        const QStringList before = seeingRows(planner);
        // The same instant on another clock: the best moments move by the hour.
        changeAndCompare([&] { texts[StartTime] = "20:0:0"; texts[GmtDeviation] = "-4"; planner.setSessionTexts(texts); },
                         "another clock");
        QVERIFY(seeingRows(planner) != before);
        changeAndCompare([&] { texts[StartTime] = "21:0:0"; planner.setSessionTexts(texts); }, "later");
        changeAndCompare([&] { observer[ObserverField::Aperture] = "500"; planner.setObserverTexts(observer); }, "aperture");
        changeAndCompare([&] { texts.visibleAnyTime = true; planner.setSessionTexts(texts); }, "any time");
        for (const double wallDeg : {50.0, 35.0}) {
            changeAndCompare([&] {
                profile = HorizonProfile({{0.0, wallDeg}, {360.0, wallDeg}});
                planner.setHorizon(profile, "wall.hzn");
            }, "profile");
        }
    }

    // On a long night more objects are visible at some minute than stand high at both ends; each
    // listed one is visible for a minute at least, and no object that is is left out.
    void visibleAnyTime()
    {
        Planner planner(QLocale::c());
        planner.setCatalog(Catalog(skyGrid()));
        SessionTexts texts = longNight();
        planner.setSessionTexts(texts);
        const int bothEnds = planner.list().size();
        texts.visibleAnyTime = true;
        planner.setSessionTexts(texts);
        const VisibilityQuery query = visibilityQuery(*planner.session(), nullptr, DarknessLevel::Astronomical);
        QStringList visible;
        for (auto object = planner.catalog().objects().rbegin(); object != planner.catalog().objects().rend(); ++object) {
            if (objectVisibility({object->raDeg, object->decDeg}, query).visibleMinutes >= 1.0)
                visible << object->identifier;
        }
        QCOMPARE(listedIdentifiers(planner.list()), visible);
        QVERIFY2(planner.list().size() > bothEnds, qPrintable(QString("%1 against %2").arg(planner.list().size()).arg(bothEnds)));
    }

};

QTEST_GUILESS_MAIN(TestPlanSeeing)
#include "test_plan_seeing.moc"
