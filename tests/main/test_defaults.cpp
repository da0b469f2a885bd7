#include "catalogfiles.h"
#include "ui/common/fieldmark.h"
#include "ui/main/telescopedialog.h"
#include "windowfixture.h"

#include <QDialogButtonBox>

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
        QCOMPARE(fixture.status(), QStringLiteral("%1 objects listed. Defaults saved to \"%2\".").arg(fixture.listed()).arg(defaultsPath()));
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

    // A text that cannot be read, typed and not yet left, is never saved: the warning names every
    // such field the file keeps, and the file stays as it was. The date is no line's: it does not
    // stop a save.
    void refusedSaves()
    {
        const std::pair<std::vector<std::pair<QString, QString>>, QString> cases[] = {
            {{{"Session Length", "25"}, {"Min Brightness", "nan"}, {"Min Azimuth", "1e400"}},
             "Session Length: Expected hours from 0 to 24, such as 2.5.\nMin Azimuth: Expected a number such as -5.5.\n"
             "Min Brightness: Expected a number such as -5.5."},
            {{{"Max Size", " "}, {"Date", "soon"}}, "Max Size: Expected a number such as -5.5."},
            {{{"Date", "soon"}}, ""}};
        for (const auto &[typed, refusal] : cases) {
            WindowFixture fixture;
            writeDefaults(Saved);
            QVERIFY(QFile::copy(QStringLiteral("Objects.csv"), QStringLiteral("Mine.csv")));
            fixture.start();
            for (const auto &[field, text] : typed)
                fixture.named(field)->setText(text);
            writeFile(QStringLiteral("defaults.txt"), "as it was");
            fixture.trigger(QStringLiteral("Save Defaults"));
            QCOMPARE(fixture.messages(), refusal.isEmpty() ? QString()
                                         : "Nocturo (warning): The defaults were not saved. Put right what is marked in red:\n\n" + refusal);
            QVERIFY(refusal.isEmpty() || fixture.fakes.messages.shown.first().warning);
            QCOMPARE(fileBytes(QStringLiteral("defaults.txt")) == "as it was", !refusal.isEmpty());
            QCOMPARE(fixture.status().contains(QStringLiteral("Defaults saved")), refusal.isEmpty());
        }
    }

    // An observer's line that cannot be read stops no other line: the window names it with its line
    // when it starts, Telescope and Sky opens with it marked, and nothing is lost: it is not saved
    // over until put right.
    void unreadableObserverLine()
    {
        WindowFixture fixture;
        const QStringList observerLines{"", "21.5", "0.3", "abc", "66 118"};
        writeDefaults(Saved + observerLines);
        QVERIFY(QFile::copy(QStringLiteral("Objects.csv"), QStringLiteral("Mine.csv")));
        fixture.start();
        QCOMPARE(fixture.shownValues(), Saved);
        QCOMPARE(fixture.messages(),
                 QStringLiteral("Nocturo (warning): The telescope and sky in \"%1\" cannot all be read. They are kept as "
                                "written, and no object is judged until they are put right in Edit > Telescope and Sky...\n\n"
                                "Line 20, Aperture: Expected an aperture in mm from 10 to 2,000, such as 254.")
                     .arg(defaultsPath()));
        fixture.trigger(QStringLiteral("Telescope and Sky..."));
        auto *dialog = fixture.window->findChild<TelescopeDialog *>();
        QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
        const auto field = [&fields](const QString &name) { return *std::ranges::find(fields, name, &QWidget::accessibleName); };
        QVERIFY(isMarked(field(QStringLiteral("Aperture"))) && !isMarked(field(QStringLiteral("Extinction"))));
        QCOMPARE(field(QStringLiteral("Aperture"))->text(), QStringLiteral("abc"));
        QCOMPARE(field(QStringLiteral("Magnifications"))->text(), QStringLiteral("66 118"));

        const QByteArray file = fileBytes(QStringLiteral("defaults.txt"));
        fixture.trigger(QStringLiteral("Save Defaults"));
        QVERIFY(fixture.messages().endsWith(QStringLiteral("Put right what is marked in red:\n\nAperture: Expected an "
                                                           "aperture in mm from 10 to 2,000, such as 254.")));
        QCOMPARE(fileBytes(QStringLiteral("defaults.txt")), file);
        field(QStringLiteral("Aperture"))->setText(QStringLiteral("457"));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        fixture.trigger(QStringLiteral("Save Defaults"));
        QCOMPARE(fileBytes(QStringLiteral("defaults.txt")),
                 QString(file).replace(QStringLiteral("abc"), QStringLiteral("457")).toUtf8());
    }

    // After every new list the status line gives the count or why nothing is listed, then what was
    // loaded or saved. A catalog that fails to load, its fall-back cancelled, leaves the one there was.
    void statusTellsTheListThenWhatWasDone()
    {
        WindowFixture fixture;
        fixture.start();
        const QString spring = QDir::current().absoluteFilePath(QStringLiteral("Spring.csv"));
        QVERIFY(QFile::copy(QStringLiteral("Objects.csv"), spring));
        fixture.fakes.files.answer({spring});
        fixture.trigger(QStringLiteral("Load Objects File"));
        const QString listed = QStringLiteral("%1 objects listed").arg(fixture.listed());
        QCOMPARE(fixture.status(), listed + QStringLiteral(". Loaded 501 objects from \"%1\".").arg(QDir::toNativeSeparators(spring)));
        fixture.fakes.files.answer({writeFile(QStringLiteral("offsky.csv"), catalogBytes("Off", 1).replace("+10 00", "+95 00"))});
        fixture.trigger(QStringLiteral("Load Objects File"));  // the fall-back's request cancelled
        QVERIFY(fixture.messages().contains(QStringLiteral("offsky.csv, line 2")) && fixture.window->planner().catalog().size() == 501);
        QCOMPARE(fixture.status(), listed);
        fixture.trigger(QStringLiteral("Save Defaults"));
        QCOMPARE(QString::fromUtf8(fileBytes(QStringLiteral("defaults.txt"))).split(QStringLiteral("\r\n")).value(14), "Spring.csv");

        fixture.type("Date", QStringLiteral("soon"));
        const QString unreadable = QStringLiteral("Nothing listed: Date cannot be read. Expected a date from 1/1/1800 to 12/31/2200, such as 3/15/2006.");
        QCOMPARE(fixture.status(), unreadable);
        fixture.trigger(QStringLiteral("Load Defaults"));
        QCOMPARE(fixture.status(), unreadable + QStringLiteral(" Defaults loaded from \"%1\".").arg(defaultsPath()));
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
            {Saved.mid(0, 14) + QStringList{"Objects.csv", "Sideways"}, 15, 6},  // no azimuth mode but the two
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
            // New lists for "Now", the galaxy box, the catalog, after it, and the window widened to the
            // list's columns; the magnitude applied.
            QVERIFY(fixture.lists->size() == 5 && fixture.listed() > 0
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
