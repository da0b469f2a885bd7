#include "../main/windowfixture.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

const QString DefaultsFile = QStringLiteral("defaults.txt");

// The sixteen values a first start without a defaults file shows.
QStringList designValues()
{
    return {"0", "0", "1", "30", "0", "360", "30", "1", "999", "1", "1", "1", "1", "1", "Objects.csv", "Inclusive"};
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

void writeDefaults(const QStringList &lines, const QString &lineEnd = QStringLiteral("\r\n"))
{
    writeBytes(DefaultsFile, (lines.join(lineEnd) + lineEnd).toUtf8());
}

// The path a message about the defaults file names: the file in the current directory.
QString defaultsPath()
{
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(DefaultsFile));
}

bool listsType(const QStringList &types, const QString &type)
{
    for (const QString &cell : types) {
        if (cell.contains(type, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool allAtMost(const QStringList &cells, double limit)
{
    for (const QString &cell : cells) {
        bool ok = false;
        const double value = cell.toDouble(&ok);
        if (!ok || value > limit)
            return false;
    }
    return true;
}

}  // namespace

// "Save Defaults", "Load Defaults" and the defaults at start-up, on the real main window.
class TestDefaultsCommands : public QObject {
    Q_OBJECT

private slots:
    void firstStartSavesTheDesignValues();
    void startUpWithoutDefaultsKeepsTheDesignValues();
    void savedSetupComesBack();
    void boxChangeRegeneratesWithTheLinesReadSoFar();
    void loadChangingNoBoxRegeneratesNothing();
    void fileOfFifteenLinesStopsAtTheMissingLine();
    void emptyFileAppliesNothing();
    void messageNamesAFolderOfAnyName();
    void badBoxStateStopsThere_data();
    void badBoxStateStopsThere();
    void unknownModeWordIsShownAsItIs();
    void startUpAppliesDefaultsBeforeTheCatalog();
    void startUpWithBrokenDefaultsLoadsTheDefaultCatalog();
    void saveThatCannotBeWrittenIsReported();
    void anyLineEndIsRead_data();
    void anyLineEndIsRead();

private:
    static QCheckBox *box(Nocturo &window, const char *name)
    {
        return window.findChild<QCheckBox *>(QLatin1String(name));
    }
    static QPushButton *modeButton(Nocturo &window)
    {
        return window.findChild<QPushButton *>(QStringLiteral("Included"));
    }
    // Loads a copy of the shipped catalog under another name, so that CatalogFile differs
    // from the default; returns its path.
    static QString loadCatalogCopy(WindowFixture &fixture, const QString &name);
};

QString TestDefaultsCommands::loadCatalogCopy(WindowFixture &fixture, const QString &name)
{
    const QString path = fixture.folder.filePath(name);
    QFile::copy(fixture.folder.filePath(QStringLiteral("Objects.csv")), path);
    fixture.fakes.files.answer({path});
    fixture.window->LoadObj_Click();
    return path;
}

void TestDefaultsCommands::firstStartSavesTheDesignValues()
{
    WindowFixture fixture;
    fixture.start().saveDef_Click();
    QCOMPARE(fileBytes(fixture.folder.filePath(DefaultsFile)),
             QByteArray("0\r\n0\r\n1\r\n30\r\n0\r\n360\r\n30\r\n1\r\n999\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"
                        "Objects.csv\r\nInclusive\r\n"));
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
}

void TestDefaultsCommands::startUpWithoutDefaultsKeepsTheDesignValues()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const SessionParameters p = window.sessionParameters();
    const QStringList shown{p.Lat,       p.Lon,
                            p.txtSessLen, p.MinElev,
                            p.MinAz,     p.MaxAz,
                            p.MinMag,    p.MinSize,
                            p.MaxSize,   QString::number(p.chkNebula),
                            QString::number(p.chkPlanetary), QString::number(p.chkGalaxy),
                            QString::number(p.chkGlobular), QString::number(p.chkOpen),
                            window.catalogFile(), p.Included};
    QCOMPARE(shown, designValues());
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
    QVERIFY(!QFile::exists(fixture.folder.filePath(DefaultsFile)));  // loading writes nothing
}

void TestDefaultsCommands::savedSetupComesBack()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QString mine = loadCatalogCopy(fixture, QStringLiteral("Mine.csv"));
    QCOMPARE(window.catalogFile(), mine);

    window.setLocationCaptions(QStringLiteral("41.5"), QStringLiteral("-73.25"));
    const char *const fields[] = {"txtSessLen", "MinElev", "MinAz", "MaxAz", "MinMag", "MinSize", "MaxSize"};
    const QStringList saved{"2.5", "15", "90", "270", "11", "3", "120"};
    for (int i = 0; i < 7; ++i)
        fixture.field(fields[i])->setText(saved.at(i));
    box(window, "chkNebula")->setCheckState(Qt::Unchecked);
    box(window, "chkGalaxy")->setCheckState(Qt::PartiallyChecked);
    window.Included_Click();
    window.saveDef_Click();
    QVERIFY(fixture.fakes.messages.shown.isEmpty());

    // Change every saved value, then bring them back.
    window.setLocationCaptions(QStringLiteral("-10"), QStringLiteral("20"));
    for (const char *name : fields)
        fixture.field(name)->setText(QStringLiteral("7"));
    box(window, "chkNebula")->setCheckState(Qt::Checked);
    box(window, "chkGalaxy")->setCheckState(Qt::Unchecked);
    box(window, "chkOpen")->setCheckState(Qt::Unchecked);
    window.Included_Click();
    loadCatalogCopy(fixture, QStringLiteral("Other.csv"));
    QVERIFY(window.catalogFile() != mine);
    const SessionParameters changed = window.sessionParameters();

    window.loadDef_Click();
    const SessionParameters loaded = window.sessionParameters();
    QCOMPARE(loaded.Lat, QStringLiteral("41.5"));
    QCOMPARE(loaded.Lon, QStringLiteral("-73.25"));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(fixture.field(fields[i])->text(), saved.at(i));
    QCOMPARE(loaded.chkNebula, 0);
    QCOMPARE(loaded.chkPlanetary, 1);
    QCOMPARE(loaded.chkGalaxy, 2);
    QCOMPARE(loaded.chkGlobular, 1);
    QCOMPARE(loaded.chkOpen, 1);
    QCOMPARE(loaded.Included, QStringLiteral("Exclusive"));
    QCOMPARE(window.catalogFile(), mine);
    // Date, time and deviation are not part of the file.
    QCOMPARE(loaded.txtDate, changed.txtDate);
    QCOMPARE(loaded.txtTime, changed.txtTime);
    QCOMPARE(loaded.txtGMTDev, changed.txtGMTDev);
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
}

void TestDefaultsCommands::boxChangeRegeneratesWithTheLinesReadSoFar()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QStringList lines = designValues();
    lines[0] = QStringLiteral("40");         // line 1, before the box
    lines[6] = QStringLiteral("8");          // line 7, before the box
    lines[9] = QStringLiteral("0");          // line 10: chkNebula cleared
    lines[11] = QStringLiteral("0");         // line 12: chkGalaxy cleared, after it
    lines[14] = QStringLiteral("Other.csv"); // line 15, after it
    lines[15] = QStringLiteral("Exclusive"); // line 16, after it
    writeDefaults(lines);

    struct Moment {
        SessionParameters inputs;
        int generations;
        QString catalogFile;
        QStringList types;
        QStringList magnitudes;
    };
    QList<Moment> moments;
    // Connected after the window's own handler, so it sees the list that handler made.
    connect(box(window, "chkNebula"), &QCheckBox::stateChanged, this, [&] {
        moments.append({window.sessionParameters(), window.listGenerations(), window.catalogFile(),
                        fixture.column(2), fixture.column(9)});
    });
    const int generationsBefore = window.listGenerations();

    window.loadDef_Click();
    QCOMPARE(moments.size(), 1);
    const Moment &moment = moments.first();
    QCOMPARE(moment.generations, generationsBefore + 1);
    QCOMPARE(moment.inputs.Lat, QStringLiteral("40"));
    QCOMPARE(moment.inputs.MinMag, QStringLiteral("8"));
    QCOMPARE(moment.inputs.chkNebula, 0);
    QCOMPARE(moment.inputs.chkGalaxy, 1);
    QCOMPARE(moment.inputs.Included, QStringLiteral("Inclusive"));
    QCOMPARE(moment.catalogFile, QStringLiteral("Objects.csv"));
    // The list of that moment: magnitude 8 at most, galaxies still in.
    QVERIFY(!moment.magnitudes.isEmpty());
    QVERIFY(allAtMost(moment.magnitudes, 8));
    QVERIFY(listsType(moment.types, QStringLiteral("galaxy")));

    // The galaxy box regenerated once more; the last lines were applied after it.
    QCOMPARE(window.listGenerations(), generationsBefore + 2);
    QCOMPARE(window.sessionParameters().chkGalaxy, 0);
    QCOMPARE(window.sessionParameters().Included, QStringLiteral("Exclusive"));
    QCOMPARE(window.catalogFile(), QStringLiteral("Other.csv"));
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
}

void TestDefaultsCommands::loadChangingNoBoxRegeneratesNothing()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QStringList lines = designValues();
    lines[3] = QStringLiteral("0");          // MinElev
    lines[6] = QStringLiteral("6");          // MinMag
    lines[15] = QStringLiteral("Exclusive");
    writeDefaults(lines);
    const int generationsBefore = window.listGenerations();
    const QStringList listBefore = fixture.column(0);

    window.loadDef_Click();
    QCOMPARE(window.listGenerations(), generationsBefore);
    QCOMPARE(fixture.column(0), listBefore);
    QCOMPARE(fixture.field("MinElev")->text(), QStringLiteral("0"));
    QCOMPARE(fixture.field("MinMag")->text(), QStringLiteral("6"));
    QCOMPARE(modeButton(window)->text(), QStringLiteral("Exclusive"));
}

void TestDefaultsCommands::fileOfFifteenLinesStopsAtTheMissingLine()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    loadCatalogCopy(fixture, QStringLiteral("Mine.csv"));
    window.Included_Click();  // "Exclusive", which the missing line 16 would have changed
    QStringList lines = designValues().mid(0, 15);
    lines[6] = QStringLiteral("9");
    lines[13] = QStringLiteral("0");
    lines[14] = QStringLiteral("Other.csv");
    writeDefaults(lines);

    window.loadDef_Click();
    QCOMPARE(fixture.field("MinMag")->text(), QStringLiteral("9"));
    QCOMPARE(window.sessionParameters().chkOpen, 0);
    QCOMPARE(window.catalogFile(), QStringLiteral("Objects.csv"));
    QCOMPARE(modeButton(window)->text(), QStringLiteral("Exclusive"));
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    const Message &message = fixture.fakes.messages.shown.first();
    QCOMPARE(message.title, QStringLiteral("Nocturo"));
    QVERIFY2(message.text.contains(defaultsPath()), qPrintable(message.text));
    QVERIFY2(message.text.contains(QStringLiteral("line 16")), qPrintable(message.text));
}

void TestDefaultsCommands::emptyFileAppliesNothing()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    loadCatalogCopy(fixture, QStringLiteral("Mine.csv"));
    writeBytes(DefaultsFile, QByteArray());

    window.loadDef_Click();
    QCOMPARE(window.catalogFile(), QStringLiteral("Objects.csv"));
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    const QString text = fixture.fakes.messages.shown.first().text;
    QVERIFY2(text.contains(defaultsPath()), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("line 1 ")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("line 0")), qPrintable(text));
}

void TestDefaultsCommands::messageNamesAFolderOfAnyName()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    // A folder name that looks like the placeholders of a message text.
    const QString folder = fixture.folder.filePath(QStringLiteral("50%2 off %3"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QDir::setCurrent(folder));
    writeDefaults(designValues().mid(0, 12));

    window.loadDef_Click();
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    const QString text = fixture.fakes.messages.shown.first().text;
    QVERIFY2(text.contains(defaultsPath()), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("line 13")), qPrintable(text));
}

void TestDefaultsCommands::badBoxStateStopsThere_data()
{
    QTest::addColumn<QString>("state");

    QTest::newRow("3") << "3";
    QTest::newRow("-1") << "-1";
    QTest::newRow("word") << "abc";
    QTest::newRow("empty") << "";
}

void TestDefaultsCommands::badBoxStateStopsThere()
{
    QFETCH(QString, state);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    loadCatalogCopy(fixture, QStringLiteral("Mine.csv"));
    QStringList lines = designValues();
    lines[6] = QStringLiteral("9");           // line 7: applied
    lines[10] = QStringLiteral("0");          // line 11: applied
    lines[11] = state;                        // line 12: the fault
    lines[12] = QStringLiteral("0");          // line 13: never read
    lines[14] = QStringLiteral("Other.csv");  // line 15: never read
    lines[15] = QStringLiteral("Exclusive");  // line 16: never read
    writeDefaults(lines);

    window.loadDef_Click();
    const SessionParameters p = window.sessionParameters();
    QCOMPARE(p.MinMag, QStringLiteral("9"));
    QCOMPARE(p.chkPlanetary, 0);
    QCOMPARE(p.chkGalaxy, 1);
    QCOMPARE(p.chkGlobular, 1);
    QCOMPARE(p.Included, QStringLiteral("Inclusive"));
    QCOMPARE(window.catalogFile(), QStringLiteral("Objects.csv"));
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    const Message &message = fixture.fakes.messages.shown.first();
    QCOMPARE(message.title, QStringLiteral("Nocturo"));
    QVERIFY2(message.text.contains(defaultsPath()), qPrintable(message.text));
    QVERIFY2(message.text.contains(QStringLiteral("line 12")), qPrintable(message.text));
}

void TestDefaultsCommands::unknownModeWordIsShownAsItIs()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QStringList lines = designValues();
    const auto listedWithMode = [&](const QString &mode) {
        lines[15] = mode;
        writeDefaults(lines);
        window.loadDef_Click();
        window.bGenList_Click();
        return window.resultCount();
    };

    const qint16 inclusive = listedWithMode(QStringLiteral("Inclusive"));
    const qint16 exclusive = listedWithMode(QStringLiteral("Exclusive"));
    const qint16 sideways = listedWithMode(QStringLiteral("sideways"));
    QCOMPARE(modeButton(window)->text(), QStringLiteral("sideways"));
    // The list takes any word but "Inclusive" as exclusive.
    QCOMPARE(sideways, exclusive);
    QVERIFY(inclusive > exclusive);
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
}

void TestDefaultsCommands::startUpAppliesDefaultsBeforeTheCatalog()
{
    WindowFixture fixture;
    // Only "Mine.csv" holds a catalog: loading "Objects.csv" would fail and ask for a file.
    QVERIFY(QFile::rename(fixture.folder.filePath(QStringLiteral("Objects.csv")),
                          fixture.folder.filePath(QStringLiteral("Mine.csv"))));
    QStringList lines = designValues();
    lines[0] = QStringLiteral("40");
    lines[1] = QStringLiteral("-74");
    lines[3] = QStringLiteral("10");
    lines[6] = QStringLiteral("9");
    lines[11] = QStringLiteral("0");  // no galaxies
    lines[14] = QStringLiteral("Mine.csv");
    writeDefaults(lines);

    Nocturo &window = fixture.start();
    QVERIFY(fixture.fakes.files.requests.isEmpty());
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
    QCOMPARE(window.catalogFile(), QStringLiteral("Mine.csv"));
    QCOMPARE(window.catalogCount(), 501);
    QCOMPARE(window.latitudeCaption(), QStringLiteral("40"));
    QCOMPARE(fixture.field("MinElev")->text(), QStringLiteral("10"));
    // "Now", the galaxy box during the load, and the list after the catalog.
    QCOMPARE(window.listGenerations(), 3);
    QVERIFY(window.resultCount() > 0);
    QVERIFY(!listsType(fixture.column(2), QStringLiteral("galaxy")));
    QVERIFY(allAtMost(fixture.column(9), 9));
    // Date, time and deviation come from the clock.
    QCOMPARE(fixture.field("txtDate")->text(), QStringLiteral("3/15/2006"));
    QCOMPARE(fixture.field("txtTime")->text(), QStringLiteral("21:5:7"));
    QCOMPARE(fixture.field("txtGMTDev")->text(), QStringLiteral("-5"));
}

void TestDefaultsCommands::startUpWithBrokenDefaultsLoadsTheDefaultCatalog()
{
    WindowFixture fixture;
    QStringList lines = designValues().mid(0, 15);
    lines[14] = QStringLiteral("Missing.csv");
    writeDefaults(lines);

    Nocturo &window = fixture.start();
    QCOMPARE(window.catalogFile(), QStringLiteral("Objects.csv"));
    QCOMPARE(window.catalogCount(), 501);
    QVERIFY(fixture.fakes.files.requests.isEmpty());
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    QVERIFY(fixture.fakes.messages.shown.first().text.contains(QStringLiteral("line 16")));
}

void TestDefaultsCommands::saveThatCannotBeWrittenIsReported()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QVERIFY(QDir(fixture.folder.path()).mkdir(DefaultsFile));

    window.saveDef_Click();
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    const Message &message = fixture.fakes.messages.shown.first();
    QCOMPARE(message.title, QStringLiteral("Nocturo"));
    QVERIFY2(message.text.contains(defaultsPath()), qPrintable(message.text));
    QVERIFY(QFileInfo(fixture.folder.filePath(DefaultsFile)).isDir());
    QCOMPARE(window.sessionParameters().MinElev, QStringLiteral("30"));  // the window carries on
}

void TestDefaultsCommands::anyLineEndIsRead_data()
{
    QTest::addColumn<QString>("lineEnd");
    QTest::addColumn<bool>("lastLineEnded");

    QTest::newRow("CR LF") << "\r\n" << true;
    QTest::newRow("LF only") << "\n" << true;
    QTest::newRow("lone CR") << "\r" << true;
    QTest::newRow("last line unended") << "\r\n" << false;
}

void TestDefaultsCommands::anyLineEndIsRead()
{
    QFETCH(QString, lineEnd);
    QFETCH(bool, lastLineEnded);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QStringList lines = designValues();
    lines[0] = QStringLiteral("52.5");
    lines[3] = QStringLiteral("20");
    lines[13] = QStringLiteral("2");
    lines[14] = QStringLiteral("Mine.csv");
    lines[15] = QStringLiteral("Exclusive");
    writeBytes(DefaultsFile, (lines.join(lineEnd) + (lastLineEnded ? lineEnd : QString())).toUtf8());

    window.loadDef_Click();
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
    QCOMPARE(window.latitudeCaption(), QStringLiteral("52.5"));
    QCOMPARE(fixture.field("MinElev")->text(), QStringLiteral("20"));
    QCOMPARE(window.sessionParameters().chkOpen, 2);
    QCOMPARE(window.catalogFile(), QStringLiteral("Mine.csv"));
    QCOMPARE(modeButton(window)->text(), QStringLiteral("Exclusive"));
}

QTEST_MAIN(TestDefaultsCommands)
#include "test_defaultscommands.moc"
