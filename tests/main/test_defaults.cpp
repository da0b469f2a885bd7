#include "windowfixture.h"

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
        QVERIFY(fixture.messages().contains(QStringLiteral("There is no file \"defaults.txt\"")));
        QCOMPARE(fixture.shownValues(), (Saved.mid(0, 14) + QStringList{"Objects.csv", "Exclusive"}));
        QVERIFY(QDir().mkdir(QStringLiteral("defaults.txt")));
        fixture.trigger(QStringLiteral("Save Defaults"));
        QVERIFY(fixture.messages().contains(QStringLiteral("could not be saved to \"%1\": ").arg(defaultsPath())));
        QVERIFY(!fixture.messages().contains(QStringLiteral("Unknown error")));  // the system's reason
    }

    void loadDefaults_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("applied");        // lines applied before a fault; 16 for all
        QTest::addColumn<int>("regenerations");  // one for every box the file changes, one after the file
        QTest::addColumn<QString>("folder");     // a folder to load from, made inside the fixture's

        QTest::newRow("complete") << Saved << 16 << 6 << "";
        QTest::newRow("no box changed") << Other.mid(0, 3) + QStringList{"0"} + Other.mid(4, 11) + QStringList{"Exclusive"} << 16 << 1 << "";
        QTest::newRow("box 3") << Saved.mid(0, 11) + QStringList{"3"} + Saved.mid(12) << 11 << 3 << "";
        QTest::newRow("empty file") << QStringList() << 0 << 1 << "";
        QTest::newRow("folder named like placeholders") << Saved.mid(0, 12) << 12 << 4 << "50%2 off %3";
    }

    // Line by line over another setup: a box the file changes makes its new list with the lines
    // before it applied and the ones after it not yet. A fault is named with the file and its line,
    // and the catalog named falls back to the first.
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
        QStringList valuesThen;  // when line 10 changes the nebula box, after the window's own handler
        connect(fixture.button<QCheckBox>(QStringLiteral("Nebula")), &QCheckBox::stateChanged, this,
                [&] { valuesThen = fixture.shownValues() << QString::number(fixture.lists->size()); });
        fixture.lists->clear();

        fixture.trigger(QStringLiteral("Load Defaults"));
        QStringList expected = lines.mid(0, applied) + Other.mid(applied);
        if (applied < 16)
            expected[14] = QStringLiteral("Objects.csv");
        QCOMPARE(fixture.shownValues(), expected);
        QCOMPARE(fixture.lists->size(), regenerations);
        const QStringList listAfterLoad = fixture.column(0);  // the list of the fields shown
        QTest::mouseClick(fixture.button(QStringLiteral("Refresh List")), Qt::LeftButton);
        QCOMPARE(listAfterLoad, fixture.column(0));
        const bool nebulaChanged = applied >= 10 && lines[9] != Other[9];
        QCOMPARE(valuesThen, nebulaChanged ? lines.mid(0, 10) + Other.mid(10) + QStringList({"1"}) : QStringList());
        const QString message = fixture.messages();
        QCOMPARE(message.isEmpty(), applied == 16);
        QVERIFY(message.isEmpty() || (message.contains(defaultsPath()) && message.contains(QStringLiteral("line %1 ").arg(applied + 1))
                                      && message.contains(applied == 0 ? u"None of the defaults" : u"only up to line")));
    }

    // Without a word, and before the catalog is loaded: the catalog the file names, the list after
    // it, the date and time from the clock. A short file is named with its missing line.
    void startUpAppliesDefaultsBeforeTheCatalog()
    {
        QStringList lines = FirstValues;
        for (const auto &[lineNumber, text] : {std::pair{1, "40"}, {4, "10"}, {7, "9"}, {12, "0"}, {15, "Mine.csv"}})
            lines[lineNumber - 1] = QString::fromLatin1(text);
        for (const auto &[file, catalog, messageLine] : {std::tuple{lines, "Mine.csv", 0}, {lines.mid(0, 15), "Objects.csv", 16}}) {
            WindowFixture fixture;
            QVERIFY(QFile::rename(QStringLiteral("Objects.csv"), QString::fromLatin1(catalog)) || messageLine);
            writeDefaults(file);
            MainWindow &window = fixture.start();
            QVERIFY(fixture.fakes.files.requests.isEmpty() && window.planner().catalog().size() == 501);
            QCOMPARE(fixture.shownValues(), (file.mid(0, 14) + QStringList{catalog, "Inclusive"}));
            QCOMPARE(fixture.lists->size(), 4);  // "Now", the galaxy box, the catalog, the list after it
            QVERIFY(fixture.listed() > 0);
            QVERIFY(std::ranges::all_of(fixture.column(9), [](const QString &mag) { return mag.toDouble() <= 9; }));
            QCOMPARE(fixture.named("Date")->text() + u' ' + fixture.named("Session Start Time")->text() + u' '
                         + fixture.named("GMT Deviation")->text(), QStringLiteral("3/15/2006 21:5:7 -5"));
            QCOMPARE(fixture.messages().isEmpty(), messageLine == 0);
            QVERIFY(fixture.messages().isEmpty() || fixture.messages().contains(QStringLiteral("line %1 ").arg(messageLine)));
        }
    }
};

QTEST_MAIN(TestDefaultsCommands)
#include "test_defaults.moc"
