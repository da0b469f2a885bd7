#include "plan/planner.h"
#include "workedsession.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

// The planner makes the list again at every change of what it is made from, and says so once.

namespace {

QList<SessionField> problemFields(const Planner &planner)
{
    QList<SessionField> fields;
    for (const Problem &problem : planner.problems())
        fields << *problem.field;
    return fields;
}

SessionTexts workedWith(SessionField field, const char *text)
{
    SessionTexts texts = workedSessionTexts();
    texts[field] = QString::fromLatin1(text);
    return texts;
}

}  // namespace

class TestPlanPlanner : public QObject {
    Q_OBJECT

private slots:
    // One step after the other on one planner; the worked objects at a minimum elevation of 0.
    void listFollowsEveryChange()
    {
        using enum SessionField;
        // Trees from south to north through west: they hide the first object, low in the west.
        const HorizonProfile trees(std::vector<HorizonPoint>{{0, 0}, {180, 0}, {181, 30}, {359, 30}});
        const struct {
            const char *step;
            std::function<void(Planner &)> change;
            int listChanges;
            QStringList listed;
            QList<SessionField> problems;
        } steps[] = {
            {"a first start's texts, without date, time and deviation",
             [](Planner &p) { p.setSessionTexts(SessionTexts()); }, 1, {}, {Date, StartTime, GmtDeviation}},
            {"the catalog", [](Planner &p) { p.setCatalog(Catalog(workedObjects())); }, 1, {}, {Date, StartTime, GmtDeviation}},
            {"the worked texts", [](Planner &p) { p.setSessionTexts(workedWith(MinElevation, "0")); }, 1, {"third", "first"}, {}},
            {"trees", [&trees](Planner &p) { p.setHorizon(trees, QStringLiteral("trees.hzn")); }, 1, {"third"}, {}},
            {"a flat horizon", [](Planner &p) { p.setHorizon(std::nullopt, QStringLiteral("trees.hzn")); }, 1, {"third", "first"}, {}},
            {"a comma under the C locale", [](Planner &p) { p.setSessionTexts(workedWith(MinElevation, "5,5")); }, 1, {},
             {MinElevation}},
            {"a comma locale", [](Planner &p) { p.setLocale(QLocale(QLocale::German, QLocale::Germany)); }, 1, {"first"}, {}},
            {"a catalog file's name only", [](Planner &p) { p.setCatalogFile(QStringLiteral("Mine.csv")); }, 0, {"first"}, {}},
            {"a new list asked for", [](Planner &p) { p.generateList(); }, 1, {"first"}, {}},
            {"a smaller catalog", [](Planner &p) { p.setCatalog(Catalog({workedObjects()[2]})); }, 1, {}, {}},
        };
        Planner planner(QLocale::c());
        QSignalSpy listChanges(&planner, &Planner::listChanged);
        for (const auto &step : steps) {
            listChanges.clear();
            step.change(planner);
            QVERIFY2(listChanges.count() == step.listChanges, step.step);
            QVERIFY2(listedIdentifiers(planner.list()) == step.listed, step.step);
            QVERIFY2(problemFields(planner) == step.problems, step.step);
            QVERIFY2(planner.session().has_value() == step.problems.isEmpty(), step.step);
        }
        QCOMPARE(planner.catalogFile(), QStringLiteral("Mine.csv"));
        QCOMPARE(planner.horizonFile(), QString());  // no profile, no file
        QVERIFY(!planner.horizon());
    }

    // A list taken from the planner still reads its objects once another catalog replaces theirs.
    void listKeepsItsCatalog()
    {
        Planner planner(QLocale::c());
        planner.setSessionTexts(workedSessionTexts());
        planner.setCatalog(Catalog(workedObjects()));
        const ObservingList kept = planner.list();
        planner.setCatalog(Catalog({catalogObject(QStringLiteral("other"), 10.675, 41.27)}));
        QCOMPARE(listedIdentifiers(planner.list()), QStringList{"other"});
        QCOMPARE(listedIdentifiers(kept), (QStringList{"third", "second", "first"}));
        QCOMPARE(kept.catalog.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestPlanPlanner)
#include "test_plan_planner.moc"
