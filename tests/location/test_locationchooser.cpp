#include "fakeplatform.h"
#include "snapshot.h"
#include "testfiles.h"
#include "ui/grid/flexgrid.h"
#include "ui/location/locationchooser.h"
#include "ui/location/locationowner.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Home = {QStringLiteral("32.2217"), QStringLiteral("-110.9265")};
const QStringList AliceSprings = {QStringLiteral("-23.6980"), QStringLiteral("133.8807")};
const QByteArray Heading = "City,Region,Latitude,Longitude\r\n";
// A blank line and a short one are no cities; blanks around the fields go.
const QByteArray Cities = Heading + "Reykjavik,IS,64.1355,-21.8954\r\n\r\nShort,32.0\r\n"
                          "  Alice Springs , NT ,  -23.6980 , 133.8807  \r\n";

// Stands in for the main window: holds the two location captions and counts regenerations.
struct FakeLocationOwner : LocationOwner {
    QStringList captions = Home;
    int regenerations = 0;

    QString latitudeCaption() const override { return captions[0]; }
    QString longitudeCaption() const override { return captions[1]; }
    void setLocationCaptions(const QString &lat, const QString &lon) override { captions = {lat, lon}; }
    void bGenList_Click() override { ++regenerations; }
};

FlexGrid &grid(QWidget *chooser) { return *chooser->findChild<FlexGrid *>(); }
QLineEdit &field(QWidget *w, int i) { return *w->findChild<QLineEdit *>(i ? "Lon" : "Lat"); }
QStringList fields(QWidget *w) { return {field(w, 0).text(), field(w, 1).text()}; }

// Each city's three cells joined by '|'.
QStringList gridRows(FlexGrid &grid)
{
    QStringList rows;
    for (int r = 1; r < grid.Rows(); ++r)
        rows << grid.TextMatrix(r, 0) + u'|' + grid.TextMatrix(r, 1) + u'|' + grid.TextMatrix(r, 2);
    return rows;
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

    // The picture holds the cities as read and the location in use. The table grows with the
    // window; what stands beside it keeps its distance from the right edge. Down to a city, Enter
    // takes it.
    void layoutAndKeyboard()
    {
        FlexGrid &cities = grid(open());
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

        cities.setFocus();
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter})
            QTest::keyClick(&cities, key);
        QCOMPARE(fields(m_chooser), AliceSprings);
    }

    void noFileIsTold()
    {
        QVERIFY(QFile::remove(m_path));
        QCOMPARE(gridRows(grid(open())), QStringList());
        QVERIFY(m_messages.log().startsWith("Nocturo: There is no file \"cities.csv\""));
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
        }
        for (int i = 0; i < typed.size(); ++i) {
            field(chooser, i).clear();
            QTest::keyClicks(&field(chooser, i), typed[i]);
        }
        if (button.isEmpty())
            chooser->close();
        else
            QTest::mouseClick(chooser->findChild<QPushButton *>(button), Qt::LeftButton);
        QTRY_VERIFY(chooser.isNull());
        QCOMPARE(m_owner.captions, handedOver);
        QCOMPARE(m_owner.regenerations, button == u"Command2" ? 1 : 0);
    }

    // A city clicked before is current; a double click below the last city or on the headings
    // still must not take it.
    void ignoresDoubleClickOffCities()
    {
        FlexGrid &cities = grid(open());
        QTest::mouseClick(cities.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(cities.viewport(), Qt::LeftButton, {},
                           QPoint(5, cities.rowViewportPosition(1) + cities.rowHeight(1) + 5));
        QTest::mouseDClick(cities.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(fields(m_chooser), Home);
    }

    // While the chooser is open the file changes: opening again only brings the same window to
    // the front, keeping what was typed and the cities as first read.
    void openingAgainKeepsTheWindow()
    {
        QPointer<fgetlatlon> chooser = open();
        field(chooser, 0).clear();
        QTest::keyClicks(&field(chooser, 0), QStringLiteral("12.5"));
        writeFile(m_path, Heading + "Bend\t,OR, 44.0582, -121.3153 , x\r\n");
        chooser->showMinimized();
        QCOMPARE(open(), chooser);
        QVERIFY(!chooser->isMinimized());
        QCOMPARE(fields(chooser), QStringList({"12.5", Home[1]}));
        QCOMPARE(gridRows(grid(chooser)).size(), 2);

        QTest::mouseClick(chooser->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(chooser.isNull());
        QCOMPARE(fields(open()), Home);
        // A tab in a name would split its cell; a fifth field stays with the longitude.
        QCOMPARE(gridRows(grid(m_chooser)), QStringList("Bend,OR|44.0582|-121.3153 , x"));
    }
};

QTEST_MAIN(TestLocationChooser)
#include "test_locationchooser.moc"
