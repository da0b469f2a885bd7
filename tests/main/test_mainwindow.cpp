#include "ui/common/nightvision.h"
#include "ui/location/locationchooser.h"
#include "ui/main/proportionallayout.h"
#include "ui/main/skychart.h"
#include "snapshot.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimeZone>

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

// Grand Rapids, 15 March 2006 from the given time EST for two hours, everything above the horizon.
MainWindow &startWorkedSession(WindowFixture &fixture, const QString &time = QStringLiteral("21:30:0"))
{
    MainWindow &window = fixture.start();
    window.setLocationCaptions(QStringLiteral("42.93"), QStringLiteral("-85.48"));
    for (const auto &[caption, text] : {std::pair{"Date", "3/15/2006"}, {"GMT Deviation", "-5"}, {"Session Length", "2"}})
        fixture.field(QString::fromLatin1(caption))->setText(QString::fromLatin1(text));
    fixture.type("Session Start Time", time);
    fixture.type("Min Elevation", QStringLiteral("0"));
    return window;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void startUp()
    {
        WindowFixture fixture;
        MainWindow &window = fixture.start();
        QCOMPARE(window.planner().catalog().size(), 501);
        QVERIFY(fixture.listed() > 0 && fixture.view().model()->rowCount() == fixture.listed());
        QCOMPARE(fixture.status(), QStringLiteral("%1 objects listed").arg(fixture.listed()));
        QVERIFY(matchesSnapshot(window, QStringLiteral("main-window")));
        QVERIFY(fixture.fakes.files.requests.isEmpty() && fixture.messages().isEmpty());
        QCOMPARE(fixture.savedLines(), FirstValues);

        QStringList menus;
        for (const QAction *menu : window.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "&Help"}));
        fixture.trigger(QStringLiteral("Help"));
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        const auto help = std::ranges::find(windows, QStringLiteral("helpWindow"), &QWidget::objectName);
        QVERIFY(help != windows.end());
        delete *help;  // a window of its own, which outlives the main window
        fixture.trigger(QStringLiteral("About"));
        for (const char *part : {"Nocturo v1.1", "OpenNGC", "CC-BY-SA 4.0", "GeoNames", "CC-BY 4.0", "MIT License"})
            QVERIFY2(fixture.messages().contains(QLatin1String(part)), part);

        // Tab passes the list as one stop.
        QStringList focusOrder;
        for (QWidget *w = window.focusWidget(); w && focusOrder.size() < 24; w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&window))
                continue;
            const auto *button = qobject_cast<const QAbstractButton *>(w);
            focusOrder << (button ? button->text() : w->accessibleName());
        }
        QCOMPARE(focusOrder.join(u'|'),
                 QStringLiteral("Now|Date|Session Start Time|GMT Deviation|Nebula|Min Elevation|Min Brightness|Min Size|"
                                "Max Size|Planetary Nebula|Galaxy|Globular Cluster|Open Cluster|Min Azimuth|Max Azimuth|"
                                "Session Length|Observing list|Quit|Save Defaults|Load Defaults|Set Your Location|"
                                "Horizon chart|Refresh List|Inclusive"));
        fixture.lists->clear();
        QTest::mouseClick(fixture.button(QStringLiteral("Refresh List")), Qt::LeftButton);
        QCOMPARE(fixture.lists->size(), 1);
        QTest::mouseClick(fixture.button(QStringLiteral("Quit")), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void leavingAFieldAppliesItsRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("otherAz");  // typed first into the other azimuth field, without leaving it
        QTest::addColumn<QString>("outcome");  // marked, refused; switch and popup do not leave the window

        QTest::newRow("two trailing colons") << "Session Start Time" << "12::" << "12:0:0" << "" << "";
        QTest::newRow("emptied time") << "Session Start Time" << "" << "0:0:0" << "" << "";
        QTest::newRow("out of range stays") << "Session Start Time" << "25:99:99" << "25:99:99" << "" << "marked";
        QTest::newRow("emptied date") << "Date" << "" << "1/1/2006" << "" << "";
        QTest::newRow("emptied deviation") << "GMT Deviation" << "" << "0" << "" << "";
        QTest::newRow("deviation beyond 14") << "GMT Deviation" << "15" << "15" << "" << "marked";
        QTest::newRow("emptied session length") << "Session Length" << "" << "0" << "" << "";
        QTest::newRow("session over a day") << "Session Length" << "25" << "25" << "" << "marked";
        QTest::newRow("emptied elevation") << "Min Elevation" << "" << "0" << "" << "";
        QTest::newRow("emptied magnitude") << "Min Brightness" << "" << "30" << "" << "";
        QTest::newRow("magnitude nan") << "Min Brightness" << "nan" << "nan" << "" << "marked";
        QTest::newRow("emptied minimum size") << "Min Size" << "" << "0" << "" << "";
        QTest::newRow("emptied maximum size") << "Max Size" << "" << "999" << "" << "";
        QTest::newRow("emptied minimum azimuth") << "Min Azimuth" << "" << "0" << "" << "";
        QTest::newRow("emptied maximum azimuth") << "Max Azimuth" << "" << "360" << "" << "";
        QTest::newRow("a single blank stays") << "Min Elevation" << " " << " " << "" << "marked";
        QTest::newRow("impossible date") << "Date" << "2/30/2006" << "2/30/2006" << "" << "marked";
        QTest::newRow("huge azimuth") << "Max Azimuth" << "1e308" << "1e308" << "" << "";
        QTest::newRow("minimum above maximum") << "Min Azimuth" << "200" << "0" << "180" << "refused";
        QTest::newRow("maximum below minimum") << "Max Azimuth" << "-10" << "360" << "5" << "refused";
        QTest::newRow("emptied minimum, still reversed") << "Min Azimuth" << "" << "0" << "-10" << "refused";
        QTest::newRow("numbers, not texts") << "Min Azimuth" << "90" << "90" << "180" << "";
        QTest::newRow("equal edges") << "Min Azimuth" << "120" << "120" << "120" << "";
        QTest::newRow("window switch") << "Session Start Time" << "21" << "21" << "" << "switch";
        QTest::newRow("menu popup") << "Min Brightness" << "" << "" << "" << "popup";
    }

    void leavingAFieldAppliesItsRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, otherAz);
        QFETCH(QString, outcome);

        WindowFixture fixture;
        MainWindow &window = fixture.start();
        if (!otherAz.isEmpty())
            fixture.field(name == u"Min Azimuth" ? "Max Azimuth" : "Min Azimuth")->setText(otherAz);
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
        fixture.lists->clear();
        const int listedBefore = fixture.listed();
        const Qt::FocusReason reason = outcome == u"switch" ? Qt::ActiveWindowFocusReason
                                       : outcome == u"popup" ? Qt::PopupFocusReason : Qt::TabFocusReason;

        fixture.type(name, typed, reason);
        QCOMPARE(field->text(), shown);
        QCOMPARE(otherTexts(), othersBefore);
        QCOMPARE(fixture.lists->size(), reason == Qt::TabFocusReason ? 1 : 0);
        QCOMPARE(fixture.messages(),
                 outcome == u"refused" ? QStringLiteral("Nocturo: Min Azimuth must be less than Max Azimuth") : "");
        // Text that cannot be read is marked, named in the status line, and leaves the list empty.
        const bool marked = outcome == u"marked";
        QCOMPARE(field->toolTip().startsWith(QStringLiteral("Expected")), marked);
        const QPalette look = field->palette();
        QCOMPARE(look.color(QPalette::Base) != paletteBefore.color(QPalette::Base)
                     && look.color(QPalette::Text) != paletteBefore.color(QPalette::Text), marked);
        QCOMPARE(fixture.status().startsWith(QStringLiteral("Nothing listed")), marked);
        QCOMPARE(fixture.view().model()->rowCount(), fixture.listed());
        if (marked) {  // putting it right brings the list and the exact look back
            QVERIFY(fixture.status().contains(field->toolTip()));
            QVERIFY(fixture.listed() == 0);
            fixture.type(name, before);
            QCOMPARE(fixture.listed(), listedBefore);
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
        QLineEdit *field = fixture.field(QStringLiteral("Min Elevation"));
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
        fixture.start();
        fixture.type("Min Elevation", "0");  // single-digit altitudes, which tell numbers from text
        int sorted = -1;
        for (const QString &step : steps.split(u' ')) {
            if (step == u'g') {
                QTest::mouseClick(fixture.button(QStringLiteral("Refresh List")), Qt::LeftButton);
            } else {
                sorted = step.right(1).toInt();
                fixture.clickHeading(sorted, step.startsWith(u'r') ? Qt::RightButton : Qt::LeftButton, step.startsWith(u'd'));
            }
        }
        QCOMPARE(fixture.heading(col), heading);
        const bool descending = fixture.heading(sorted).startsWith(u'<');
        QList<double> keys;  // negated when descending
        for (const QString &cell : fixture.column(sorted)) {
            const QStringList parts = cell.split(u' ');  // "NGC 224", "5 35.2" or "12.34"
            if (parts.first() == u"NGC")  // of the identifiers, the NGC numbers among themselves
                keys << parts.last().toDouble();
            else if (parts.first().at(0).isDigit() || parts.first().startsWith(u'-'))
                keys << (descending ? -1 : 1) * (parts.value(0).toDouble() + parts.value(1).toDouble() / 60);
        }
        QVERIFY(keys.size() > 20 && std::ranges::is_sorted(keys));
        QVERIFY(fixture.fakes.browser.opened.isEmpty());
    }

    void doubleClickOnRowOpensImageSearch()
    {
        WindowFixture fixture;
        writeFile(QStringLiteral("Objects.csv"), "Identifier,M,RA,Dec,Size,Mag,Type,Con,Comment\r\n"
                                                 "PK 064+05.1,,19 34.8,+30 31,1x1,9.6,planetary nebula,Cyg,\r\n"
                                                 "NGC 224,M 31,0 42.7,+41 16,190x60,3.4,galaxy,And,\r\n");
        writeFile(DefaultsFileName, "0\r\n0\r\n1\r\n-90\r\n0\r\n360\r\n30\r\n0\r\n999\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"
                                    "Objects.csv\r\nInclusive\r\n");
        fixture.start();
        QCOMPARE(fixture.column(0), (QStringList{"NGC 224", "PK 064+05.1"}));
        ResultsView &view = fixture.view();
        WindowFixture::click(view.viewport(), view.visualRect(view.model()->index(1, 0)).center(), Qt::LeftButton, true);
        QCOMPARE(fixture.fakes.browser.opened.size(), 1);
        QCOMPARE(fixture.fakes.browser.opened.first().toString(QUrl::FullyEncoded),
                 QStringLiteral("https://images.google.com/images?svnum=10&hl=en&lr=&q=PK%20064%2B05.1"));
    }

    // The real button, clicked: date, time and deviation from the clock's own offset, written so
    // that the list reads them back in the locale.
    void nowFillsDateTimeAndDeviation()
    {
        const QString date = QStringLiteral("12/6/2026 9:5:7 ");
        const std::tuple<int, const char *, QString> cases[] = {
            {-5 * 3600, "C", date + "-5"}, {-4 * 3600, "C", date + "-4"}, {0, "C", date + "0"},
            {20700, "C", date + "5.75"}, {-12600, "C", date + "-3.5"}, {19800, "de_DE", "06.12.2026 9:5:7 5,5"}};
        for (const auto &[offsetSeconds, locale, texts] : cases) {
            QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
            WindowFixture fixture;
            fixture.start();
            fixture.fakes.clock.now = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7), QTimeZone(offsetSeconds));
            fixture.lists->clear();
            QTest::mouseClick(fixture.button(QStringLiteral("Now")), Qt::LeftButton);
            QCOMPARE(fixture.field("Date")->text() + u' ' + fixture.field("Session Start Time")->text() + u' '
                         + fixture.field("GMT Deviation")->text(), texts);
            QCOMPARE(fixture.lists->size(), 1);
            QVERIFY(fixture.listed() > 0);
        }
    }

    void windowModeToggles()
    {
        WindowFixture fixture;
        fixture.start();
        QPushButton *mode = fixture.button(QStringLiteral("Inclusive"));
        fixture.lists->clear();
        QTest::mouseClick(mode, Qt::LeftButton);
        QCOMPARE(mode->text(), QStringLiteral("Exclusive"));
        QCOMPARE(fixture.lists->size(), 1);
        QVERIFY(fixture.listed() < 3);  // 0 to 360 taken as Exclusive keeps only the edges
        QTest::mouseClick(mode, Qt::LeftButton);
        QCOMPARE(mode->text(), QStringLiteral("Inclusive"));
    }

    // Under a comma locale, a city's "42.93" from the cities table is read as a point decimal.
    void cityUnderCommaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WindowFixture fixture;
        MainWindow &window = fixture.start();
        QTest::mouseClick(fixture.button(QStringLiteral("Set Your Location")), Qt::LeftButton);
        auto *chooser = window.findChild<LocationChooser *>();
        const QList<QLineEdit *> fields = chooser->findChildren<QLineEdit *>();
        QCOMPARE(fields.size(), 2);
        fields.at(0)->setText(QStringLiteral("42.9634"));
        fields.at(1)->setText(QStringLiteral("-85.6681"));
        const QList<QPushButton *> buttons = chooser->findChildren<QPushButton *>();
        QTest::mouseClick(*std::ranges::find(buttons, QStringLiteral("Update"), &QPushButton::text), Qt::LeftButton);
        QCOMPARE(window.latitudeCaption() + u' ' + window.longitudeCaption(), QStringLiteral("42.9634 -85.6681"));
        QVERIFY(fixture.listed() > 0 && !fixture.status().startsWith(QStringLiteral("Nothing")));
    }

    // Under night vision every pixel is a shade of red: the style's bevels blend in a little grey,
    // but nothing comes near white, green or blue.
    void nightVisionLeavesOnlyRed()
    {
        WindowFixture fixture;
        MainWindow &window = fixture.start();
        window.setLocationCaptions(QStringLiteral("91"), QStringLiteral("0"));  // a marked caption turns red too
        window.generateList();
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
        MainWindow &window = fixture.start();
        QWidget *client = window.centralWidget();
        auto *chart = window.findChild<SkyChart *>();

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

        fixture.lists->clear();
        QCOMPARE(resizeClient(QSize(2 * 857, 2 * 551)), QSize(2 * 857, 2 * 551));
        QCOMPARE(fixture.lists->size(), 1);
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
        layout.recordControl(&control, QRect(150, 300, 450, 600), QSize(12855, 8265));
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
            SkyChart chart;
            chart.resize(89 * test.scale, 81 * test.scale);
            chart.showAzimuthWindow(AzimuthWindow{});
            std::optional<AzimuthWindow> window;
            if (!qIsNaN(test.minAz))
                window = AzimuthWindow{test.minAz, test.maxAz,
                                       test.inclusive ? AzimuthWindowMode::Inclusive : AzimuthWindowMode::Exclusive};
            const HorizonProfile horizon(test.profile);
            chart.showAzimuthWindow(window, test.profile.empty() ? nullptr : &horizon);
            const QImage shown = chart.grab().toImage();
            QCOMPARE(shown.size(), chart.size());
            for (const QString &azDeg : test.white.split(u' ', Qt::SkipEmptyParts))
                QVERIFY2(whiteAt(shown, azDeg.toDouble()), qPrintable(azDeg));
            for (const QString &azDeg : test.dark.split(u' ', Qt::SkipEmptyParts))
                QVERIFY2(!whiteAt(shown, azDeg.toDouble()), qPrintable(azDeg));
            QVERIFY(!whiteAt(shown, 0, 1.3) && !whiteAt(shown, 180, 1.3));  // outside the disc
        }
    }

    void horizonProfile_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<QString>("problem");  // empty: the profile loads

        QTest::newRow("a wall in the east") << QByteArray("# garden\n0 0\n60 0\n70 60\n290 60\n300 0\n") << "";
        QTest::newRow("bad azimuth") << QByteArray("0 10\n400 5\n") << "garden.hzn, line 2: the azimuth \"400\"";
        QTest::newRow("no pairs") << QByteArray("# nothing\n") << "garden.hzn: there is no azimuth";
    }

    // The profile cuts the list, shows on the chart, goes into the defaults' seventeenth line, and a
    // bad file changes nothing but says why.
    void horizonProfile()
    {
        QFETCH(QByteArray, profile);
        QFETCH(QString, problem);
        WindowFixture fixture;
        MainWindow &window = startWorkedSession(fixture);
        const int flatCount = fixture.listed();
        fixture.fakes.files.answer({writeFile(QStringLiteral("garden.hzn"), profile)});

        fixture.trigger(QStringLiteral("Load Horizon Profile..."));
        fixture.trigger(QStringLiteral("Save Defaults"));

        const QStringList saved = QString::fromUtf8(fileBytes(DefaultsFileName)).split(QStringLiteral("\r\n"));
        QVERIFY2(fixture.messages().contains(problem), qPrintable(fixture.messages()));
        QCOMPARE(fixture.messages().isEmpty(), problem.isEmpty());
        QCOMPARE(window.planner().horizon() != nullptr, problem.isEmpty());
        QCOMPARE(fixture.listed() < flatCount, problem.isEmpty());
        QCOMPARE(saved.size(), problem.isEmpty() ? 18 : 17);  // 17 or 16 lines, each ended
        if (!problem.isEmpty())
            return;
        QCOMPARE(saved.at(16), QStringLiteral("garden.hzn"));
        fixture.trigger(QStringLiteral("Clear Horizon Profile"));
        QCOMPARE(fixture.listed(), flatCount);
        fixture.trigger(QStringLiteral("Load Defaults"));  // the seventeenth line brings it back
        QVERIFY(window.planner().horizon() && fixture.listed() < flatCount);
        fixture.type("Min Azimuth", QStringLiteral("100"));
        QVERIFY(matchesSnapshot(*window.findChild<SkyChart *>(), QStringLiteral("sky-chart")));
        writeFile(DefaultsFileName, saved.mid(0, 16).join(QStringLiteral("\r\n")).toUtf8());
        fixture.trigger(QStringLiteral("Load Defaults"));  // without it, the horizon is flat again
        QVERIFY(!window.planner().horizon() && fixture.listed() == flatCount);
    }

    // The status line says when the session starts in daylight or ends in twilight.
    void daylightNote()
    {
        WindowFixture fixture;
        startWorkedSession(fixture, QStringLiteral("13:39:0"));
        QVERIFY2(fixture.status().contains(QStringLiteral("° up at the start")), qPrintable(fixture.status()));
        fixture.type("Session Start Time", QStringLiteral("20:0:0"));
        QVERIFY2(fixture.status().endsWith(QStringLiteral("astronomical twilight until 20:23")), qPrintable(fixture.status()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
