#include "plan/observingplan.h"
#include "workedsession.h"

#include <QTest>

// The names of an imported list looked up in the catalog, as observers and other programs write
// them.

namespace {

// A catalog of identifiers, with a Messier field and common names for some
// ("identifier=messier=names").
Catalog catalogOf(const QStringList &objects)
{
    std::vector<CatalogObject> made;
    for (const QString &object : objects) {
        made.push_back(catalogObject(object.section(u'=', 0, 0), 10.0, 20.0));
        made.back().messier = object.section(u'=', 1, 1);
        made.back().comment = object.section(u'=', 2);
    }
    return Catalog(std::move(made));
}

const QStringList Objects{"NGC 224=31", "NGC 1976=M 42=Great Orion Nebula, Orion Nebula", "IC 434", "NGC 61A", "ESO 351-30", "M 40=40", "NGC 7000",
                          "IC 5378 NED01"};

// "identifier", or "-why" where the name stands for none.
QString found(const ObjectNameIndex &index, const QString &name)
{
    const ObjectNameIndex::Found object = index.find(name);
    return object.object ? object.object->identifier : u'-' + object.why;
}

}  // namespace

class TestPlanImport : public QObject {
    Q_OBJECT

private slots:
    void findsNamesAsWritten()
    {
        const ObjectNameIndex index(catalogOf(Objects));
        const std::pair<const char *, const char *> cases[] = {
            {"NGC 224", "NGC 224"}, {"NGC224", "NGC 224"}, {"ngc 0224", "NGC 224"}, {" NGC  00224 ", "NGC 224"},
            {"NGC-224", "NGC 224"}, {"ngc2240", "-no object of the catalog has this name"}, {"NGC 22", "-no object of the catalog has this name"},
            {"M31", "NGC 224"}, {"M 31", "NGC 224"}, {"m031", "NGC 224"}, {"Messier 31", "NGC 224"}, {"MESSIER31", "NGC 224"},
            {"M42", "NGC 1976"}, {"M 40", "M 40"}, {"M40", "M 40"}, {"M 1", "-the catalog has no Messier 1"},
            {"M 111", "-no object of the catalog has this name"}, {"ic434", "IC 434"}, {"NGC 061a", "NGC 61A"},
            {"ESO 351-030", "ESO 351-30"}, {"IC 5378 NED1", "IC 5378 NED01"}, {"Horsehead", "-no object of the catalog has this name"},
            {"orion nebula", "NGC 1976"}, {"Great Orion Nebula", "NGC 1976"}, {"Orion", "-no object of the catalog has this name"},
            {"  ", "-the entry names no object"}};
        for (const auto &[name, identifier] : cases)
            QCOMPARE(found(index, name), QString(identifier));
    }

    // An entry is the object of the first of its names the catalog knows, else unresolved with its
    // line and the reason its shown name gives. A list that may open with a title has one only
    // where its first name is unknown and more follow.
    void plansAList()
    {
        const ObjectNameIndex index(catalogOf(Objects));
        const auto planOf = [&index](const QList<ListEntry> &entries, bool mayBeTitle) {
            const ObservingPlan plan = planFromList({"Title", entries, mayBeTitle}, index);
            QStringList shown{plan.name};
            for (const PlannedEntry &entry : plan.entries)
                shown << QStringLiteral("%1 %2 %3").arg(entry.entry.line).arg(entry.object ? entry.object->identifier : "-", entry.why);
            return shown;
        };
        const QList<ListEntry> entries{{{"Andromeda Galaxy", "M 31", "NGC 224"}, 2}, {{"PGC 2557", "Caldwell 99"}, 5}, {{"M 42"}, 6}};
        QCOMPARE(planOf(entries, false),
                 (QStringList{"Title", "2 NGC 224 ", "5 - no object of the catalog has this name", "6 NGC 1976 "}));
        QCOMPARE(planOf(entries.sliced(1), true), (QStringList{"PGC 2557", "6 NGC 1976 "}));
        QCOMPARE(planOf(entries, true).size(), 4);
        QCOMPARE(planOf(entries.sliced(1, 1), true), (QStringList{"Title", "5 - no object of the catalog has this name"}));
    }
};

QTEST_GUILESS_MAIN(TestPlanImport)
#include "test_plan_import.moc"
