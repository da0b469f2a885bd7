#include "fakeplatform.h"
#include "snapshot.h"
#include "testfiles.h"
#include "ui/grid/flexgrid.h"
#include "ui/location/locationchooser.h"
#include "ui/location/locationowner.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Home = {QStringLiteral("32.2217"), QStringLiteral("-110.9265")};
const QStringList AliceSprings = {QStringLiteral("-23.6980"), QStringLiteral("133.8807")};
const QByteArray Heading = "City,Region,Latitude,Longitude\r\n";
const QByteArray Cities = Heading + "Reykjavik,IS,64.1355,-21.8954\r\n\r\nShort,32.0\r\n"
                          "  Alice Springs , NT ,  -23.6980 , 133.8807  \r\n";

// Stands in for the main window: holds the two location captions and counts regenerations.
struct FakeLocationOwner : LocationOwner {
    QString latitude = Home[0], longitude = Home[1];
    int regenerations = 0;

    QString latitudeCaption() const override { return latitude; }
    QString longitudeCaption() const override { return longitude; }
    void setLocationCaptions(const QString &lat, const QString &lon) override
    {
        latitude = lat;
        longitude = lon;
    }
    void bGenList_Click() override { ++regenerations; }
};

FlexGrid &grid(QWidget *chooser) { return *chooser->findChild<FlexGrid *>(); }
QLineEdit &field(QWidget *w, int i) { return *w->findChild<QLineEdit *>(i ? "Lon" : "Lat"); }
QStringList fields(QWidget *w) { return {field(w, 0).text(), field(w, 1).text()}; }

// Each row's three cells joined by '|', the heading row first.
QStringList gridRows(FlexGrid &grid)
{
    QStringList rows;
    for (int r = 0; r < grid.Rows(); ++r)
        rows << grid.TextMatrix(r, 0) + u'|' + grid.TextMatrix(r, 1) + u'|' + grid.TextMatrix(r, 2);
    return rows;
}

// Discarding is deferred to the event loop.
bool isDiscarded(const QPointer<fgetlatlon> &chooser)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return chooser.isNull();
}

}  // namespace

class TestLocationChooser : public QObject {
    Q_OBJECT

    fgetlatlon *open()
    {
        showLocationChooser(m_chooser, m_owner, m_messages, m_mainWindow.get(), m_path);
        if (!QTest::qWaitForWindowExposed(m_chooser))
            qWarning("the chooser was not exposed");
        return m_chooser;
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(QStringLiteral("cities.csv"));
    FakeLocationOwner m_owner;
    RecordingMessages m_messages;
    std::unique_ptr<QWidget> m_mainWindow;  // the chooser's parent: it takes the chooser along
    QPointer<fgetlatlon> m_chooser;

private slots:
    void init()
    {
        writeFile(m_path, Cities);
        m_owner = FakeLocationOwner();
        m_messages = RecordingMessages();
        m_mainWindow = std::make_unique<QWidget>();
        m_mainWindow->show();
    }

    void showsCities_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: no file
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        const QStringList two = {"Reykjavik,IS|64.1355|-21.8954", "Alice Springs,NT|-23.6980|133.8807"};
        QTest::newRow("CR LF") << Cities << two << "";
        QTest::newRow("LF") << QByteArray(Cities).replace("\r", "") << two << "";
        QTest::newRow("heading only") << Heading << QStringList() << "";
        QTest::newRow("five fields, tab in a name") << Heading + "Bend\t,OR, 44.0582, -121.3153 , x\r\n"
                                                    << QStringList{"Bend,OR|44.0582|-121.3153 , x"} << "";
        QTest::newRow("no file") << QByteArray() << QStringList() << "There is no file \"cities.csv\"";
    }

    void showsCities()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        bytes.isNull() ? void(QFile::remove(m_path)) : void(writeFile(m_path, bytes));
        FlexGrid &cities = grid(open());
        const QStringList shown = gridRows(cities);
        QCOMPARE(shown.first().simplified(), QStringLiteral("City |Lat |Lon"));
        QCOMPARE(shown.mid(1), rows);
        QCOMPARE(fields(m_chooser), Home);
        QCOMPARE(m_messages.log().isEmpty(), message.isEmpty());
        QVERIFY(m_messages.log().contains(message));
        // The table grows with the window; what stands beside it keeps clear of it and keeps its
        // distance from the right edge.
        QList<QWidget *> beside = m_chooser->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QVERIFY(beside.removeOne(&cities) && beside.size() == 7);
        QList<QPoint> designed;
        for (const QWidget *control : beside)
            designed << control->pos();
        const int tableWidth = cities.width();
        m_chooser->resize(m_chooser->width() + 100, m_chooser->height() + 50);
        QCOMPARE(cities.width(), tableWidth + 100);
        for (qsizetype i = 0; i < beside.size(); ++i) {
            QCOMPARE(beside[i]->pos(), designed[i] + QPoint(100, 0));
            QVERIFY(!beside[i]->geometry().intersects(cities.geometry()));
        }
    }

    void handsOverOnUpdateOnly_data()
    {
        QTest::addColumn<QStringList>("typed");  // empty: Alice Springs is double-clicked
        QTest::addColumn<QString>("button");     // empty: closed by the frame
        QTest::addColumn<QStringList>("handedOver");
        const QStringList odd = {" 51.5 ", "x,y"};
        QTest::newRow("city, Cancel") << QStringList() << "Command1" << Home;
        QTest::newRow("city, closed") << QStringList() << "" << Home;
        QTest::newRow("city, Update") << QStringList() << "Command2" << AliceSprings;
        QTest::newRow("typed, Update") << odd << "Command2" << odd;
    }

    void handsOverOnUpdateOnly()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, button);
        QFETCH(QStringList, handedOver);
        const QPointer<fgetlatlon> chooser = open();
        if (typed.isEmpty()) {
            FlexGrid &cities = grid(chooser);
            QTest::mouseDClick(cities.viewport(), Qt::LeftButton, {},
                               QPoint(5, cities.rowViewportPosition(1) + cities.rowHeight(1) / 2));
            QCOMPARE(fields(chooser), AliceSprings);
        }
        for (int i = 0; i < typed.size(); ++i) {
            field(chooser, i).clear();
            QTest::keyClicks(&field(chooser, i), typed[i]);
        }
        if (button.isEmpty())
            chooser->close();
        else
            QTest::mouseClick(chooser->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(isDiscarded(chooser));
        QCOMPARE(QStringList({m_owner.latitude, m_owner.longitude}), handedOver);
        QCOMPARE(m_owner.regenerations, button == u"Command2" ? 1 : 0);
    }

    // The keyboard's way: down to a city, Enter takes it.
    void enterTakesTheCity()
    {
        FlexGrid &cities = grid(open());
        QVERIFY(matchesSnapshot(*m_chooser, QStringLiteral("location-chooser")));
        cities.setFocus();
        QTest::keyClick(&cities, Qt::Key_Down);
        QTest::keyClick(&cities, Qt::Key_Down);
        QTest::keyClick(&cities, Qt::Key_Enter);
        QCOMPARE(fields(m_chooser), AliceSprings);
    }

    void ignoresDoubleClickOffCities_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("heading") << "heading";
        QTest::newRow("below the last city") << "below";
    }

    // A city clicked before is current; a double click elsewhere still must not take it.
    void ignoresDoubleClickOffCities()
    {
        QFETCH(QString, place);
        FlexGrid &cities = grid(open());
        QTest::mouseClick(cities.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QWidget *target = place == u"heading" ? cities.horizontalHeader()->viewport() : cities.viewport();
        const QPoint point = place == u"heading" ? QPoint(5, target->height() / 2)
                                                 : QPoint(5, cities.rowViewportPosition(1) + cities.rowHeight(1) + 5);
        QTest::mouseDClick(target, Qt::LeftButton, {}, point);
        QCOMPARE(fields(m_chooser), Home);
    }

    // While the chooser is open the file changes: opening again only brings the same window to
    // the front, keeping what was typed and the cities as first read.
    void openingAgainKeepsTheWindow()
    {
        QPointer<fgetlatlon> chooser = open();
        field(chooser, 0).clear();
        QTest::keyClicks(&field(chooser, 0), QStringLiteral("12.5"));
        writeFile(m_path, Heading + "Windhoek,NA,-22.5594,17.0832\r\n");
        chooser->showMinimized();
        QCOMPARE(open(), chooser);
        QVERIFY(!chooser->isMinimized());
        QCOMPARE(fields(chooser), QStringList({"12.5", Home[1]}));
        QCOMPARE(gridRows(grid(chooser)).size(), 3);

        QTest::mouseClick(chooser->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QVERIFY(isDiscarded(chooser));
        QCOMPARE(fields(open()), Home);
        QCOMPARE(gridRows(grid(m_chooser)).mid(1), QStringList("Windhoek,NA|-22.5594|17.0832"));
    }
};

QTEST_MAIN(TestLocationChooser)
#include "test_locationchooser.moc"
