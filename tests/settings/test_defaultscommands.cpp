#include "../main/windowfixture.h"

#include <QCheckBox>

namespace {

// Two setups that differ from each other on every line.
const QStringList Saved{"41.5", "-73.25", "2.5", "15", "90", "270", "11", "3", "120",
                        "0", "1", "2", "0", "1", "Mine.csv", "Exclusive"};
const QStringList Other{"-10", "20", "7", "7", "7", "300", "12", "7", "70",
                        "1", "0", "1", "1", "0", "Other.csv", "Inclusive"};

bool writeDefaults(const QStringList &lines, const QString &lineEnd = QStringLiteral("\r\n"))
{
    const QString text = lines.join(lineEnd) + (lines.isEmpty() ? QString() : lineEnd);
    return writeBytes(QStringLiteral("defaults.txt"), text.toUtf8());
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
    void savedSetupComesBack();
    void loadDefaults_data();
    void loadDefaults();
    void startUpAppliesDefaultsBeforeTheCatalog_data();
    void startUpAppliesDefaultsBeforeTheCatalog();
    void saveThatCannotBeWrittenIsReported();
};

void TestDefaultsCommands::savedSetupComesBack()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QCOMPARE(fixture.shownValues(), DesignValues);  // no defaults file yet
    window.saveDef_Click();
    QCOMPARE(fileBytes(QStringLiteral("defaults.txt")),
             QByteArray("0\r\n0\r\n1\r\n30\r\n0\r\n360\r\n30\r\n1\r\n999\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"
                        "Objects.csv\r\nInclusive\r\n"));

    QVERIFY(writeDefaults(Saved));
    window.loadDef_Click();
    const QString mine = fixture.folder.filePath(QStringLiteral("Mine.csv"));
    QVERIFY(QFile::copy(QStringLiteral("Objects.csv"), mine));
    fixture.fakes.files.answer({mine});
    window.LoadObj_Click();
    const QStringList saved = Saved.mid(0, 14) + QStringList{mine, "Exclusive"};
    window.saveDef_Click();
    QCOMPARE(fileBytes(QStringLiteral("defaults.txt")), saved.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");

    window.Included_Click();
    fixture.fakes.files.answer({fixture.folder.filePath(QStringLiteral("Objects.csv"))});
    window.LoadObj_Click();
    window.loadDef_Click();
    QCOMPARE(fixture.shownValues(), saved);
    VERIFY_MESSAGE(fixture, false);
}

void TestDefaultsCommands::loadDefaults_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("lineEnd");
    QTest::addColumn<int>("applied");        // lines applied before a fault; 16 for all
    QTest::addColumn<int>("regenerations");  // one for every box the file changes
    QTest::addColumn<QString>("folder");     // a folder to load from, made inside the fixture's

    QTest::newRow("complete") << Saved << "\r\n" << 16 << 5 << "";
    QTest::newRow("LF only") << Saved << "\n" << 16 << 5 << "";
    QTest::newRow("no box changed") << with(Other, {{4, "0"}, {16, "Exclusive"}}) << "\r\n" << 16 << 0 << "";
    QTest::newRow("unknown mode word") << with(Other, {{16, "sideways"}}) << "\r\n" << 16 << 0 << "";
    QTest::newRow("15 lines") << Saved.mid(0, 15) << "\r\n" << 15 << 5 << "";
    QTest::newRow("box 3") << with(Saved, {{12, "3"}}) << "\r\n" << 11 << 2 << "";
    QTest::newRow("box -1") << with(Saved, {{12, "-1"}}) << "\r\n" << 11 << 2 << "";
    QTest::newRow("box abc") << with(Saved, {{12, "abc"}}) << "\r\n" << 11 << 2 << "";
    QTest::newRow("box empty") << with(Saved, {{12, ""}}) << "\r\n" << 11 << 2 << "";
    QTest::newRow("empty file") << QStringList() << "\r\n" << 0 << 0 << "";
    QTest::newRow("folder named like placeholders") << Saved.mid(0, 12) << "\r\n" << 12 << 3 << "50%2 off %3";
}

void TestDefaultsCommands::loadDefaults()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, lineEnd);
    QFETCH(int, applied);
    QFETCH(int, regenerations);
    QFETCH(QString, folder);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QVERIFY(writeDefaults(Other));
    window.loadDef_Click();
    if (!folder.isEmpty())
        QVERIFY(QDir().mkdir(folder) && QDir::setCurrent(folder));
    QVERIFY(writeDefaults(lines, lineEnd));
    QStringList valuesThen;
    int generationsThen = 0;
    // Connected after the window's own handler, so it runs after that regeneration.
    connect(window.findChild<QCheckBox *>(QStringLiteral("chkNebula")), &QCheckBox::stateChanged, this, [&] {
        valuesThen = fixture.shownValues();
        generationsThen = window.listGenerations();
    });
    const int generationsBefore = window.listGenerations();
    const QStringList listBefore = fixture.column(0);

    window.loadDef_Click();
    QStringList expected = lines.mid(0, applied) + Other.mid(applied);
    if (applied < 16)
        expected[14] = QStringLiteral("Objects.csv");
    QCOMPARE(fixture.shownValues(), expected);
    QCOMPARE(window.listGenerations(), generationsBefore + regenerations);
    QVERIFY(regenerations > 0 || (!listBefore.isEmpty() && fixture.column(0) == listBefore));
    // Line 10 changing the nebula box regenerates with lines 1 to 9 in and 11 to 16 not yet.
    const bool nebulaChanged = applied >= 10 && lines[9] != Other[9];
    QCOMPARE(valuesThen, nebulaChanged ? lines.mid(0, 10) + Other.mid(10) : QStringList());
    QCOMPARE(generationsThen, nebulaChanged ? generationsBefore + 1 : 0);
    VERIFY_MESSAGE(fixture, applied < 16, defaultsPath(), QStringLiteral("line %1 ").arg(applied + 1));
    QVERIFY(!fixture.messageLog().contains(QStringLiteral("line 0")));
}

void TestDefaultsCommands::startUpAppliesDefaultsBeforeTheCatalog_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("catalog");  // the only catalog in the folder
    QTest::addColumn<int>("messageLine");  // the line a message names; 0 for none

    const auto lines = [](const char *catalog) {
        return with(DesignValues, {{1, "40"}, {4, "10"}, {7, "9"}, {12, "0"}, {15, catalog}});
    };
    QTest::newRow("another catalog") << lines("Mine.csv") << "Mine.csv" << 0;
    QTest::newRow("15 lines") << lines("Missing.csv").mid(0, 15) << "Objects.csv" << 16;
}

void TestDefaultsCommands::startUpAppliesDefaultsBeforeTheCatalog()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, catalog);
    QFETCH(int, messageLine);

    WindowFixture fixture;
    QVERIFY(QFile::rename(QStringLiteral("Objects.csv"), catalog) || catalog == QLatin1String("Objects.csv"));
    QVERIFY(writeDefaults(lines));

    Nocturo &window = fixture.start();
    QVERIFY(fixture.fakes.files.requests.isEmpty());
    QCOMPARE(window.catalogCount(), 501);
    QStringList expected = lines + DesignValues.mid(lines.size());
    expected[14] = catalog;
    QCOMPARE(fixture.shownValues(), expected);
    QCOMPARE(window.listGenerations(), 3);  // "Now", the galaxy box, the list after the catalog
    QVERIFY(window.resultCount() > 0);
    QVERIFY(std::ranges::all_of(fixture.column(9), [](const QString &mag) { return mag.toDouble() <= 9; }));
    QCOMPARE(fixture.field("txtDate")->text() + u' ' + fixture.field("txtTime")->text() + u' '
                 + fixture.field("txtGMTDev")->text(), QStringLiteral("3/15/2006 21:5:7 -5"));
    VERIFY_MESSAGE(fixture, messageLine > 0, QStringLiteral("line %1 ").arg(messageLine));
}

void TestDefaultsCommands::saveThatCannotBeWrittenIsReported()
{
    WindowFixture fixture;
    fixture.start();
    QVERIFY(QDir().mkdir(QStringLiteral("defaults.txt")));
    fixture.window->saveDef_Click();
    VERIFY_MESSAGE(fixture, true, defaultsPath());
    QVERIFY(QFileInfo(fixture.folder.filePath(QStringLiteral("defaults.txt"))).isDir());
}

QTEST_MAIN(TestDefaultsCommands)
#include "test_defaultscommands.moc"
