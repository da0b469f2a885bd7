#include "fakeplatform.h"
#include "snapshot.h"
#include "testfiles.h"
#include "ui/location/locationchooser.h"
#include "ui/location/locationowner.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

namespace {

const QStringList Home = {"32.2217", "-110.9265"};
const QStringList AliceSprings = {"-23.6980", "133.8807"};
const QByteArray CityLines = "City,Region,Latitude,Longitude\r\nReykjavik,IS,64.1355,-21.8954\r\nAlice Springs,NT,-23.6980,133.8807\r\n";
const QStringList ShownCities = {"Reykjavik,IS|64.1355|-21.8954", "Alice Springs,NT|-23.6980|133.8807"};

// The chooser over a stand-in main window, which holds the location captions and notes each
// regeneration after them; on a cities file of these bytes.
struct Opened : LocationOwner {
    QTemporaryDir dir;
    QString citiesPath;
    QStringList captions = Home;
    RecordingMessages messages;
    QWidget mainWindow;  // the chooser's parent: it takes the chooser along
    QPointer<LocationChooser> chooser;

    explicit Opened(const QByteArray &file = CityLines, const char *name = "cities.csv") : citiesPath(dir.filePath(name))
    {
        mainWindow.setGeometry(150, 100, 900, 600);
        writeFile(dir.filePath("cities.csv"), file);
        open();
    }
    void open()
    {
        showLocationChooser(chooser, *this, messages, &mainWindow, citiesPath);
        QVERIFY(QTest::qWaitForWindowActive(chooser));
    }

    QString latitudeCaption() const override { return captions[0]; }
    QString longitudeCaption() const override { return captions[1]; }
    void setLocationCaptions(const QString &lat, const QString &lon) override { captions = {lat, lon}; }
    QStringList zones;  // each zone handed over
    void setTimeZone(const QString &zone) override { zones << zone; }
    void generateList() override { captions << QStringLiteral("list regenerated"); }

    QTableView &table() const { return *chooser->findChild<QTableView *>(); }
    QLineEdit &field(const char *name) const { return *chooser->findChild<QLineEdit *>(name); }
    // A click on a row, below the last one too, or on the headings (row -1); or what a real double
    // click delivers: press, release, double click, release.
    void click(int row, bool twice = false) const
    {
        QWidget *on = row < 0 ? table().horizontalHeader()->viewport() : table().viewport();
        const QPoint pos(5, row < 0 ? 5 : table().rowHeight(0) * row + table().rowHeight(0) / 2);
        QTest::mouseClick(on, Qt::LeftButton, {}, pos);
        if (twice) {
            QTest::mouseDClick(on, Qt::LeftButton, {}, pos);
            QTest::mouseRelease(on, Qt::LeftButton, {}, pos);
        }
    }
    // The two fields, then the cities as the table shows them, each row's cells joined by '|'.
    QStringList shown() const
    {
        QStringList shown{field("latitudeField").text(), field("longitudeField").text()};
        for (int row = 0; row < table().model()->rowCount(); ++row)
            shown << QStringList{cell(row, 0), cell(row, 1), cell(row, 2)}.join(u'|');
        return shown;
    }
    QString cell(int row, int col) const { return table().model()->index(row, col).data().toString(); }
};

}  // namespace

class TestLocationChooser : public QObject {
    Q_OBJECT

private slots:
    // The picture holds the cities as read and the location in use. The table grows with the
    // window; what stands beside it keeps its distance from the right edge.
    void layout()
    {
        Opened opened;
        QVERIFY(matchesSnapshot(*opened.chooser, QStringLiteral("location-chooser")));
        const QList<QWidget *> controls = opened.chooser->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QList<QRect> grown;
        for (const QWidget *c : controls)
            grown << (c == &opened.table() ? c->geometry().adjusted(0, 0, 100, 50) : c->geometry().translated(100, 0));
        opened.chooser->resize(opened.chooser->size() + QSize(100, 50));
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->geometry(), grown[i]);
    }

    // The chooser opens centred on the main window and wide enough for every column of the shipped
    // cities beside the scroll bar; a name of 100,000 letters takes a third of the screen at most.
    void opensCentredShowingEveryColumn()
    {
        const QByteArray shipped = fileBytes(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/cities.csv");
        for (const QByteArray &file : {shipped, shipped + QByteArray(100000, 'W') + ",XX,1.0,2.0\r\n"}) {
            const Opened opened(file);
            QVERIFY(opened.table().model()->rowCount() > 1000 && opened.table().verticalScrollBar()->isVisible());
            const QPoint offCentre = opened.chooser->geometry().center() - opened.mainWindow.geometry().center();
            QVERIFY2(offCentre.manhattanLength() <= 4, "more than its window frame");  // placed before the frame is known
            QVERIFY(opened.table().horizontalHeader()->length() <= opened.table().viewport()->width());
            QVERIFY(opened.table().columnWidth(0) <= opened.chooser->screen()->availableGeometry().width() / 3);
        }
    }

    // A name far down a long file widens its column as much as at the top.
    void columnFitsEveryCity()
    {
        const QByteArray longName = QByteArray(60, 'W') + ",XX,1.0,2.0\r\n", manyCities = CityLines.repeated(600);
        const int widthAtTop = Opened("City\r\n" + longName + manyCities).table().columnWidth(0);
        const Opened atBottom(manyCities + longName);
        QCOMPARE(atBottom.table().columnWidth(0), widthAtTop);
        QVERIFY(widthAtTop > atBottom.table().horizontalHeader()->sectionSizeHint(0));
    }

    // Lines with fewer than three commas are no city, blanks and tabs go, a fourth comma stays in
    // the longitude, any line end ends a line. A file that cannot be read is told of.
    void citiesAsRead()
    {
        const QByteArray lines = "City\r\nShort,32.0\r\nTwo,commas,5\r\n\r\n  Alice Springs , NT ,  -23.6980 , 133.8807  \r\n"
                                 "Bend,OR, 44.0582, -121.3153 , x\nBend\t,OR,44.0582\t,-121.3153\r\nA,B,1,2\rC,D,3,4\r\n,,,";
        const std::tuple<const char *, QStringList, QString> cases[] = {  // file, rows shown, message
            {"cities.csv", {"Alice Springs,NT|-23.6980|133.8807", "Bend,OR|44.0582|-121.3153 , x",
                            "Bend,OR|44.0582|-121.3153", "A,B|1|2", "C,D|3|4", ",||"}, ""},
            {"missing.csv", {}, "Nocturo (warning): There is no file \"missing.csv\""},
            {".", {}, "is not a file that can be read"}};
        for (const auto &[file, rows, told] : cases) {
            const Opened opened(lines, file);
            QCOMPARE(opened.shown(), Home + rows);
            const QString log = opened.messages.log();
            QVERIFY2(opened.messages.shown.size() == int(!told.isEmpty()) && log.contains(told), qPrintable(log));
        }
    }

    // Double click and Enter take the current city into the fields only, never sorting the
    // cities. While the chooser is open, the command brings the same window back, keeping the
    // fields and the cities as first read. Only Update hands the fields over and regenerates the
    // list; Cancel, like closing by the frame, hands nothing over. A new chooser reads anew.
    void takesACityAndHandsItOver()
    {
        const std::tuple<void (*)(Opened &), const char *, QStringList> cases[] = {  // the gesture, closed by, fields
            {[](Opened &o) { o.click(0); o.click(1, true); }, "updateButton", AliceSprings},
            {[](Opened &o) {  // one Tab leaves the table, one Shift+Tab comes back to the row that was current
                 o.click(0);
                 QTest::keyClick(&o.table(), Qt::Key_Down);
                 QTest::keyClick(&o.table(), Qt::Key_Tab);
                 QVERIFY(o.field("latitudeField").hasFocus());
                 QTest::keyClick(&o.field("latitudeField"), Qt::Key_Backtab);
                 QTest::keyClick(o.chooser->windowHandle(), Qt::Key_Return);  // to the control with the focus
             }, "cancelButton", AliceSprings},
            // Double clicks below the last city and on the headings.
            {[](Opened &o) { o.click(1); o.click(2, true); o.click(-1, true); }, "updateButton", Home},
            {[](Opened &o) { o.field("latitudeField").setText(" 51.5 "); o.field("longitudeField").setText("x,y"); },
             "updateButton", {" 51.5 ", "x,y"}}};
        for (const auto &[gesture, closedBy, inFields] : cases) {
            Opened opened;
            gesture(opened);
            writeFile(opened.citiesPath, "City\r\nBend,OR,44.0582,-121.3153\r\n");
            opened.chooser->showMinimized();
            opened.open();
            QVERIFY(!opened.chooser->isMinimized());  // the same window: a new one would show Bend
            QCOMPARE(opened.shown() + opened.captions, inFields + ShownCities + Home);
            QTest::mouseClick(opened.chooser->findChild<QWidget *>(closedBy), Qt::LeftButton);
            QTRY_VERIFY(opened.chooser.isNull());
            const bool updated = closedBy == QLatin1String("updateButton");
            QCOMPARE(opened.captions, updated ? inFields + QStringList("list regenerated") : Home);
            opened.open();  // its fields show the captions
            QCOMPARE(opened.shown(), (updated ? inFields : Home) + QStringList("Bend,OR|44.0582|-121.3153"));
        }
    }

    // Update hands a chosen city's time zone over with its place, the empty zone of a city the
    // file gives none; a coordinate typed afterwards makes the place the observer's, zone and all.
    void handsTheCitysZoneOver()
    {
        const QByteArray zoned = "City,Region,Latitude,Longitude,TimeZone\r\nReykjavik,IS,64.1355,-21.8954,Atlantic/Reykjavik\r\n"
                                 "Alice Springs,NT,-23.6980,133.8807\r\n";
        const std::pair<void (*)(Opened &), QStringList> cases[] = {
            {[](Opened &o) { o.click(0, true); }, {"Atlantic/Reykjavik"}},
            {[](Opened &o) { o.click(1, true); }, {""}},
            {[](Opened &o) { o.click(0, true); QTest::keyClicks(&o.field("latitudeField"), "5"); }, {}}};
        for (const auto &[gesture, zones] : cases) {
            Opened opened(zoned);
            gesture(opened);
            QTest::mouseClick(opened.chooser->findChild<QWidget *>("updateButton"), Qt::LeftButton);
            QCOMPARE(opened.zones, zones);
        }
    }
};

QTEST_MAIN(TestLocationChooser)
#include "test_locationchooser.moc"
