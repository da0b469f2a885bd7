#include "windowfixture.h"

#include "ui/location/fgetlatlon.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

bool numericallyOrdered(const QStringList &cells, bool ascending)
{
    for (qsizetype i = 1; i < cells.size(); ++i) {
        const double before = cells.at(i - 1).toDouble();
        const double after = cells.at(i).toDouble();
        if (ascending ? after < before : after > before)
            return false;
    }
    return true;
}

}  // namespace

// The main window driven as an observer would: start-up, fields, headings, rows, "Now".
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpListsTheShippedCatalog();
    void startUpWithoutCatalogAsksAndCanBeCancelled();
    void leavingAFieldAppliesItsRule_data();
    void leavingAFieldAppliesItsRule();
    void switchingWindowsIsNotLeavingAField();
    void reversedAzimuthWindowIsRefused_data();
    void reversedAzimuthWindowIsRefused();
    void reversedWindowCanRemainAfterAnEmptiedMinimum();
    void textThatIsNotANumberIsMarked_data();
    void textThatIsNotANumberIsMarked();
    void headingClicksSortNumerically();
    void markerMovesAndSurvivesRegeneration();
    void doubleClickOnHeadingSortsTwice();
    void rightButtonSortsToo();
    void emptyListStillMovesMarker();
    void doubleClickOnRowOpensImageSearch();
    void imageSearchEncodesBlanks();
    void nowFillsDateTimeAndDeviation_data();
    void nowFillsDateTimeAndDeviation();
    void nowFollowsLocale();
    void windowModeToggles();
    void aboutNamesVersion();
    void focusOrderFollowsDesign();
    void locationChooserUpdatesTheLocation();
};

void TestMainWindow::startUpListsTheShippedCatalog()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QCOMPARE(window.catalogCount(), 501);
    QCOMPARE(window.listGenerations(), 2);  // once by "Now" over no catalog, once with it
    QVERIFY(window.resultCount() > 0);
    QCOMPARE(fixture.grid().Rows(), window.resultCount() + 1);
    QCOMPARE(window.catalogFile(), QStringLiteral("Objects.csv"));
    QCOMPARE(window.lastSortColumn(), -1);
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
    QVERIFY(fixture.fakes.files.requests.isEmpty());
    // The design values stand when there is no defaults file.
    QCOMPARE(fixture.field("MinElev")->text(), QStringLiteral("30"));
    QCOMPARE(fixture.field("MinSize")->text(), QStringLiteral("1"));
    QCOMPARE(window.latitudeCaption(), QStringLiteral("0"));
}

void TestMainWindow::startUpWithoutCatalogAsksAndCanBeCancelled()
{
    WindowFixture fixture(false);
    Nocturo &window = fixture.start();
    QCOMPARE(fixture.fakes.files.requests.size(), 1);
    QCOMPARE(fixture.fakes.files.requests.first().presetName, QStringLiteral("Objects.csv"));
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    QVERIFY(fixture.fakes.messages.shown.first().text.contains(QDir::toNativeSeparators(fixture.folder.path())));
    QCOMPARE(window.catalogCount(), 0);
    QCOMPARE(fixture.grid().Rows(), 1);
}

void TestMainWindow::leavingAFieldAppliesItsRule_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("hours only") << "txtTime" << "21" << "21:0:0";
    QTest::newRow("hours and minutes") << "txtTime" << "9:30" << "9:30:0";
    QTest::newRow("blanks around parts") << "txtTime" << " 7 : 5 : 3 " << "7:5:3";
    QTest::newRow("trailing colon") << "txtTime" << "12:" << "12:0:0";
    QTest::newRow("two trailing colons") << "txtTime" << "12::" << "12:0:0";
    QTest::newRow("lone colon") << "txtTime" << ":" << "0:0:0";
    QTest::newRow("emptied time") << "txtTime" << "" << "0:0:0";
    QTest::newRow("three colons stay") << "txtTime" << "1:2:3:4" << "1:2:3:4";
    QTest::newRow("out of range stays") << "txtTime" << "25:99:99" << "25:99:99";
    QTest::newRow("emptied date") << "txtDate" << "" << "1/1/2006";
    QTest::newRow("emptied deviation") << "txtGMTDev" << "" << "0";
    QTest::newRow("emptied session length") << "txtSessLen" << "" << "0";
    QTest::newRow("emptied elevation") << "MinElev" << "" << "0";
    QTest::newRow("emptied magnitude") << "MinMag" << "" << "30";
    QTest::newRow("emptied minimum size") << "MinSize" << "" << "0";
    QTest::newRow("emptied maximum size") << "MaxSize" << "" << "999";
    QTest::newRow("emptied minimum azimuth") << "MinAz" << "" << "0";
    QTest::newRow("emptied maximum azimuth") << "MaxAz" << "" << "360";
    QTest::newRow("a single blank stays") << "MinElev" << " " << " ";
    QTest::newRow("unchanged value") << "MinMag" << "12" << "12";
}

void TestMainWindow::leavingAFieldAppliesItsRule()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const int generationsBefore = window.listGenerations();
    fixture.type(qPrintable(fieldName), typed);
    QCOMPARE(fixture.field(qPrintable(fieldName))->text(), shown);
    QCOMPARE(window.listGenerations(), generationsBefore + 1);
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
}

void TestMainWindow::switchingWindowsIsNotLeavingAField()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const int generationsBefore = window.listGenerations();
    fixture.field("txtTime")->setText(QStringLiteral("21"));
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(fixture.field("txtTime"), &focusOut);
    }
    QCOMPARE(fixture.field("txtTime")->text(), QStringLiteral("21"));
    QCOMPARE(window.listGenerations(), generationsBefore);
}

void TestMainWindow::reversedAzimuthWindowIsRefused_data()
{
    QTest::addColumn<QString>("minAz");
    QTest::addColumn<QString>("maxAz");
    QTest::addColumn<QString>("leftField");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("minAfter");
    QTest::addColumn<QString>("maxAfter");

    QTest::newRow("minimum above maximum") << "200" << "180" << "MinAz" << true << "0" << "180";
    QTest::newRow("maximum below minimum") << "5" << "-10" << "MaxAz" << true << "5" << "360";
    QTest::newRow("numbers, not texts") << "90" << "180" << "MaxAz" << false << "90" << "180";
    QTest::newRow("equal edges") << "120" << "120" << "MinAz" << false << "120" << "120";
}

void TestMainWindow::reversedAzimuthWindowIsRefused()
{
    QFETCH(QString, minAz);
    QFETCH(QString, maxAz);
    QFETCH(QString, leftField);
    QFETCH(bool, refused);
    QFETCH(QString, minAfter);
    QFETCH(QString, maxAfter);

    WindowFixture fixture;
    fixture.start();
    fixture.field("MinAz")->setText(minAz);
    fixture.field("MaxAz")->setText(maxAz);
    fixture.leave(qPrintable(leftField));
    QCOMPARE(fixture.fakes.messages.shown.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(fixture.fakes.messages.shown.first().title, QStringLiteral("Nocturo"));
        QCOMPARE(fixture.fakes.messages.shown.first().text,
                 QStringLiteral("Min Azimuth must be less than Max Azimuth"));
    }
    QCOMPARE(fixture.field("MinAz")->text(), minAfter);
    QCOMPARE(fixture.field("MaxAz")->text(), maxAfter);
}

void TestMainWindow::reversedWindowCanRemainAfterAnEmptiedMinimum()
{
    WindowFixture fixture;
    fixture.start();
    fixture.field("MaxAz")->setText(QStringLiteral("-10"));
    fixture.type("MinAz", QString());
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    QCOMPARE(fixture.field("MinAz")->text(), QStringLiteral("0"));
    QCOMPARE(fixture.field("MaxAz")->text(), QStringLiteral("-10"));
}

void TestMainWindow::textThatIsNotANumberIsMarked_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");

    QTest::newRow("magnitude") << "MinMag" << "bright";
    QTest::newRow("blank elevation") << "MinElev" << " ";
    QTest::newRow("comma in the C locale") << "txtSessLen" << "1,5";
    QTest::newRow("impossible date") << "txtDate" << "2/30/2006";
    QTest::newRow("impossible time") << "txtTime" << "25:99:99";
    QTest::newRow("azimuth") << "MaxAz" << "west";
}

void TestMainWindow::textThatIsNotANumberIsMarked()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const int listedBefore = window.resultCount();
    const SessionParameters before = window.sessionParameters();
    QLineEdit *field = fixture.field(qPrintable(fieldName));

    fixture.type(qPrintable(fieldName), typed);
    QCOMPARE(field->text(), typed);
    QCOMPARE(window.resultCount(), 0);
    QCOMPARE(fixture.grid().Rows(), 1);
    QVERIFY(fixture.grid().TextMatrix(0, 0).startsWith(QStringLiteral("Identifier")));
    QVERIFY(!field->styleSheet().isEmpty());
    QVERIFY(field->toolTip().startsWith(QStringLiteral("Expected")));
    QVERIFY(fixture.fakes.messages.shown.isEmpty());

    // Nothing else was touched.
    SessionParameters after = window.sessionParameters();
    QCOMPARE(after.Lat, before.Lat);
    QCOMPARE(after.MinSize, before.MinSize);
    QCOMPARE(after.chkGalaxy, before.chkGalaxy);

    // Putting it right brings the list and the plain look back.
    field->setText(fieldName == QLatin1String("txtDate") ? before.txtDate
                   : fieldName == QLatin1String("txtTime") ? before.txtTime
                   : fieldName == QLatin1String("MinMag") ? before.MinMag
                   : fieldName == QLatin1String("MinElev") ? before.MinElev
                   : fieldName == QLatin1String("txtSessLen") ? before.txtSessLen
                                                              : before.MaxAz);
    fixture.leave(qPrintable(fieldName));
    QCOMPARE(window.resultCount(), listedBefore);
    QVERIFY(field->styleSheet().isEmpty());
    QVERIFY(field->toolTip().isEmpty());
}

void TestMainWindow::headingClicksSortNumerically()
{
    WindowFixture fixture;
    fixture.start();
    fixture.type("MinElev", QStringLiteral("0"));  // single-digit altitudes tell numbers from text
    const QStringList unsorted = fixture.column(4);
    QVERIFY(unsorted.size() > 20);

    fixture.clickHeading(4);
    QVERIFY(numericallyOrdered(fixture.column(4), true));
    QCOMPARE(fixture.grid().TextMatrix(0, 4), QStringLiteral("> Alt     "));
    fixture.clickHeading(4);
    QVERIFY(numericallyOrdered(fixture.column(4), false));
    QCOMPARE(fixture.grid().TextMatrix(0, 4), QStringLiteral("< Alt     "));
    fixture.clickHeading(4);
    QCOMPARE(fixture.grid().TextMatrix(0, 4), QStringLiteral("> Alt     "));

    // Hours to transit hold negative numbers; whole rows move with their key.
    fixture.clickHeading(8);
    QVERIFY(numericallyOrdered(fixture.column(8), true));
    QCOMPARE(QStringList(fixture.column(0)).size(), unsorted.size());
}

void TestMainWindow::markerMovesAndSurvivesRegeneration()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.clickHeading(4);
    fixture.clickHeading(5);
    QCOMPARE(fixture.grid().TextMatrix(0, 4), QStringLiteral("Alt     "));
    QCOMPARE(fixture.grid().TextMatrix(0, 5), QStringLiteral("> Az       "));
    QVERIFY(numericallyOrdered(fixture.column(5), true));

    window.bGenList_Click();  // headings come back without markers, the sort state stays
    QCOMPARE(fixture.grid().TextMatrix(0, 5), QStringLiteral("Az       "));
    fixture.clickHeading(5);
    QCOMPARE(fixture.grid().TextMatrix(0, 5), QStringLiteral("< Az       "));
    QCOMPARE(window.sortOrder(), 2);

    window.bGenList_Click();
    fixture.clickHeading(3);
    QCOMPARE(fixture.grid().TextMatrix(0, 5), QStringLiteral("Az       "));
    QCOMPARE(fixture.grid().TextMatrix(0, 3), QStringLiteral("> Size"));
}

void TestMainWindow::doubleClickOnHeadingSortsTwice()
{
    WindowFixture fixture;
    fixture.start();
    WindowFixture::doubleClick(fixture.grid().horizontalHeader()->viewport(), fixture.headingCentre(4));
    QCOMPARE(fixture.grid().TextMatrix(0, 4), QStringLiteral("< Alt     "));
    QVERIFY(numericallyOrdered(fixture.column(4), false));
    QVERIFY(fixture.fakes.browser.opened.isEmpty());
}

void TestMainWindow::rightButtonSortsToo()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.clickHeading(9, Qt::RightButton);
    QCOMPARE(window.lastSortColumn(), 9);
    QCOMPARE(fixture.grid().TextMatrix(0, 9), QStringLiteral("> Mag "));
}

void TestMainWindow::emptyListStillMovesMarker()
{
    WindowFixture fixture;
    fixture.start();
    fixture.type("MinElev", QStringLiteral("91"));
    QCOMPARE(fixture.grid().Rows(), 1);
    fixture.clickHeading(2);
    QCOMPARE(fixture.grid().TextMatrix(0, 2), QStringLiteral("> Type                   "));
}

void TestMainWindow::doubleClickOnRowOpensImageSearch()
{
    WindowFixture fixture;
    fixture.start();
    fixture.doubleClickRow(2);
    QCOMPARE(fixture.fakes.browser.opened.size(), 1);
    const QString identifier = fixture.grid().TextMatrix(2, 0);
    QCOMPARE(fixture.fakes.browser.opened.first().toString(QUrl::FullyEncoded),
             QStringLiteral("https://images.google.com/images?svnum=10&hl=en&lr=&q=")
                 + QString::fromLatin1(QUrl::toPercentEncoding(identifier)));
    QVERIFY(identifier.contains(QLatin1Char(' ')));  // "NGC 1234": the blank goes along
}

void TestMainWindow::imageSearchEncodesBlanks()
{
    WindowFixture fixture;
    fixture.start();
    fixture.grid().setTextMatrix(1, 0, QStringLiteral("NGC 224"));
    fixture.doubleClickRow(1);
    QCOMPARE(fixture.fakes.browser.opened.size(), 1);
    QCOMPARE(fixture.fakes.browser.opened.first().toString(QUrl::FullyEncoded),
             QStringLiteral("https://images.google.com/images?svnum=10&hl=en&lr=&q=NGC%20224"));
}

void TestMainWindow::nowFillsDateTimeAndDeviation_data()
{
    QTest::addColumn<int>("bias");
    QTest::addColumn<int>("daylightBias");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("deviation");

    QTest::newRow("EST") << 300 << -60 << int(TimeZoneState::Standard) << "-5";
    QTest::newRow("EDT") << 300 << -60 << int(TimeZoneState::Daylight) << "-4";
    QTest::newRow("no daylight rule") << 300 << -60 << int(TimeZoneState::Unknown) << "-5";
    QTest::newRow("India") << -330 << 0 << int(TimeZoneState::Standard) << "5.5";
    QTest::newRow("Nepal") << -345 << 0 << int(TimeZoneState::Standard) << "5.75";
    QTest::newRow("Greenwich") << 0 << -60 << int(TimeZoneState::Standard) << "0";
    QTest::newRow("failure") << 300 << -60 << int(TimeZoneState::Failure) << "0";
}

void TestMainWindow::nowFillsDateTimeAndDeviation()
{
    QFETCH(int, bias);
    QFETCH(int, daylightBias);
    QFETCH(int, state);
    QFETCH(QString, deviation);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.fakes.timeZone.information = TimeZoneInformation{bias, 0, daylightBias};
    fixture.fakes.timeZone.state = TimeZoneState(state);
    fixture.fakes.clock.now = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7));
    fixture.field("txtDate")->setText(QStringLiteral("typed"));
    const int generationsBefore = window.listGenerations();

    window.bGetDate_Click();
    QCOMPARE(fixture.field("txtDate")->text(), QStringLiteral("12/6/2026"));
    QCOMPARE(fixture.field("txtTime")->text(), QStringLiteral("9:5:7"));
    QCOMPARE(fixture.field("txtGMTDev")->text(), deviation);
    QCOMPARE(window.listGenerations(), generationsBefore + 1);
}

void TestMainWindow::nowFollowsLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        WindowFixture fixture;
        fixture.fakes.timeZone.information = TimeZoneInformation{-330, 0, 0};
        Nocturo &window = fixture.start();
        QCOMPARE(fixture.field("txtGMTDev")->text(), QStringLiteral("5,5"));
        QCOMPARE(fixture.field("txtDate")->text(), QStringLiteral("15.03.2006"));
        QVERIFY(window.resultCount() > 0);  // the German date and deviation read back
        QCOMPARE(fixture.grid().TextMatrix(1, 4).count(QLatin1Char(',')), 1);
    }
    QLocale::setDefault(QLocale::c());
}

void TestMainWindow::windowModeToggles()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    auto *included = window.findChild<QPushButton *>(QStringLiteral("Included"));
    const int generationsBefore = window.listGenerations();
    QTest::mouseClick(included, Qt::LeftButton);
    QCOMPARE(included->text(), QStringLiteral("Exclusive"));
    QCOMPARE(window.listGenerations(), generationsBefore + 1);
    // 0 to 360 taken as Exclusive keeps only the edges, where hardly anything stands.
    QVERIFY(window.resultCount() < 3);
    window.Included_Click();
    QCOMPARE(included->text(), QStringLiteral("Inclusive"));
}

void TestMainWindow::aboutNamesVersion()
{
    WindowFixture fixture;
    fixture.start().about_Click();
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    QCOMPARE(fixture.fakes.messages.shown.first().title, QStringLiteral("Nocturo"));
    QCOMPARE(fixture.fakes.messages.shown.first().text, QStringLiteral("Nocturo v1.1"));
}

void TestMainWindow::focusOrderFollowsDesign()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QStringList order;
    QWidget *control = window.findChild<QWidget *>(QStringLiteral("bGetDate"));
    for (int i = 0; i < 6; ++i) {
        order << control->objectName();
        control = control->nextInFocusChain();
        while (control->focusPolicy() == Qt::NoFocus || control->objectName().isEmpty())
            control = control->nextInFocusChain();
    }
    QCOMPARE(order, (QStringList{"bGetDate", "txtDate", "txtTime", "txtGMTDev", "chkNebula", "MinElev"}));
}

void TestMainWindow::locationChooserUpdatesTheLocation()
{
    WindowFixture fixture;
    QFile cities(fixture.folder.filePath(QStringLiteral("cities.csv")));
    QVERIFY(cities.open(QIODevice::WriteOnly));
    cities.write("City,Region,Latitude,Longitude\r\nGrand Rapids,MI,42.9634,-85.6681\r\n");
    cities.close();
    Nocturo &window = fixture.start();
    window.GetLatLon_Click();
    auto *chooser = window.findChild<fgetlatlon *>();
    QVERIFY(chooser);
    auto *chooserGrid = chooser->findChild<FlexGrid *>();
    QCOMPARE(chooserGrid->TextMatrix(1, 0), QStringLiteral("Grand Rapids,MI"));
    fixture.doubleClick(chooserGrid->viewport(), chooserGrid->visualRect(chooserGrid->model()->index(0, 0)).center());

    const int generationsBefore = window.listGenerations();
    QTest::mouseClick(chooser->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(window.latitudeCaption(), QStringLiteral("42.9634"));
    QCOMPARE(window.longitudeCaption(), QStringLiteral("-85.6681"));
    QCOMPARE(window.listGenerations(), generationsBefore + 1);
    QCOMPARE(window.sessionParameters().Lat, QStringLiteral("42.9634"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
