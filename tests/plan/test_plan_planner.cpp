#include "plan/planner.h"
#include "workedsession.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>

// The planner makes the list again at every change of what it is made from, and says so once.

class TestPlanPlanner : public QObject {
    Q_OBJECT

private slots:
    // One step after the other on one planner, with the worked objects at a minimum elevation of 0:
    // how often the list changes, what it lists and which fields cannot be read. Trees from south to
    // north through west hide the first object, low in the west.
    void listFollowsEveryChange()
    {
        using enum SessionField;
        const HorizonProfile trees(std::vector<HorizonPoint>{{0, 0}, {180, 0}, {181, 30}, {359, 30}});
        const std::tuple<const char *, std::function<void(Planner &)>, int, QStringList, QList<SessionField>> steps[] = {
            // A first start's texts have no date, time and deviation.
            {"a first start", [](Planner &p) { p.setSessionTexts(SessionTexts()); }, 1, {}, {Date, StartTime, GmtDeviation}},
            {"the catalog", [](Planner &p) { p.setCatalog(Catalog(workedObjects())); }, 1, {}, {Date, StartTime, GmtDeviation}},
            {"the worked texts", [](Planner &p) { p.setSessionTexts(workedSessionTexts({{MinElevation, "0"}})); }, 1, {"third", "first"}, {}},
            {"trees", [&trees](Planner &p) { p.setHorizon(trees, "trees.hzn"); }, 1, {"third"}, {}},
            {"a flat horizon", [](Planner &p) { p.setHorizon(std::nullopt, "trees.hzn"); }, 1, {"third", "first"}, {}},
            {"a comma under the C locale", [](Planner &p) { p.setSessionTexts(workedSessionTexts({{MinElevation, "5,5"}})); }, 1, {}, {MinElevation}},
            {"a point again", [](Planner &p) { p.setSessionTexts(workedSessionTexts({{MinElevation, "5.5"}})); }, 1, {"first"}, {}},
            {"a catalog file's name only", [](Planner &p) { p.setCatalogFile("Mine.csv"); }, 0, {"first"}, {}},
            {"a new list asked for", [](Planner &p) { p.generateList(); }, 1, {"first"}, {}},
            {"a smaller catalog", [](Planner &p) { p.setCatalog(Catalog({workedObjects()[2]})); }, 1, {}, {}},
        };
        Planner planner(QLocale::c());
        QSignalSpy listChanges(&planner, &Planner::listChanged);
        for (const auto &[step, change, changeCount, listed, problemFields] : steps) {
            listChanges.clear();
            change(planner);
            const auto fieldOf = [](const Problem &problem) { return *problem.field; };
            QVERIFY2(listChanges.count() == changeCount && listedIdentifiers(planner.list()) == listed
                         && std::ranges::equal(planner.problems(), problemFields, {}, fieldOf)
                         && planner.session().has_value() == problemFields.isEmpty(),
                     step);
        }
        QCOMPARE(planner.catalogFile(), "Mine.csv");
        QVERIFY(planner.horizonFile().isEmpty() && !planner.horizon());  // no profile, no file
    }

    // A list taken from the planner still reads its objects once another catalog replaces theirs.
    void listKeepsItsCatalog()
    {
        Planner planner(QLocale::c());
        planner.setSessionTexts(workedSessionTexts());
        planner.setCatalog(Catalog(workedObjects()));
        const ObservingList kept = planner.list();
        planner.setCatalog(Catalog({catalogObject("other", 10.675, 41.27)}));
        QCOMPARE(listedIdentifiers(planner.list()), QStringList{"other"});
        QCOMPARE(listedIdentifiers(kept), (QStringList{"third", "second", "first"}));
    }
};

QTEST_GUILESS_MAIN(TestPlanPlanner)
#include "test_plan_planner.moc"
