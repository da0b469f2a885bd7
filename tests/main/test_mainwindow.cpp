#include "windowfixture.h"

#include "ui/location/fgetlatlon.h"

#include <QPushButton>

#include <cmath>

// The main window driven as an observer would: start-up, fields, headings, rows, "Now".
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void startUpListsTheShippedCatalogAndAboutNamesTheVersion();
    void startUpWithoutCatalogAsksAndCanBeCancelled();
    void leavingAFieldAppliesItsRule_data();
    void leavingAFieldAppliesItsRule();
    void headingClicksSort_data();
    void headingClicksSort();
    void doubleClickOnRowOpensImageSearch();
    void nowFillsDateTimeAndDeviation_data();
    void nowFillsDateTimeAndDeviation();
    void windowModeToggles();
    void locationChooserUpdatesTheLocation();
    void hourAngleReadsTheDeviationField();
};

void TestMainWindow::startUpListsTheShippedCatalogAndAboutNamesTheVersion()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QCOMPARE(window.catalogCount(), 501);
    QCOMPARE(window.listGenerations(), 2);  // once by "Now" over no catalog, once with it
    QVERIFY(window.resultCount() > 0 && fixture.grid().Rows() == window.resultCount() + 1);
    QCOMPARE(fixture.shownValues(), DesignValues);
    QVERIFY(fixture.fakes.files.requests.isEmpty());
    VERIFY_MESSAGE(fixture, false);
    window.about_Click();
    QCOMPARE(fixture.messageLog(), QStringLiteral("Nocturo: Nocturo v1.1"));

    QStringList focusOrder;
    for (QWidget *w = window.focusWidget(); w && focusOrder.size() < 6; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && !w->objectName().isEmpty())
            focusOrder << w->objectName();
    QCOMPARE(focusOrder, (QStringList{"bGetDate", "txtDate", "txtTime", "txtGMTDev", "chkNebula", "MinElev"}));
}

void TestMainWindow::startUpWithoutCatalogAsksAndCanBeCancelled()
{
    WindowFixture fixture(false);
    Nocturo &window = fixture.start();
    QCOMPARE(fixture.fakes.files.requests.size(), 1);
    QCOMPARE(fixture.fakes.files.requests.first().presetName, QStringLiteral("Objects.csv"));
    VERIFY_MESSAGE(fixture, true, QDir::toNativeSeparators(fixture.folder.path()));
    QVERIFY(window.catalogCount() == 0 && fixture.grid().Rows() == 1);
}

void TestMainWindow::leavingAFieldAppliesItsRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("otherAz");  // typed first into the other azimuth field, without leaving it
    QTest::addColumn<QString>("outcome");  // marked, refused; switch and popup do not leave the window

    QTest::newRow("hours only") << "txtTime" << "21" << "21:0:0" << "" << "";
    QTest::newRow("blanks around parts") << "txtTime" << " 7 : 5 : 3 " << "7:5:3" << "" << "";
    QTest::newRow("two trailing colons") << "txtTime" << "12::" << "12:0:0" << "" << "";
    QTest::newRow("emptied time") << "txtTime" << "" << "0:0:0" << "" << "";
    QTest::newRow("three colons stay") << "txtTime" << "1:2:3:4" << "1:2:3:4" << "" << "marked";
    QTest::newRow("out of range stays") << "txtTime" << "25:99:99" << "25:99:99" << "" << "marked";
    QTest::newRow("emptied date") << "txtDate" << "" << "1/1/2006" << "" << "";
    QTest::newRow("emptied deviation") << "txtGMTDev" << "" << "0" << "" << "";
    QTest::newRow("emptied session length") << "txtSessLen" << "" << "0" << "" << "";
    QTest::newRow("emptied elevation") << "MinElev" << "" << "0" << "" << "";
    QTest::newRow("emptied magnitude") << "MinMag" << "" << "30" << "" << "";
    QTest::newRow("emptied minimum size") << "MinSize" << "" << "0" << "" << "";
    QTest::newRow("emptied maximum size") << "MaxSize" << "" << "999" << "" << "";
    QTest::newRow("emptied minimum azimuth") << "MinAz" << "" << "0" << "" << "";
    QTest::newRow("emptied maximum azimuth") << "MaxAz" << "" << "360" << "" << "";
    QTest::newRow("a single blank stays") << "MinElev" << " " << " " << "" << "marked";
    QTest::newRow("comma in the C locale") << "txtSessLen" << "1,5" << "1,5" << "" << "marked";
    QTest::newRow("impossible date") << "txtDate" << "2/30/2006" << "2/30/2006" << "" << "marked";
    QTest::newRow("azimuth word") << "MaxAz" << "west" << "west" << "" << "marked";
    QTest::newRow("minimum above maximum") << "MinAz" << "200" << "0" << "180" << "refused";
    QTest::newRow("maximum below minimum") << "MaxAz" << "-10" << "360" << "5" << "refused";
    QTest::newRow("emptied minimum, still reversed") << "MinAz" << "" << "0" << "-10" << "refused";
    QTest::newRow("numbers, not texts") << "MinAz" << "90" << "90" << "180" << "";
    QTest::newRow("equal edges") << "MinAz" << "120" << "120" << "120" << "";
    QTest::newRow("window switch") << "txtTime" << "21" << "21" << "" << "switch";
    QTest::newRow("menu popup") << "MinMag" << "" << "" << "" << "popup";
}

void TestMainWindow::leavingAFieldAppliesItsRule()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, otherAz);
    QFETCH(QString, outcome);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    if (!otherAz.isEmpty())
        fixture.field(name == u"MinAz" ? "MaxAz" : "MinAz")->setText(otherAz);
    QLineEdit *field = fixture.field(name);
    const QString before = field->text();
    const auto otherTexts = [&] {
        QStringList texts;
        for (const QLineEdit *other : window.findChildren<QLineEdit *>())
            texts << (other == field ? QString() : other->text());
        return texts;
    };
    const QStringList othersBefore = otherTexts();
    const int generationsBefore = window.listGenerations();
    const int listedBefore = window.resultCount();
    const Qt::FocusReason reason = outcome == u"switch" ? Qt::ActiveWindowFocusReason
                                   : outcome == u"popup" ? Qt::PopupFocusReason : Qt::TabFocusReason;

    fixture.type(name, typed, reason);
    QCOMPARE(field->text(), shown);
    QCOMPARE(otherTexts(), othersBefore);
    QCOMPARE(window.listGenerations(), generationsBefore + (reason == Qt::TabFocusReason ? 1 : 0));
    QCOMPARE(fixture.messageLog(),
             outcome == u"refused" ? QStringLiteral("Nocturo: Min Azimuth must be less than Max Azimuth") : "");
    // Text that is not a number is marked and leaves the heading alone in the list.
    const bool marked = outcome == u"marked";
    QCOMPARE(field->toolTip().startsWith(QStringLiteral("Expected")) && !field->styleSheet().isEmpty(), marked);
    QCOMPARE(fixture.grid().Rows(), window.resultCount() + 1);
    if (marked) {  // putting it right brings the list and the plain look back
        QVERIFY(window.resultCount() == 0 && fixture.grid().Rows() == 1);
        fixture.type(name, before);
        QCOMPARE(window.resultCount(), listedBefore);
        QVERIFY(field->styleSheet().isEmpty() && field->toolTip().isEmpty());
    }
}

void TestMainWindow::headingClicksSort_data()
{
    QTest::addColumn<QString>("minElev");  // 0 lists single-digit altitudes, which tell numbers from text
    QTest::addColumn<QString>("steps");    // a column to click; r right button, d double click, g regenerate
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("heading");

    QTest::newRow("ascending") << "0" << "4" << 4 << "> Alt     ";
    QTest::newRow("descending") << "0" << "4 4" << 4 << "< Alt     ";
    QTest::newRow("ascending again") << "0" << "4 4 4" << 4 << "> Alt     ";
    QTest::newRow("negative numbers") << "0" << "8" << 8 << "> hrs to Transit";
    QTest::newRow("marker moves") << "0" << "4 5" << 4 << "Alt     ";
    QTest::newRow("regeneration drops the marker") << "0" << "5 g" << 5 << "Az       ";
    QTest::newRow("order survives regeneration") << "0" << "5 g 5" << 5 << "< Az       ";
    QTest::newRow("unmarked heading kept whole") << "0" << "5 g 3" << 5 << "Az       ";
    QTest::newRow("double click sorts twice") << "0" << "d4" << 4 << "< Alt     ";
    QTest::newRow("right button") << "0" << "r9" << 9 << "> Mag ";
    QTest::newRow("empty list") << "91" << "2" << 2 << "> Type                   ";
}

void TestMainWindow::headingClicksSort()
{
    QFETCH(QString, minElev);
    QFETCH(QString, steps);
    QFETCH(int, col);
    QFETCH(QString, heading);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.type("MinElev", minElev);
    for (const QString &step : steps.split(u' ')) {
        if (step == u'g')
            window.bGenList_Click();
        else
            fixture.clickHeading(step.right(1).toInt(), step.startsWith(u'r') ? Qt::RightButton : Qt::LeftButton,
                                 step.startsWith(u'd'));
    }
    QCOMPARE(fixture.grid().TextMatrix(0, col), heading);
    QList<double> keys;  // negated when descending
    for (const QString &cell : fixture.column(window.lastSortColumn()))
        keys << (window.sortOrder() == 1 ? 1 : -1) * cell.toDouble();
    QVERIFY(steps.endsWith(u'g') || std::ranges::is_sorted(keys));
    QVERIFY(fixture.fakes.browser.opened.isEmpty());
}

void TestMainWindow::doubleClickOnRowOpensImageSearch()
{
    WindowFixture fixture;
    fixture.start();
    fixture.grid().setTextMatrix(2, 0, QStringLiteral("PK 064+05.1"));
    const QPoint row2 = fixture.grid().visualRect(fixture.grid().model()->index(1, 0)).center();
    WindowFixture::click(fixture.grid().viewport(), row2, Qt::LeftButton, true);
    QCOMPARE(fixture.fakes.browser.opened.size(), 1);
    QCOMPARE(fixture.fakes.browser.opened.first().toString(QUrl::FullyEncoded),
             QStringLiteral("https://images.google.com/images?svnum=10&hl=en&lr=&q=PK%20064%2B05.1"));
}

void TestMainWindow::nowFillsDateTimeAndDeviation_data()
{
    QTest::addColumn<int>("bias");
    QTest::addColumn<TimeZoneState>("state");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("texts");  // date, time and deviation

    const QString date = QStringLiteral("12/6/2026 9:5:7 ");
    QTest::newRow("EST") << 300 << TimeZoneState::Standard << "C" << date + "-5";
    QTest::newRow("EDT") << 300 << TimeZoneState::Daylight << "C" << date + "-4";
    QTest::newRow("no daylight rule") << 300 << TimeZoneState::Unknown << "C" << date + "-5";
    QTest::newRow("India") << -330 << TimeZoneState::Standard << "C" << date + "5.5";
    QTest::newRow("Nepal") << -345 << TimeZoneState::Standard << "C" << date + "5.75";
    QTest::newRow("Greenwich") << 0 << TimeZoneState::Standard << "C" << date + "0";
    QTest::newRow("failure") << 300 << TimeZoneState::Failure << "C" << date + "0";
    QTest::newRow("German") << -330 << TimeZoneState::Standard << "de_DE" << "06.12.2026 9:5:7 5,5";
}

void TestMainWindow::nowFillsDateTimeAndDeviation()
{
    QFETCH(int, bias);
    QFETCH(TimeZoneState, state);
    QFETCH(QString, locale);
    QFETCH(QString, texts);

    QLocale::setDefault(QLocale(locale));
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.fakes.timeZone.information = TimeZoneInformation{bias, 0, -60};
    fixture.fakes.timeZone.state = state;
    fixture.fakes.clock.now = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7));
    const int generationsBefore = window.listGenerations();

    window.bGetDate_Click();
    QCOMPARE(fixture.field("txtDate")->text() + u' ' + fixture.field("txtTime")->text() + u' '
                 + fixture.field("txtGMTDev")->text(), texts);
    QCOMPARE(window.listGenerations(), generationsBefore + 1);
    QVERIFY(window.resultCount() > 0);  // the texts read back in the locale
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
    QVERIFY(window.resultCount() < 3);  // 0 to 360 taken as Exclusive keeps only the edges
    QTest::mouseClick(included, Qt::LeftButton);
    QCOMPARE(included->text(), QStringLiteral("Inclusive"));
}

void TestMainWindow::locationChooserUpdatesTheLocation()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    window.GetLatLon_Click();
    auto *chooser = window.findChild<fgetlatlon *>();
    QVERIFY(chooser);
    chooser->findChild<QLineEdit *>(QStringLiteral("Lat"))->setText(QStringLiteral("42.9634"));
    chooser->findChild<QLineEdit *>(QStringLiteral("Lon"))->setText(QStringLiteral("-85.6681"));
    const int generationsBefore = window.listGenerations();
    QTest::mouseClick(chooser->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(window.latitudeCaption() + u' ' + window.longitudeCaption(), QStringLiteral("42.9634 -85.6681"));
    QCOMPARE(window.listGenerations(), generationsBefore + 1);
}

void TestMainWindow::hourAngleReadsTheDeviationField()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.field("txtGMTDev")->setText(QStringLiteral("-5"));
    const double haDeg = window.getHourAngle(QStringLiteral("3/15/2006"), QStringLiteral("21:30:0"), 83.8, -85.48);
    QVERIFY2(qAbs(haDeg - 41.7674) < 5e-5, qPrintable(QString::number(haDeg)));
    fixture.field("txtGMTDev")->setText(QStringLiteral("EST"));
    QVERIFY(std::isnan(window.getHourAngle(QStringLiteral("3/15/2006"), QStringLiteral("21:30:0"), 83.8, -85.48)));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
