#include "windowfixture.h"

#include <QCheckBox>
#include <QStatusBar>

namespace {

// Two setups that differ from each other on every line.
const QStringList Saved{"41.5", "-73.25", "2.5", "15", "90", "270", "11", "3", "120",
                        "0", "1", "2", "0", "1", "Mine.csv", "Exclusive"};
const QStringList Other{"-10", "20", "7", "7", "7", "300", "12", "7", "70",
                        "1", "0", "1", "1", "0", "Other.csv", "Inclusive"};

void writeDefaults(const QStringList &lines)
{
    writeFile(QStringLiteral("defaults.txt"), (lines.join(QStringLiteral("\r\n")) + (lines.isEmpty() ? "" : "\r\n")).toUtf8());
}

QStringList with(QStringList lines, std::initializer_list<std::pair<int, const char *>> changes)
{
    for (const auto &[lineNumber, text] : changes)
        lines[lineNumber - 1] = QString::fromUtf8(text);
    return lines;
}

QString defaultsPath()
{
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(QStringLiteral("defaults.txt")));
}

}  // namespace

// "Save Defaults", "Load Defaults" and the defaults at start-up, on the real main window.

class TestDefaultsCommands : public QObject {
    Q_OBJECT

private slots:
    void savedSetupComesBack()
    {
        WindowFixture fixture;
        fixture.start();
        writeDefaults(Saved);
        fixture.trigger(QStringLiteral("Load Defaults"));
        // A catalog in the working folder is saved by its name, so that the folder can move.
        const QString mine = fixture.folder.filePath(QStringLiteral("Mine.csv"));
        QVERIFY(QFile::copy(QStringLiteral("Objects.csv"), mine));
        fixture.fakes.files.answer({mine});
        fixture.trigger(QStringLiteral("Load Objects File"));
        QVERIFY(QFile::remove(QStringLiteral("defaults.txt")));
        fixture.trigger(QStringLiteral("Save Defaults"));
        QCOMPARE(fixture.window->statusBar()->currentMessage(), QStringLiteral("Defaults saved to \"%1\".").arg(defaultsPath()));
        QCOMPARE(fileBytes(QStringLiteral("defaults.txt")), Saved.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");

        QTest::mouseClick(fixture.azimuthMode(), Qt::LeftButton);
        fixture.fakes.files.answer({fixture.folder.filePath(QStringLiteral("Objects.csv"))});
        fixture.trigger(QStringLiteral("Load Objects File"));
        fixture.trigger(QStringLiteral("Load Defaults"));
        QCOMPARE(fixture.shownValues(), Saved);
        QCOMPARE(fixture.messages(), QString());

        // Loaded from the menu, a missing file is reported; the fields stay.
        QVERIFY(QFile::remove(QStringLiteral("defaults.txt")));
        fixture.trigger(QStringLiteral("Load Defaults"));
        QVERIFY(fixture.messages().contains(QStringLiteral("There is no file \"defaults.txt\"")));
        QCOMPARE(fixture.shownValues(), with(Saved, {{15, "Objects.csv"}}));

        // A save that cannot be written names the file and the system's reason.
        QVERIFY(QDir().mkdir(QStringLiteral("defaults.txt")));
        fixture.trigger(QStringLiteral("Save Defaults"));
        QVERIFY(fixture.messages().contains(QStringLiteral("could not be saved to \"%1\"").arg(defaultsPath())));
        QVERIFY(!fixture.messages().contains(QStringLiteral("Unknown error")));
    }

    void loadDefaults_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("applied");        // lines applied before a fault; 16 for all
        QTest::addColumn<int>("regenerations");  // one for every box the file changes
        QTest::addColumn<QString>("folder");     // a folder to load from, made inside the fixture's

        // One regeneration for every box the file changes, and one after the whole file.
        QTest::newRow("complete") << Saved << 16 << 6 << "";
        QTest::newRow("no box changed") << with(Other, {{4, "0"}, {16, "Exclusive"}}) << 16 << 1 << "";
        QTest::newRow("15 lines") << Saved.mid(0, 15) << 15 << 6 << "";
        QTest::newRow("box 3") << with(Saved, {{12, "3"}}) << 11 << 3 << "";
        QTest::newRow("empty file") << QStringList() << 0 << 1 << "";
        QTest::newRow("folder named like placeholders") << Saved.mid(0, 12) << 12 << 4 << "50%2 off %3";
    }

    void loadDefaults()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, applied);
        QFETCH(int, regenerations);
        QFETCH(QString, folder);

        WindowFixture fixture;
        fixture.start();
        writeDefaults(Other);
        fixture.trigger(QStringLiteral("Load Defaults"));
        if (!folder.isEmpty())
            QVERIFY(QDir().mkdir(folder) && QDir::setCurrent(folder));
        writeDefaults(lines);
        QStringList valuesThen;
        qsizetype generationsThen = 0;
        // Connected after the window's own handler, so it runs after that regeneration.
        const QList<QCheckBox *> boxes = fixture.window->findChildren<QCheckBox *>();
        QCheckBox *nebula = *std::ranges::find(boxes, QStringLiteral("Nebula"), &QCheckBox::text);
        connect(nebula, &QCheckBox::stateChanged, this, [&] {
            valuesThen = fixture.shownValues();
            generationsThen = fixture.lists->size();
        });
        fixture.lists->clear();

        fixture.trigger(QStringLiteral("Load Defaults"));
        QStringList expected = lines.mid(0, applied) + Other.mid(applied);
        if (applied < 16)
            expected[14] = QStringLiteral("Objects.csv");
        QCOMPARE(fixture.shownValues(), expected);
        QCOMPARE(fixture.lists->size(), regenerations);
        // The list shown is the list of the fields shown.
        const QStringList listAfterLoad = fixture.column(0);
        QTest::mouseClick(fixture.button(QStringLiteral("Refresh List")), Qt::LeftButton);
        QCOMPARE(listAfterLoad, fixture.column(0));
        // Line 10 changing the nebula box regenerates with lines 1 to 9 in and 11 to 16 not yet.
        const bool nebulaChanged = applied >= 10 && lines[9] != Other[9];
        QCOMPARE(valuesThen, nebulaChanged ? lines.mid(0, 10) + Other.mid(10) : QStringList());
        QCOMPARE(generationsThen, nebulaChanged ? 1 : 0);
        const QString message = fixture.messages();
        QCOMPARE(message.isEmpty(), applied == 16);
        QVERIFY(message.isEmpty() || (message.contains(defaultsPath()) && message.contains(QStringLiteral("line %1 ").arg(applied + 1))
                                      && message.contains(applied == 0 ? u"None of the defaults" : u"only up to line")));
    }

    void startUpAppliesDefaultsBeforeTheCatalog_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("catalog");  // the only catalog in the folder
        QTest::addColumn<int>("messageLine");  // the line a message names; 0 for none

        const auto lines = [](const char *catalog) {
            return with(FirstValues, {{1, "40"}, {4, "10"}, {7, "9"}, {12, "0"}, {15, catalog}});
        };
        QTest::newRow("another catalog") << lines("Mine.csv") << "Mine.csv" << 0;
        QTest::newRow("15 lines") << lines("Missing.csv").mid(0, 15) << "Objects.csv" << 16;
    }

    void startUpAppliesDefaultsBeforeTheCatalog()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, catalog);
        QFETCH(int, messageLine);

        WindowFixture fixture;
        QVERIFY(QFile::rename(QStringLiteral("Objects.csv"), catalog) || catalog == QLatin1String("Objects.csv"));
        writeDefaults(lines);

        MainWindow &window = fixture.start();
        QVERIFY(fixture.fakes.files.requests.isEmpty());
        QCOMPARE(window.planner().catalog().size(), 501);
        QStringList expected = lines + FirstValues.mid(lines.size());
        expected[14] = catalog;
        QCOMPARE(fixture.shownValues(), expected);
        QCOMPARE(fixture.lists->size(), 4);  // "Now", the galaxy box, the catalog, the list after it
        QVERIFY(fixture.listed() > 0);
        QVERIFY(std::ranges::all_of(fixture.column(9), [](const QString &mag) { return mag.toDouble() <= 9; }));
        QCOMPARE(fixture.field("Date")->text() + u' ' + fixture.field("Session Start Time")->text() + u' '
                     + fixture.field("GMT Deviation")->text(), QStringLiteral("3/15/2006 21:5:7 -5"));
        QCOMPARE(fixture.messages().isEmpty(), messageLine == 0);
        QVERIFY(fixture.messages().isEmpty() || fixture.messages().contains(QStringLiteral("line %1 ").arg(messageLine)));
    }
};

QTEST_MAIN(TestDefaultsCommands)
#include "test_defaults.moc"
