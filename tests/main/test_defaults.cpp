#include "windowfixture.h"

namespace {

// Two setups that differ from each other on every line; the other names the catalog there is.
const QStringList Saved{"41.5", "-73.25", "2.5", "15", "90", "270", "11", "3", "120",
                        "0", "1", "2", "0", "1", "Mine.csv", "Exclusive"};
const QStringList Other{"-10", "20", "7", "7", "7", "300", "12", "7", "70",
                        "1", "0", "1", "1", "0", "Objects.csv", "Inclusive"};

void writeDefaults(const QStringList &lines)
{
    writeFile(QStringLiteral("defaults.txt"), (lines.join(QStringLiteral("\r\n")) + (lines.isEmpty() ? "" : "\r\n")).toUtf8());
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
    // Save writes what the window shows; a missing file or one that cannot be written is reported,
    // named, and changes no field.
    void savedSetupComesBack()
    {
        WindowFixture fixture;
        fixture.start();
        writeDefaults(Saved);
        fixture.trigger(QStringLiteral("Load Defaults"));
        QVERIFY(QFile::remove(QStringLiteral("defaults.txt")));
        fixture.trigger(QStringLiteral("Save Defaults"));
        QCOMPARE(fixture.window->statusBar()->currentMessage(), QStringLiteral("Defaults saved to \"%1\".").arg(defaultsPath()));
        QCOMPARE(fileBytes(QStringLiteral("defaults.txt")), Saved.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");

        QVERIFY(QFile::remove(QStringLiteral("defaults.txt")));
        fixture.trigger(QStringLiteral("Load Defaults"));
        QVERIFY(fixture.messages().contains(QStringLiteral("(warning): No defaults were loaded. There is no file \"defaults.txt\"")));
        QCOMPARE(fixture.shownValues(), (Saved.mid(0, 14) + QStringList{"Objects.csv", "Exclusive"}));
        QVERIFY(QDir().mkdir(QStringLiteral("defaults.txt")));
        fixture.trigger(QStringLiteral("Save Defaults"));
        QVERIFY(fixture.messages().contains(QStringLiteral("(warning): The defaults could not be saved to \"%1\": ").arg(defaultsPath()))
                && !fixture.messages().contains(QStringLiteral("Unknown error")));  // but the system's reason
    }

    // Line by line over another setup: a box the file changes makes its new list with the lines
    // before it applied and the ones after it not yet, and one more list follows the file. A fault
    // is named with the file, in a folder named like placeholders, and its line.
    void loadDefaults()
    {
        const std::tuple<QStringList, int, int> cases[] = {  // lines; those applied before a fault; new lists
            {Saved, 16, 6},
            {Other.mid(0, 3) + QStringList{"0"} + Other.mid(4, 11) + QStringList{"Exclusive"}, 16, 1},  // no box changed
            {Saved.mid(0, 11) + QStringList{"3"} + Saved.mid(12), 11, 3},  // no box state 3
            {{}, 0, 1}};
        for (const auto &[lines, applied, regenerations] : cases) {
            WindowFixture fixture;
            writeDefaults(Other);
            fixture.start();
            QVERIFY(QDir().mkdir(QStringLiteral("50%2 off %3")) && QDir::setCurrent(QStringLiteral("50%2 off %3")));
            writeDefaults(lines);
            QStringList valuesThen;  // what the nebula box's change shows, after the window's own handler
            connect(fixture.button<QCheckBox>(QStringLiteral("Nebula")), &QCheckBox::stateChanged, this,
                    [&] { valuesThen = fixture.shownValues() << QString::number(fixture.lists->size()); });
            fixture.lists->clear();

            fixture.trigger(QStringLiteral("Load Defaults"));
            QCOMPARE(fixture.shownValues(), lines.mid(0, applied) + Other.mid(applied));
            QCOMPARE(fixture.lists->size(), regenerations);
            const QStringList listAfterLoad = fixture.column(0);  // the list of the fields shown
            QTest::mouseClick(fixture.button(QStringLiteral("Refresh List")), Qt::LeftButton);
            QCOMPARE(listAfterLoad, fixture.column(0));
            // When line 10 changes the box: lines 1 to 10 in, one new list.
            QCOMPARE(valuesThen, applied >= 10 && lines[9] != Other[9] ? lines.mid(0, 10) + Other.mid(10) << "1" : QStringList());
            const QString message = fixture.messages();
            QVERIFY(applied == 16 ? message.isEmpty() : message.startsWith(u"Nocturo (warning): ")
                                        && message.contains(defaultsPath())
                                        && message.contains(QStringLiteral("line %1 ").arg(applied + 1))
                                        && message.contains(applied == 0 ? u"None of the defaults" : u"only up to line"));
        }
    }

    // Without a word, and before the catalog is loaded: the catalog the file names, the list after
    // it, the date and time from the clock. A short file is named with its missing line.
    void startUpAppliesDefaultsBeforeTheCatalog()
    {
        // The first values but for the latitude, elevation, magnitude, galaxy box and catalog.
        const QStringList lines{"40", "0", "1", "10", "0", "360", "9", "1", "999",
                                "1", "1", "0", "1", "1", "Mine.csv", "Inclusive"};
        for (const auto &[file, catalog, messageLine] :
             {std::tuple{lines, "Mine.csv", 0}, {lines.mid(0, 15), "Objects.csv", 16}}) {
            WindowFixture fixture;
            QVERIFY(QFile::rename(QStringLiteral("Objects.csv"), QString::fromLatin1(catalog)) || messageLine);
            writeDefaults(file);
            MainWindow &window = fixture.start();
            QVERIFY(fixture.fakes.files.requests.isEmpty() && window.planner().catalog().size() == 501);
            QCOMPARE(fixture.shownValues(), (file.mid(0, 14) + QStringList{catalog, "Inclusive"}));
            // New lists for "Now", the galaxy box, the catalog and after it; the magnitude applied.
            QVERIFY(fixture.lists->size() == 4 && fixture.listed() > 0
                    && std::ranges::all_of(fixture.column(9), [](const QString &mag) { return mag.toDouble() <= 9; }));
            QCOMPARE(fixture.named("Date")->text() + u' ' + fixture.named("Session Start Time")->text() + u' '
                         + fixture.named("GMT Deviation")->text(), QStringLiteral("3/15/2006 21:5:7 -5"));
            QVERIFY(messageLine ? fixture.messages().contains(QStringLiteral("line %1 ").arg(messageLine))
                                : fixture.messages().isEmpty());
        }
    }
};

QTEST_MAIN(TestDefaultsCommands)
#include "test_defaults.moc"
