#include "fakeplatform.h"
#include "snapshot.h"
#include "testfiles.h"
#include "ui/location/locationchooser.h"
#include "ui/location/locationowner.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

const QStringList Home = {QStringLiteral("32.2217"), QStringLiteral("-110.9265")};
const QStringList AliceSprings = {QStringLiteral("-23.6980"), QStringLiteral("133.8807")};
const QByteArray Heading = "City,Region,Latitude,Longitude\r\n";
const QByteArray CityLines = "Reykjavik,IS,64.1355,-21.8954\r\nAlice Springs,NT,-23.6980,133.8807\r\n";
// The cities as the table shows them, each row's cells joined by '|'.
const QStringList ShownCities = {"Reykjavik,IS|64.1355|-21.8954", "Alice Springs,NT|-23.6980|133.8807"};

// Stands in for the main window: holds the two location captions and counts regenerations.
struct FakeLocationOwner : LocationOwner {
    QStringList captions = Home;
    int regenerations = 0;

    QString latitudeCaption() const override { return captions[0]; }
    QString longitudeCaption() const override { return captions[1]; }
    void setLocationCaptions(const QString &lat, const QString &lon) override { captions = {lat, lon}; }
    void generateList() override { ++regenerations; }
};

QTableView &table(QWidget *chooser) { return *chooser->findChild<QTableView *>(QStringLiteral("cityTable")); }
QLineEdit &field(QWidget *chooser, const char *name) { return *chooser->findChild<QLineEdit *>(name); }
QStringList fields(QWidget *chooser)
{
    return {field(chooser, "latitudeField").text(), field(chooser, "longitudeField").text()};
}
QPushButton *button(QWidget *chooser, const char *name) { return chooser->findChild<QPushButton *>(name); }

QStringList shownRows(const QTableView &table)
{
    const QAbstractItemModel &model = *table.model();
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < model.columnCount(); ++col)
            cells << model.index(row, col).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

QPoint inRow(const QTableView &table, int row)
{
    return {5, table.rowViewportPosition(row) + table.rowHeight(row) / 2};
}

// What a real double click delivers: press, release, double click, release.
void doubleClick(QWidget *widget, QPoint pos)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// What the observer does to the table, from a chooser just opened.
using Gesture = std::function<void(QTableView &)>;

}  // namespace

Q_DECLARE_METATYPE(Gesture)

class TestLocationChooser : public QObject {
    Q_OBJECT

    LocationChooser *open() { return open(m_path); }
    LocationChooser *open(const QString &citiesPath)
    {
        showLocationChooser(m_chooser, m_owner, m_messages, m_mainWindow.get(), citiesPath);
        if (!QTest::qWaitForWindowExposed(m_chooser))
            qWarning("the chooser was not exposed");
        return m_chooser;
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(QStringLiteral("cities.csv"));
    FakeLocationOwner m_owner;
    RecordingMessages m_messages;
    std::unique_ptr<QWidget> m_mainWindow;  // the chooser's parent: it takes the chooser along
    QPointer<LocationChooser> m_chooser;

private slots:
    void init()
    {
        writeFile(m_path, Heading + CityLines);
        m_owner = FakeLocationOwner();
        m_messages = RecordingMessages();
        m_mainWindow = std::make_unique<QWidget>();
        m_mainWindow->show();
    }

    // The picture holds the cities as read and the location in use. The table grows with the
    // window; what stands beside it keeps its distance from the right edge.
    void layout()
    {
        QTableView &cities = table(open());
        QVERIFY(matchesSnapshot(*m_chooser, QStringLiteral("location-chooser")));
        const QList<QWidget *> controls = m_chooser->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QList<QPoint> designed;
        for (const QWidget *control : controls)
            designed << control->pos();
        const QSize tableSize = cities.size();
        m_chooser->resize(m_chooser->size() + QSize(100, 50));
        QCOMPARE(cities.size(), tableSize + QSize(100, 50));
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->pos(), designed[i] + QPoint(controls[i] == &cities ? 0 : 100, 0));
    }

    // A name far down a long file widens its column as much as at the top.
    void columnFitsEveryCity()
    {
        const QByteArray longName = QByteArray(60, 'W') + ",XX,1.0,2.0\r\n";
        const QByteArray manyCities = CityLines.repeated(600);
        writeFile(m_path, Heading + longName + manyCities);
        const int widthAtTop = table(open()).columnWidth(0);
        m_chooser->close();
        QTRY_VERIFY(m_chooser.isNull());
        writeFile(m_path, Heading + manyCities + longName);
        QCOMPARE(table(open()).columnWidth(0), widthAtTop);
        QVERIFY(widthAtTop > table(m_chooser).horizontalHeader()->sectionSizeHint(0));
    }

    void oddLines_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("heading only") << QByteArray() << QStringList();
        QTest::newRow("no city") << QByteArray("\r\nShort,32.0\r\nTwo,commas,5\r\n") << QStringList();
        QTest::newRow("blanks go") << QByteArray("  Alice Springs , NT ,  -23.6980 , 133.8807  \r\n")
                                   << QStringList("Alice Springs,NT|-23.6980|133.8807");
        QTest::newRow("fifth field") << QByteArray("Bend,OR, 44.0582, -121.3153 , x\r\n")
                                     << QStringList("Bend,OR|44.0582|-121.3153 , x");
        QTest::newRow("tab as blank") << QByteArray("Bend\t,OR,44.0582\t,-121.3153\r\n")
                                      << QStringList("Bend,OR|44.0582|-121.3153");
        QTest::newRow("lone CR") << QByteArray("A,B,1,2\rC,D,3,4") << QStringList({"A,B|1|2", "C,D|3|4"});
        QTest::newRow("empty fields") << QByteArray(",,,") << QStringList(",||");
    }

    void oddLines()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, shown);
        writeFile(m_path, Heading + lines);
        QCOMPARE(shownRows(table(open())), shown);
        QCOMPARE(fields(m_chooser), Home);
        QCOMPARE(m_messages.log(), QString());
    }

    void unreadableFileIsTold_data()
    {
        QTest::addColumn<QString>("name");  // in the test's folder
        QTest::addColumn<QString>("told");
        QTest::newRow("missing") << "missing.csv" << "There is no file \"missing.csv\"";
        QTest::newRow("folder") << "." << "is not a file that can be read";
    }

    void unreadableFileIsTold()
    {
        QFETCH(QString, name);
        QFETCH(QString, told);
        QCOMPARE(shownRows(table(open(m_dir.filePath(name)))), QStringList());
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].title, QStringLiteral("Nocturo"));
        QVERIFY2(m_messages.shown[0].text.contains(told), qPrintable(m_messages.log()));
        QCOMPARE(fields(m_chooser), Home);
    }

    void takesTheCurrentCity_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<QStringList>("taken");
        QTest::newRow("double click") << Gesture([](QTableView &t) {
            QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, inRow(t, 0));
            doubleClick(t.viewport(), inRow(t, 1));
        }) << AliceSprings;
        QTest::newRow("Enter") << Gesture([](QTableView &t) {
            QTest::keyClick(&t, Qt::Key_Down);
            QTest::keyClick(&t, Qt::Key_Enter);
        }) << AliceSprings;
        // One Tab leaves the table, one Shift+Tab comes back to the row that was current.
        QTest::newRow("Tab away and back, Return") << Gesture([](QTableView &t) {
            QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, inRow(t, 1));
            QTest::keyClick(&t, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), &field(t.window(), "latitudeField"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), &t);
            QTest::keyClick(&t, Qt::Key_Return);
        }) << AliceSprings;
        QTest::newRow("double clicks off the cities") << Gesture([](QTableView &t) {
            QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, inRow(t, 1));
            doubleClick(t.viewport(), inRow(t, 1) + QPoint(0, t.rowHeight(1)));
            doubleClick(t.horizontalHeader()->viewport(), QPoint(5, 5));
        }) << Home;
    }

    // Only the city under the current row is taken, and only into the fields; the cities keep the
    // file's order.
    void takesTheCurrentCity()
    {
        QFETCH(Gesture, gesture);
        QFETCH(QStringList, taken);
        QTableView &cities = table(open());
        m_chooser->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_chooser));
        gesture(cities);
        QCOMPARE(fields(m_chooser), taken);
        QCOMPARE(shownRows(cities), ShownCities);
        QCOMPARE(m_owner.captions, Home);
    }

    void handsOverOnUpdateOnly_data()
    {
        QTest::addColumn<QStringList>("typed");  // empty: Alice Springs is double-clicked
        QTest::addColumn<QString>("closedBy");   // a button; empty: the frame
        QTest::addColumn<QStringList>("handedOver");
        const QStringList odd = {" 51.5 ", "x,y"};
        QTest::newRow("city, Cancel") << QStringList() << "cancelButton" << Home;
        QTest::newRow("city, closed") << QStringList() << "" << Home;
        QTest::newRow("city, Update") << QStringList() << "updateButton" << AliceSprings;
        QTest::newRow("typed, Update") << odd << "updateButton" << odd;
    }

    void handsOverOnUpdateOnly()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, closedBy);
        QFETCH(QStringList, handedOver);
        const QPointer<LocationChooser> chooser = open();
        if (typed.isEmpty())
            doubleClick(table(chooser).viewport(), inRow(table(chooser), 1));
        for (int i = 0; i < typed.size(); ++i) {
            QLineEdit &typedInto = field(chooser, i ? "longitudeField" : "latitudeField");
            typedInto.clear();
            QTest::keyClicks(&typedInto, typed[i]);
        }
        if (closedBy.isEmpty())
            chooser->close();
        else
            QTest::mouseClick(button(chooser, qPrintable(closedBy)), Qt::LeftButton);
        QTRY_VERIFY(chooser.isNull());
        QCOMPARE(m_owner.captions, handedOver);
        QCOMPARE(m_owner.regenerations, closedBy == u"updateButton" ? 1 : 0);
    }

    // While the chooser is open the file changes: opening again only brings the same window to
    // the front, keeping what was typed and the cities as first read. A new window reads anew.
    void openingAgainKeepsTheWindow()
    {
        QPointer<LocationChooser> chooser = open();
        field(chooser, "latitudeField").clear();
        QTest::keyClicks(&field(chooser, "latitudeField"), QStringLiteral("12.5"));
        writeFile(m_path, Heading + "Bend,OR,44.0582,-121.3153\r\n");
        chooser->showMinimized();
        QCOMPARE(open(), chooser);
        QVERIFY(!chooser->isMinimized());
        QCOMPARE(fields(chooser), QStringList({"12.5", Home[1]}));
        QCOMPARE(shownRows(table(chooser)), ShownCities);

        QTest::mouseClick(button(chooser, "cancelButton"), Qt::LeftButton);
        QTRY_VERIFY(chooser.isNull());
        QCOMPARE(fields(open()), Home);
        QCOMPARE(shownRows(table(m_chooser)), QStringList("Bend,OR|44.0582|-121.3153"));
    }
};

QTEST_MAIN(TestLocationChooser)
#include "test_locationchooser.moc"
