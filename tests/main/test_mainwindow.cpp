#include "ui/common/nightvision.h"
#include "ui/location/locationchooser.h"
#include "ui/main/proportionallayout.h"
#include "ui/main/skyplot.h"
#include "nearcompare.h"
#include "snapshot.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <numbers>

// The main window driven as an observer would: start-up, fields, headings, rows, "Now".

// The window keeps every control in proportion while it is resized, and at its design size,
// the smallest it can be made, every text is whole.

namespace {

// Whether the pixel at a fraction of the disc's radius in the direction of an azimuth is white,
// in what the chart shows on the screen.
bool whiteAt(const QImage &shown, double azDeg, double radiusFraction = 0.6)
{
    const double radius = shown.width() / 4.0 * radiusFraction;
    const double angle = (azDeg + 90.0) * std::numbers::pi / 180.0;  // counter-clockwise from 3 o'clock
    const QPoint pixel(qRound(shown.width() * 0.45 + radius * std::cos(angle)),
                       qRound(shown.height() * 0.45 - radius * std::sin(angle)));
    return shown.pixelColor(pixel) == QColor(Qt::white);
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void startUp()
    {
        WindowFixture fixture;
        Nocturo &window = fixture.start();
        QCOMPARE(window.objectCatalog().CatalogCount, 501);
        QCOMPARE(window.listGenerations(), 2);  // once by "Now" over no catalog, once with it
        QVERIFY(window.resultCount() > 0 && fixture.grid().Rows() == window.resultCount() + 1);
        QCOMPARE(window.listStatus(), QStringLiteral("%1 objects listed").arg(window.resultCount()));
        QCOMPARE(fixture.shownValues(), DesignValues);
        QVERIFY(matchesSnapshot(window, QStringLiteral("main-window")));
        QVERIFY(fixture.fakes.files.requests.isEmpty() && fixture.messages().isEmpty());

        QStringList menus;
        for (const QAction *menu : window.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "&Help"}));
        fixture.trigger(QStringLiteral("Help"));
        QVERIFY(std::ranges::any_of(QApplication::topLevelWidgets(), [](QWidget *w) { return w->objectName() == u"Helpform"; }));
        fixture.trigger(QStringLiteral("About"));
        for (const char *part : {"Nocturo v1.1", "OpenNGC", "CC-BY-SA 4.0", "GeoNames", "CC-BY 4.0", "MIT License"})
            QVERIFY2(fixture.messages().contains(QLatin1String(part)), part);

        // Tab passes the grid as one stop.
        QStringList focusOrder;
        for (QWidget *w = window.focusWidget(); w && focusOrder.size() < 24; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty())
                focusOrder << w->objectName();
        QCOMPARE(focusOrder.join(u' '), QStringLiteral("bGetDate txtDate txtTime txtGMTDev chkNebula MinElev MinMag MinSize MaxSize "
                                                      "chkPlanetary chkGalaxy chkGlobular chkOpen MinAz MaxAz txtSessLen gResults "
                                                      "bQuit bSaveDefs bLoadDef GetLatLon pSky bGenList Included"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bGenList")), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bQuit")), Qt::LeftButton);
        QVERIFY(window.listGenerations() == 3 && !window.isVisible());
    }

    void leavingAFieldAppliesItsRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("otherAz");  // typed first into the other azimuth field, without leaving it
        QTest::addColumn<QString>("outcome");  // marked, refused; switch and popup do not leave the window

        QTest::newRow("two trailing colons") << "txtTime" << "12::" << "12:0:0" << "" << "";
        QTest::newRow("emptied time") << "txtTime" << "" << "0:0:0" << "" << "";
        QTest::newRow("out of range stays") << "txtTime" << "25:99:99" << "25:99:99" << "" << "marked";
        QTest::newRow("emptied date") << "txtDate" << "" << "1/1/2006" << "" << "";
        QTest::newRow("emptied deviation") << "txtGMTDev" << "" << "0" << "" << "";
        QTest::newRow("deviation beyond 14") << "txtGMTDev" << "15" << "15" << "" << "marked";
        QTest::newRow("emptied session length") << "txtSessLen" << "" << "0" << "" << "";
        QTest::newRow("session over a day") << "txtSessLen" << "25" << "25" << "" << "marked";
        QTest::newRow("emptied elevation") << "MinElev" << "" << "0" << "" << "";
        QTest::newRow("emptied magnitude") << "MinMag" << "" << "30" << "" << "";
        QTest::newRow("magnitude nan") << "MinMag" << "nan" << "nan" << "" << "marked";
        QTest::newRow("emptied minimum size") << "MinSize" << "" << "0" << "" << "";
        QTest::newRow("emptied maximum size") << "MaxSize" << "" << "999" << "" << "";
        QTest::newRow("emptied minimum azimuth") << "MinAz" << "" << "0" << "" << "";
        QTest::newRow("emptied maximum azimuth") << "MaxAz" << "" << "360" << "" << "";
        QTest::newRow("a single blank stays") << "MinElev" << " " << " " << "" << "marked";
        QTest::newRow("impossible date") << "txtDate" << "2/30/2006" << "2/30/2006" << "" << "marked";
        QTest::newRow("huge azimuth") << "MaxAz" << "1e308" << "1e308" << "" << "";
        QTest::newRow("minimum above maximum") << "MinAz" << "200" << "0" << "180" << "refused";
        QTest::newRow("maximum below minimum") << "MaxAz" << "-10" << "360" << "5" << "refused";
        QTest::newRow("emptied minimum, still reversed") << "MinAz" << "" << "0" << "-10" << "refused";
        QTest::newRow("numbers, not texts") << "MinAz" << "90" << "90" << "180" << "";
        QTest::newRow("equal edges") << "MinAz" << "120" << "120" << "120" << "";
        QTest::newRow("window switch") << "txtTime" << "21" << "21" << "" << "switch";
        QTest::newRow("menu popup") << "MinMag" << "" << "" << "" << "popup";
    }

    void leavingAFieldAppliesItsRule()
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
        const QPalette paletteBefore = field->palette();
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
        QCOMPARE(fixture.messages(),
                 outcome == u"refused" ? QStringLiteral("Nocturo: Min Azimuth must be less than Max Azimuth") : "");
        // Text that cannot be read is marked, named in the status line, and leaves the list empty.
        const bool marked = outcome == u"marked";
        QCOMPARE(field->toolTip().startsWith(QStringLiteral("Expected")), marked);
        const QPalette look = field->palette();
        QCOMPARE(look.color(QPalette::Base) != paletteBefore.color(QPalette::Base)
                     && look.color(QPalette::Text) != paletteBefore.color(QPalette::Text), marked);
        QCOMPARE(window.listStatus().startsWith(QStringLiteral("Nothing listed")), marked);
        QCOMPARE(fixture.grid().Rows(), window.resultCount() + 1);
        if (marked) {  // putting it right brings the list and the exact look back
            QVERIFY(window.listStatus().contains(field->toolTip()));
            QVERIFY(window.resultCount() == 0 && fixture.grid().Rows() == 1);
            fixture.type(name, before);
            QCOMPARE(window.resultCount(), listedBefore);
            QVERIFY(field->toolTip().isEmpty());
            QCOMPARE(field->palette(), paletteBefore);
        }
    }

    // A pasted line break or tab would break the defaults file into extra lines.
    void fieldsHoldOneLine()
    {
        WindowFixture fixture;
        fixture.start();
        QGuiApplication::clipboard()->setText(QStringLiteral("5\r\n6\t7"));
        QLineEdit *field = fixture.field(QStringLiteral("MinElev"));
        field->clear();
        field->paste();
        QCOMPARE(field->text(), QStringLiteral("5  6 7"));
    }

    void headingClicksSort_data()
    {
        QTest::addColumn<QString>("steps");  // a column to click; r right button, d double click, g regenerate
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("heading");

        QTest::newRow("ascending") << "4" << 4 << "> Alt     ";
        QTest::newRow("descending") << "4 4" << 4 << "< Alt     ";
        QTest::newRow("negative numbers") << "8" << 8 << "> hrs to Transit";
        QTest::newRow("marker moves") << "0 5" << 0 << "Identifier       ";
        QTest::newRow("right ascension by value") << "6" << 6 << "> Ra         ";
        QTest::newRow("identifiers naturally") << "0" << 0 << "> Identifier       ";
        QTest::newRow("order survives regeneration") << "5 5 g" << 5 << "< Az       ";
        QTest::newRow("alternation goes on after it") << "5 g 5" << 5 << "< Az       ";
        QTest::newRow("another heading after it") << "5 g 3" << 5 << "Az       ";
        QTest::newRow("double click sorts twice") << "d4" << 4 << "< Alt     ";
        QTest::newRow("right button") << "r9" << 9 << "> Mag ";
    }

    void headingClicksSort()
    {
        QFETCH(QString, steps);
        QFETCH(int, col);
        QFETCH(QString, heading);

        WindowFixture fixture;
        Nocturo &window = fixture.start();
        fixture.type("MinElev", "0");  // single-digit altitudes, which tell numbers from text
        for (const QString &step : steps.split(u' ')) {
            if (step == u'g')
                window.bGenList_Click();
            else
                WindowFixture::clickHeading(fixture.grid(), step.right(1).toInt(),
                                            step.startsWith(u'r') ? Qt::RightButton : Qt::LeftButton, step.startsWith(u'd'));
        }
        QCOMPARE(fixture.grid().TextMatrix(0, col), heading);
        QList<double> keys;  // negated when descending
        for (const QString &cell : fixture.column(window.lastSortColumn())) {
            const QStringList parts = cell.split(u' ');  // "NGC 224", "5 35.2" or "12.34"
            if (parts.first() == u"NGC")  // of the identifiers, the NGC numbers among themselves
                keys << parts.last().toDouble();
            else if (parts.first().at(0).isDigit() || parts.first().startsWith(u'-'))
                keys << (window.sortOrder() == 1 ? 1 : -1) * (parts.value(0).toDouble() + parts.value(1).toDouble() / 60);
        }
        QVERIFY(std::ranges::is_sorted(keys));
        QVERIFY(fixture.fakes.browser.opened.isEmpty());
    }

    void doubleClickOnRowOpensImageSearch()
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

    // The real button, clicked: date, time and deviation from the clock and the time zone, written
    // so that the list reads them back in the locale.
    void nowFillsDateTimeAndDeviation()
    {
        const QString date = QStringLiteral("12/6/2026 9:5:7 ");
        const std::tuple<int, TimeZoneState, const char *, QString> cases[] = {
            {300, TimeZoneState::Standard, "C", date + "-5"},   {300, TimeZoneState::Daylight, "C", date + "-4"},
            {300, TimeZoneState::Unknown, "C", date + "-5"},    {-345, TimeZoneState::Standard, "C", date + "5.75"},
            {300, TimeZoneState::Failure, "C", date + "0"},
            {-330, TimeZoneState::Standard, "de_DE", "06.12.2026 9:5:7 5,5"}};
        for (const auto &[bias, state, locale, texts] : cases) {
            QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
            WindowFixture fixture;
            Nocturo &window = fixture.start();
            fixture.fakes.timeZone.information = TimeZoneInformation{bias, 0, -60};
            fixture.fakes.timeZone.state = state;
            fixture.fakes.clock.now = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7));
            const int generationsBefore = window.listGenerations();
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bGetDate")), Qt::LeftButton);
            QCOMPARE(fixture.field("txtDate")->text() + u' ' + fixture.field("txtTime")->text() + u' '
                         + fixture.field("txtGMTDev")->text(), texts);
            QCOMPARE(window.listGenerations(), generationsBefore + 1);
            QVERIFY(window.resultCount() > 0);
        }
    }

    void windowModeToggles()
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

    // Under a comma locale, a city's "42.93" from the cities table is read as a point decimal.
    void cityUnderCommaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WindowFixture fixture;
        Nocturo &window = fixture.start();
        window.GetLatLon_Click();
        auto *chooser = window.findChild<LocationChooser *>();
        chooser->findChild<QLineEdit *>(QStringLiteral("latitudeField"))->setText(QStringLiteral("42.9634"));
        chooser->findChild<QLineEdit *>(QStringLiteral("longitudeField"))->setText(QStringLiteral("-85.6681"));
        QTest::mouseClick(chooser->findChild<QPushButton *>(QStringLiteral("updateButton")), Qt::LeftButton);
        QCOMPARE(window.latitudeCaption() + u' ' + window.longitudeCaption(), QStringLiteral("42.9634 -85.6681"));
        QVERIFY(window.resultCount() > 0 && !window.listStatus().startsWith(QStringLiteral("Nothing")));

        // The hour angle reads the deviation field as the list does.
        fixture.field("txtGMTDev")->setText(QStringLiteral("-5"));
        QCOMPARE_NEAR(*window.getHourAngle(QStringLiteral("15.03.2006"), QStringLiteral("21:30:0"), 83.8, -85.48),
                      41.7674, 5e-5);
        fixture.field("txtGMTDev")->setText(QStringLiteral("EST"));
        QVERIFY(!window.getHourAngle(QStringLiteral("15.03.2006"), QStringLiteral("21:30:0"), 83.8, -85.48));
    }

    // Under night vision every pixel is a shade of red: the style's bevels blend in a little grey,
    // but nothing comes near white, green or blue.
    void nightVisionLeavesOnlyRed()
    {
        WindowFixture fixture;
        Nocturo &window = fixture.start();
        window.setLocationCaptions(QStringLiteral("91"), QStringLiteral("0"));  // a marked caption turns red too
        window.bGenList_Click();
        fixture.trigger(QStringLiteral("Night Vision"));
        QCoreApplication::processEvents();  // the new palette reaches the windows from the event loop
        const QImage shown = window.grab().toImage();
        QVERIFY(rememberedNightVision());
        fixture.trigger(QStringLiteral("Night Vision"));
        QVERIFY(!rememberedNightVision() && !isNightVision(QApplication::palette()));
        int colouredPixels = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                colouredPixels += std::max(qGreen(shown.pixel(x, y)), qBlue(shown.pixel(x, y))) > 100;
        }
        QCOMPARE(colouredPixels, 0);
    }

    void resizingKeepsEveryControlInProportion()
    {
        WindowFixture fixture;
        Nocturo &window = fixture.start();
        QWidget *client = window.centralWidget();
        auto *chart = window.findChild<SkyPlot *>();

        // The window's own controls and the labels inside the chart; the line under the menu bar apart.
        QList<QWidget *> controls = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        controls += chart->findChildren<QWidget *>();
        const QList<QFrame *> frames = client->findChildren<QFrame *>(Qt::FindDirectChildrenOnly);
        const auto lineAt = std::ranges::find(frames, QFrame::HLine, &QFrame::frameShape);
        QVERIFY(lineAt != frames.end() && controls.removeOne(*lineAt) && controls.size() > 40);
        const QRect designLine = (*lineAt)->geometry();
        const auto geometries = [&controls] {
            QList<QRect> rects;
            for (const QWidget *control : controls)
                rects << control->geometry();
            return rects;
        };
        const QList<QRect> design = geometries();
        const int frameHeight = window.height() - client->height();
        const auto resizeClient = [&](QSize size) {
            window.resize(size.width(), size.height() + frameHeight);
            QCoreApplication::processEvents();
            return client->size();
        };

        const int generationsBefore = window.listGenerations();
        QCOMPARE(resizeClient(QSize(2 * 857, 2 * 551)), QSize(2 * 857, 2 * 551));
        QCOMPARE(window.listGenerations(), generationsBefore + 1);
        QCOMPARE(chart->picture().size(), chart->size() * chart->devicePixelRatioF());
        QCOMPARE((*lineAt)->geometry(), designLine);
        const auto doubled = [](int now, int before) { return qAbs(now - 2 * before) <= 1; };  // rounded from twips
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QRect now = controls.at(i)->geometry();
            const QRect before = design.at(i);
            QVERIFY2(doubled(now.x(), before.x()) && doubled(now.y(), before.y()) && doubled(now.width(), before.width())
                         && doubled(now.height(), before.height()), controls.at(i)->metaObject()->className());
        }
        QCOMPARE(resizeClient(QSize(999, 600)), QSize(999, 600));
        QCOMPARE(resizeClient(QSize(431, 277)), QSize(857, 551));  // no smaller than designed
        QCOMPARE(geometries(), design);
    }

    void emptyClientAreaMovesNothing()
    {
        QWidget control;
        control.setGeometry(10, 20, 30, 40);
        ProportionalLayout layout;
        layout.RecordControlRatios(&control, QRect(150, 300, 450, 600), QSize(12855, 8265));
        layout.placeControls(QSize(1714, 0));  // a minimised window reports no area
        QCOMPARE(control.geometry(), QRect(10, 20, 30, 40));
        layout.placeControls(QSize(1714, 1102));
        QCOMPARE(control.geometry(), QRect(20, 40, 60, 80));
    }

    // The white slice is what the list admits, drawn afresh each time; the horizon profile covers
    // the sky from the rim in. Azimuths are checked 60 % of the way out, 36 degrees up.
    void sliceCoversTheWindow()
    {
        const QString all = QStringLiteral("0 45 90 135 180 225 270 315");
        const double nan = qQNaN();  // a field that is not a number
        const struct {
            double minAz, maxAz;
            bool inclusive;
            int scale;  // of the designed 89 x 81 pixels
            QString white, dark;
            std::vector<HorizonPoint> profile = {};
        } cases[] = {
            {0, 360, true, 1, all, ""},          {0, 360, false, 1, "", all},   // all, nothing but the edges
            {120, 120, true, 1, "", all},        {120, 120, false, 1, all, ""}, // equal edges
            {270, 90, true, 1, "", all},         {-1e308, 1e308, true, 1, all, ""},
            {nan, 360, true, 1, "", all},        {90, 270, true, 1, "135 180 225", "315 0 45"},
            {90, 270, false, 1, "315 0 45", "135 180 225"}, {180, 270, true, 1, "200 225 250", "290 315 0 90"},
            {60, 300, false, 1, "340 0 20", "90 180 270"},  {90, 270, true, 2, "135 180 225", "315 0 45"},
            {0, 360, true, 1, "150 180 210", "330 0 30", {{0, 60}, {180, 10}}},  // trees north, roofs south
        };
        for (const auto &test : cases) {
            SkyPlot chart;
            chart.resize(89 * test.scale, 81 * test.scale);
            chart.drawSkyPlot(AzimuthWindow{});
            std::optional<AzimuthWindow> window;
            if (!qIsNaN(test.minAz))
                window = AzimuthWindow{test.minAz, test.maxAz,
                                       test.inclusive ? AzimuthWindowMode::Inclusive : AzimuthWindowMode::Exclusive};
            const HorizonProfile horizon(test.profile);
            chart.drawSkyPlot(window, test.profile.empty() ? nullptr : &horizon);
            const QImage shown = chart.grab().toImage();
            QCOMPARE(shown.size(), chart.size());
            for (const QString &azDeg : test.white.split(u' ', Qt::SkipEmptyParts))
                QVERIFY2(whiteAt(shown, azDeg.toDouble()), qPrintable(azDeg));
            for (const QString &azDeg : test.dark.split(u' ', Qt::SkipEmptyParts))
                QVERIFY2(!whiteAt(shown, azDeg.toDouble()), qPrintable(azDeg));
            QVERIFY(!whiteAt(shown, 0, 1.3) && !whiteAt(shown, 180, 1.3));  // outside the disc
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
