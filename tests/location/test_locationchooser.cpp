#include "fakelocationowner.h"
#include "ui/grid/flexgrid.h"
#include "ui/location/fgetlatlon.h"
#include "ui/location/locationchooser.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString HomeLatitude = QStringLiteral("32.2217");
const QString HomeLongitude = QStringLiteral("-110.9265");

const QStringList ThreeCities = {
    QStringLiteral("City,Region,Latitude,Longitude"),
    QStringLiteral("Reykjavik,IS,64.1355,-21.8954"),
    QStringLiteral("  Alice Springs , NT ,  -23.6980 , 133.8807  "),
    QStringLiteral("Punta Arenas,CL,-53.1638,-70.9171"),
};

const QStringList TwoOtherCities = {
    QStringLiteral("City,Region,Latitude,Longitude"),
    QStringLiteral("Windhoek,NA,-22.5594,17.0832"),
    QStringLiteral("La Palma,ES,28.6835,-17.7642"),
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void writeCities(const QString &path, const QStringList &lines)
{
    writeFile(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

FlexGrid &cityGrid(fgetlatlon &chooser)
{
    return *chooser.findChild<FlexGrid *>(QStringLiteral("gCities"));
}

QLineEdit &field(fgetlatlon &chooser, const QString &name)
{
    return *chooser.findChild<QLineEdit *>(name);
}

QPushButton &button(fgetlatlon &chooser, const QString &name)
{
    return *chooser.findChild<QPushButton *>(name);
}

QPoint pointInRow(FlexGrid &grid, int gridRow)
{
    const int viewRow = gridRow - 1;
    return {grid.columnViewportPosition(0) + 5,
            grid.rowViewportPosition(viewRow) + grid.rowHeight(viewRow) / 2};
}

void clickRow(FlexGrid &grid, int gridRow)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, pointInRow(grid, gridRow));
}

void doubleClickRow(FlexGrid &grid, int gridRow)
{
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, pointInRow(grid, gridRow));
}

void doubleClickHeading(FlexGrid &grid)
{
    QWidget *headings = grid.horizontalHeader()->viewport();
    QTest::mouseDClick(headings, Qt::LeftButton, {}, QPoint(5, headings->height() / 2));
}

void doubleClickBelowLastRow(FlexGrid &grid)
{
    const int lastViewRow = grid.Rows() - 2;
    const int belowY = lastViewRow < 0
                           ? 5
                           : grid.rowViewportPosition(lastViewRow) + grid.rowHeight(lastViewRow) + 5;
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(5, belowY));
}

// A small font narrows the columns, so that the grid shows blank room right of them.
void doubleClickRightOfColumns(FlexGrid &grid, int gridRow)
{
    QFont tiny = grid.font();
    tiny.setPixelSize(4);
    grid.setFont(tiny);
    const int lastCol = grid.Cols() - 1;
    const int columnsEndPx = grid.columnViewportPosition(lastCol) + grid.columnWidth(lastCol);
    QVERIFY2(columnsEndPx + 5 < grid.viewport()->width(), "no room right of the columns");
    const int viewRow = gridRow - 1;
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                       QPoint(columnsEndPx + 5,
                              grid.rowViewportPosition(viewRow) + grid.rowHeight(viewRow) / 2));
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

private slots:
    void init();
    void cleanup();

    void showsCitiesInFileOrder();
    void showsEmptyTable_data();
    void showsEmptyTable();
    void discardsWithoutChange_data();
    void discardsWithoutChange();
    void updateHandsOverDoubleClickedCity();
    void updateHandsOverTypedText_data();
    void updateHandsOverTypedText();
    void ignoresDoubleClickOffCities_data();
    void ignoresDoubleClickOffCities();
    void openingAgainBringsSameWindowToFront();

private:
    QPointer<fgetlatlon> openChooser();

    QTemporaryDir m_dir;
    QString m_citiesPath;
    FakeLocationOwner *m_owner = nullptr;
    QWidget *m_mainWindow = nullptr;
    QPointer<fgetlatlon> m_chooser;
};

void TestLocationChooser::init()
{
    m_citiesPath = m_dir.filePath(QStringLiteral("cities.csv"));
    writeCities(m_citiesPath, ThreeCities);
    m_owner = new FakeLocationOwner(HomeLatitude, HomeLongitude);
    m_mainWindow = new QWidget;
    m_mainWindow->show();
}

// The chooser is the main window's child window and goes with it.
void TestLocationChooser::cleanup()
{
    delete m_mainWindow;
    delete m_owner;
    QFile::remove(m_citiesPath);
}

QPointer<fgetlatlon> TestLocationChooser::openChooser()
{
    showLocationChooser(m_chooser, *m_owner, m_mainWindow, m_citiesPath);
    if (!QTest::qWaitForWindowExposed(m_chooser))
        qWarning("the chooser was not exposed");
    return m_chooser;
}

void TestLocationChooser::showsCitiesInFileOrder()
{
    const QPointer<fgetlatlon> chooser = openChooser();
    FlexGrid &grid = cityGrid(*chooser);

    QCOMPARE(field(*chooser, QStringLiteral("Lat")).text(), HomeLatitude);
    QCOMPARE(field(*chooser, QStringLiteral("Lon")).text(), HomeLongitude);
    QCOMPARE(grid.Rows(), 4);
    const QList<QStringList> expectedCells = {
        {QStringLiteral("Reykjavik,IS"), QStringLiteral("64.1355"), QStringLiteral("-21.8954")},
        {QStringLiteral("Alice Springs,NT"), QStringLiteral("-23.6980"),
         QStringLiteral("133.8807")},
        {QStringLiteral("Punta Arenas,CL"), QStringLiteral("-53.1638"),
         QStringLiteral("-70.9171")},
    };
    for (int row = 1; row <= 3; ++row) {
        for (int col = 0; col < 3; ++col)
            QCOMPARE(grid.TextMatrix(row, col), expectedCells[row - 1][col]);
    }
}

void TestLocationChooser::showsEmptyTable_data()
{
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::addColumn<bool>("fileExists");

    QTest::newRow("heading line only") << QByteArray("City,Region,Latitude,Longitude\r\n") << true;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("no file") << QByteArray() << false;
}

// The headings stay, each with the blanks that set its column's width; the fields show the
// location in use, and a double click in the empty table changes nothing.
void TestLocationChooser::showsEmptyTable()
{
    QFETCH(QByteArray, fileBytes);
    QFETCH(bool, fileExists);

    QFile::remove(m_citiesPath);
    if (fileExists)
        writeFile(m_citiesPath, fileBytes);
    const QPointer<fgetlatlon> chooser = openChooser();
    FlexGrid &grid = cityGrid(*chooser);

    QCOMPARE(grid.Rows(), 1);
    QCOMPARE(grid.TextMatrix(0, 0), QStringLiteral("City") + QString(36, u' '));
    QCOMPARE(grid.TextMatrix(0, 1), QStringLiteral("Lat") + QString(8, u' '));
    QCOMPARE(grid.TextMatrix(0, 2), QStringLiteral("Lon") + QString(9, u' '));

    doubleClickBelowLastRow(grid);
    doubleClickHeading(grid);
    QCOMPARE(field(*chooser, QStringLiteral("Lat")).text(), HomeLatitude);
    QCOMPARE(field(*chooser, QStringLiteral("Lon")).text(), HomeLongitude);
}

void TestLocationChooser::discardsWithoutChange_data()
{
    QTest::addColumn<bool>("byCancel");

    QTest::newRow("Cancel") << true;
    QTest::newRow("closed by the frame") << false;
}

void TestLocationChooser::discardsWithoutChange()
{
    QFETCH(bool, byCancel);

    const QPointer<fgetlatlon> chooser = openChooser();
    doubleClickRow(cityGrid(*chooser), 3);
    QCOMPARE(field(*chooser, QStringLiteral("Lat")).text(), QStringLiteral("-53.1638"));
    QCOMPARE(field(*chooser, QStringLiteral("Lon")).text(), QStringLiteral("-70.9171"));
    if (byCancel)
        QTest::mouseClick(&button(*chooser, QStringLiteral("Command1")), Qt::LeftButton);
    else
        chooser->close();

    QVERIFY(isDiscarded(chooser));
    QCOMPARE(m_owner->latitude, HomeLatitude);
    QCOMPARE(m_owner->longitude, HomeLongitude);
    QCOMPARE(m_owner->regenerations, 0);
}

// A cancelled choice leaves nothing behind: the next window starts from the location in use,
// and its own choice is the one handed over.
void TestLocationChooser::updateHandsOverDoubleClickedCity()
{
    QPointer<fgetlatlon> chooser = openChooser();
    doubleClickRow(cityGrid(*chooser), 1);
    QTest::mouseClick(&button(*chooser, QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(isDiscarded(chooser));

    chooser = openChooser();
    QCOMPARE(field(*chooser, QStringLiteral("Lat")).text(), HomeLatitude);
    doubleClickRow(cityGrid(*chooser), 2);
    QCOMPARE(m_owner->latitude, HomeLatitude);
    QTest::mouseClick(&button(*chooser, QStringLiteral("Command2")), Qt::LeftButton);

    QCOMPARE(m_owner->latitude, QStringLiteral("-23.6980"));
    QCOMPARE(m_owner->longitude, QStringLiteral("133.8807"));
    QCOMPARE(m_owner->regenerations, 1);
    QVERIFY(isDiscarded(chooser));
}

void TestLocationChooser::updateHandsOverTypedText_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");

    QTest::newRow("numbers") << "-33.8688" << "151.2093";
    QTest::newRow("blanks kept") << " 51.5 " << "  -0.1";
    QTest::newRow("no numbers") << "north" << "x,y";
    QTest::newRow("out of range") << "123.4" << "-999";
    QTest::newRow("emptied") << "" << "";
}

void TestLocationChooser::updateHandsOverTypedText()
{
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);

    const QPointer<fgetlatlon> chooser = openChooser();
    QLineEdit &lat = field(*chooser, QStringLiteral("Lat"));
    QLineEdit &lon = field(*chooser, QStringLiteral("Lon"));
    lat.clear();
    lon.clear();
    QTest::keyClicks(&lat, latitude);
    QTest::keyClicks(&lon, longitude);
    QTest::mouseClick(&button(*chooser, QStringLiteral("Command2")), Qt::LeftButton);

    QCOMPARE(m_owner->latitude, latitude);
    QCOMPARE(m_owner->longitude, longitude);
    QCOMPARE(m_owner->regenerations, 1);
    QVERIFY(isDiscarded(chooser));
}

void TestLocationChooser::ignoresDoubleClickOffCities_data()
{
    QTest::addColumn<QString>("place");

    QTest::newRow("on the heading") << "heading";
    QTest::newRow("below the last city") << "below";
    QTest::newRow("right of the last column") << "right";
}

// A city clicked before is current; a double click elsewhere still must not take it.
void TestLocationChooser::ignoresDoubleClickOffCities()
{
    QFETCH(QString, place);

    const QPointer<fgetlatlon> chooser = openChooser();
    FlexGrid &grid = cityGrid(*chooser);
    clickRow(grid, 1);
    if (place == u"heading") {
        doubleClickHeading(grid);
    } else if (place == u"below") {
        doubleClickBelowLastRow(grid);
    } else {
        doubleClickRightOfColumns(grid, 2);
        QCOMPARE(grid.MouseRow(), 2);
    }

    QCOMPARE(field(*chooser, QStringLiteral("Lat")).text(), HomeLatitude);
    QCOMPARE(field(*chooser, QStringLiteral("Lon")).text(), HomeLongitude);
}

// The file changes while the chooser is open: opening again shows the same window with what
// was typed and the cities as first read; only a new window reads the file again.
void TestLocationChooser::openingAgainBringsSameWindowToFront()
{
    QPointer<fgetlatlon> chooser = openChooser();
    QVERIFY(!chooser->isModal());
    QLineEdit &lat = field(*chooser, QStringLiteral("Lat"));
    lat.clear();
    QTest::keyClicks(&lat, QStringLiteral("12.5"));
    writeCities(m_citiesPath, TwoOtherCities);

    QCOMPARE(openChooser(), chooser);
    QCOMPARE(field(*chooser, QStringLiteral("Lat")).text(), QStringLiteral("12.5"));
    QCOMPARE(field(*chooser, QStringLiteral("Lon")).text(), HomeLongitude);
    QCOMPARE(cityGrid(*chooser).Rows(), 4);
    QCOMPARE(cityGrid(*chooser).TextMatrix(1, 0), QStringLiteral("Reykjavik,IS"));
    QVERIFY(chooser->isVisible());

    QTest::mouseClick(&button(*chooser, QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(isDiscarded(chooser));
    chooser = openChooser();
    QCOMPARE(field(*chooser, QStringLiteral("Lat")).text(), HomeLatitude);
    QCOMPARE(cityGrid(*chooser).Rows(), 3);
    QCOMPARE(cityGrid(*chooser).TextMatrix(1, 0), QStringLiteral("Windhoek,NA"));
    QCOMPARE(m_owner->regenerations, 0);
}

QTEST_MAIN(TestLocationChooser)
#include "test_locationchooser.moc"
