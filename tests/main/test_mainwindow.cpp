#include "ui/common/nightvision.h"
#include "ui/main/skychart.h"
#include "ui/night/nightwindow.h"
#include "ui/main/telescopedialog.h"
#include "ui/common/fieldmark.h"
#include "ui/common/windowlook.h"
#include "contrast.h"
#include "snapshot.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QSettings>
#include <QTimeZone>

#include <cmath>
#include <numbers>
#include <span>

// The main window driven as an observer would: start-up, fields, rows, "Now", the horizon chart,
// and the layout that keeps every control in proportion while the window is resized.

namespace {

// Whether the pixel at a fraction of the disc's radius in the direction of an azimuth is white,
// in what the chart shows on the screen.
bool whiteAt(const QImage &shown, double azDeg, double radiusFraction = 0.6)
{
    const double radius = shown.width() / 4.0 * radiusFraction;
    const double angle = (azDeg + 90.0) * std::numbers::pi / 180.0;  // counter-clockwise from 3 o'clock
    const QPointF pixel(shown.width() * 0.45 + radius * std::cos(angle), shown.height() * 0.45 - radius * std::sin(angle));
    return shown.pixelColor(pixel.toPoint()) == QColor(Qt::white);
}

// A text typed into a field that is then left. The other azimuth field's text is typed first,
// without leaving it; the outcome is marked or refused, and a switch to another window or a menu
// popup does not leave the field.
struct Edit { QString name, typed, shown, otherAz = {}, outcome = {}; };

}  // namespace

Q_DECLARE_METATYPE(Edit)

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        QSettings(ApplicationTitle, ApplicationTitle).clear();  // the remembered columns
    }

    // A first start, the plain buttons and the menus' Help, About and Night Vision. Under night
    // vision every pixel is a shade of red: the style's bevels blend in a little grey, but nothing
    // comes near white, green or blue.
    void startUp()
    {
        WindowFixture fixture;
        MainWindow &window = fixture.start();
        QVERIFY(window.planner().catalog().size() == 501 && fixture.listed() > 0
                && fixture.view().model()->rowCount() == fixture.listed());
        QCOMPARE(fixture.status(), QStringLiteral("%1 objects listed").arg(fixture.listed()));
        QVERIFY(matchesSnapshot(window, QStringLiteral("main-window")));
        // It opens wide enough for every column of the list beside the scroll bar.
        QVERIFY(fixture.view().horizontalHeader()->length() <= fixture.view().viewport()->width());
        QVERIFY(fixture.fakes.files.requests.isEmpty() && fixture.messages().isEmpty());
        QCOMPARE(fixture.shownValues(), FirstValues);
        fixture.trigger(QStringLiteral("Help"));
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        const auto help = std::ranges::find(windows, QStringLiteral("helpWindow"), &QWidget::objectName);
        QVERIFY(help != windows.end());
        delete *help;  // a window of its own, which outlives the main window
        fixture.trigger(QStringLiteral("About"));
        for (const char *part : {"Nocturo: Nocturo v1.1", "OpenNGC", "CC-BY-SA 4.0", "GeoNames", "CC-BY 4.0", "OpenStreetMap", "ODbL 1.0", "MIT License"})
            QVERIFY2(fixture.messages().contains(QLatin1String(part)), part);

        // Tab passes the list as one stop.
        QStringList focusOrder;
        for (QWidget *w = window.focusWidget(); w && focusOrder.size() < 24; w = w->nextInFocusChain()) {
            const auto *button = qobject_cast<const QAbstractButton *>(w);
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window))
                focusOrder << (button ? button->text() : w->accessibleName());
        }
        QCOMPARE(focusOrder.join(u'|'),
                 QStringLiteral("Now|Date|Session Start Time|GMT Deviation|Nebula|Min Elevation|Min Brightness|Min Size|"
                                "Max Size|Planetary Nebula|Galaxy|Globular Cluster|Open Cluster|Min Azimuth|Max Azimuth|"
                                "Session Length|Observing list|Quit|Save Defaults|Load Defaults|Set Your Location|"
                                "Horizon chart|Refresh List|Inclusive"));
        fixture.lists->clear();
        QTest::mouseClick(fixture.button(QStringLiteral("Refresh List")), Qt::LeftButton);
        QTest::mouseClick(fixture.button(QStringLiteral("Inclusive")), Qt::LeftButton);
        QVERIFY(fixture.lists->size() == 2 && fixture.listed() < 3);  // 0 to 360 taken as Exclusive keeps only the edges
        QTest::mouseClick(fixture.button(QStringLiteral("Exclusive")), Qt::LeftButton);
        QCOMPARE(fixture.shownValues(), FirstValues);
        // A pasted line break or tab would break the defaults file into extra lines.
        QGuiApplication::clipboard()->setText(QStringLiteral("5\r\n6\t7"));
        fixture.named(QStringLiteral("Min Elevation"))->clear();
        fixture.named(QStringLiteral("Min Elevation"))->paste();
        QCOMPARE(fixture.named(QStringLiteral("Min Elevation"))->text(), QStringLiteral("5  6 7"));

        window.setLocationCaptions(QStringLiteral("91"), QStringLiteral("0"));  // a marked caption turns red too
        window.generateList();
        QCOMPARE(fixture.named<QLabel>(QStringLiteral("Latitude"))->grab().toImage().pixelColor(1, 1), QColor(0xffd7d7));
        fixture.trigger(QStringLiteral("Night Vision"));
        QCoreApplication::processEvents();  // the new palette reaches the windows from the event loop
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(matchesSnapshot(window, QStringLiteral("main-window-night-vision")));
        // Every text readable on its background: at least 4.5:1 for fields, the marked caption,
        // buttons, the list, its selected row, links and disabled controls.
        QWidget *field = fixture.named(QStringLiteral("Min Elevation")), *list = &fixture.view();
        QWidget *button = fixture.button(QStringLiteral("Refresh List"));
        using P = QPalette;
        const std::tuple<QWidget *, P::ColorGroup, P::ColorRole, P::ColorRole> texts[] = {
            {field, P::Active, P::Text, P::Base}, {fixture.named<QLabel>(QStringLiteral("Latitude")), P::Active, P::WindowText, P::Window},
            {button, P::Active, P::ButtonText, P::Button}, {list, P::Active, P::Text, P::Base},
            {list, P::Active, P::HighlightedText, P::Highlight}, {list, P::Inactive, P::HighlightedText, P::Highlight},
            {&window, P::Active, P::Link, P::Window}, {&window, P::Disabled, P::WindowText, P::Window},
            {field, P::Disabled, P::Text, P::Base}, {button, P::Disabled, P::ButtonText, P::Button}};
        for (const auto &[control, group, text, background] : texts) {
            const double ratio = contrastRatio(control->palette().color(group, text), control->palette().color(group, background));
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 %2 on %3: %4").arg(control->accessibleName()).arg(text).arg(background).arg(ratio)));
        }
        QVERIFY(rememberedNightVision());
        fixture.trigger(QStringLiteral("Night Vision"));
        QVERIFY(!rememberedNightVision() && !isNightVision(QApplication::palette()));
        const std::span<const QRgb> pixels(reinterpret_cast<const QRgb *>(shown.constBits()), shown.width() * shown.height());
        QVERIFY(std::ranges::none_of(pixels, [](QRgb pixel) { return std::max(qGreen(pixel), qBlue(pixel)) > 100; }));
        QTest::mouseClick(fixture.button(QStringLiteral("Quit")), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void leavingAFieldAppliesItsRule_data()
    {
        QTest::addColumn<Edit>("edit");
        const Edit edits[] = {
            {"Session Start Time", "12::", "12:0:0"}, {"Session Start Time", "9:30", "9:30:0"},
            {"Session Start Time", "25:99:99", "25:99:99", "", "marked"},
            {"Date", "", "1/1/2006"}, {"Date", "12/31/2201", "12/31/2201", "", "marked"}, {"GMT Deviation", "", "0"}, {"Session Length", "", "0"}, {"Min Elevation", "", "0"},
            {"Min Brightness", "", "30"}, {"Min Size", "", "0"}, {"Max Size", "", "999"}, {"Min Azimuth", "", "0"},
            {"Max Azimuth", "", "360"}, {"Min Elevation", " ", " ", "", "marked"},
            {"Min Azimuth", "200", "0", "180", "refused"}, {"Max Azimuth", "-10", "360", "5", "refused"},
            {"Min Azimuth", "", "0", "-10", "refused"}, {"Min Azimuth", "90", "90", "180"},  // numbers, not texts
            {"Min Azimuth", "120", "120", "120"}, {"Session Start Time", "21", "21", "", "switch"},
            {"Min Brightness", "", "", "", "popup"}};
        for (const Edit &edit : edits)
            QTest::addRow("%s", qPrintable(edit.name + u'=' + edit.typed + u' ' + edit.otherAz + u' ' + edit.outcome)) << edit;
    }

    // The field's rule, and nothing else changed; text that cannot be read is marked, named in the
    // status line, and leaves the list empty until it is put right.
    void leavingAFieldAppliesItsRule()
    {
        QFETCH(Edit, edit);
        WindowFixture fixture;
        fixture.start();
        QLineEdit *field = fixture.named(edit.name);
        QLineEdit *otherField = fixture.named(edit.name == u"Min Azimuth" ? "Max Azimuth" : "Min Azimuth");
        if (!edit.otherAz.isEmpty())
            otherField->setText(edit.otherAz);
        const QString before = field->text(), otherBefore = otherField->text();
        const QPalette look = field->palette();
        const int listedBefore = fixture.listed();
        fixture.lists->clear();
        const Qt::FocusReason reason = edit.outcome == u"switch" ? Qt::ActiveWindowFocusReason
                                       : edit.outcome == u"popup" ? Qt::PopupFocusReason : Qt::TabFocusReason;

        fixture.type(edit.name, edit.typed, reason);
        QCOMPARE(field->text() + u'|' + otherField->text(), edit.shown + u'|' + otherBefore);
        QCOMPARE(fixture.lists->size(), reason == Qt::TabFocusReason ? 1 : 0);
        QCOMPARE(fixture.messages(), edit.outcome == u"refused" ? "Nocturo (warning): Min Azimuth must be less than Max Azimuth" : "");
        const bool marked = edit.outcome == u"marked";
        QCOMPARE(field->toolTip().startsWith(QStringLiteral("Expected")), marked);
        QCOMPARE(field->palette().color(QPalette::Base) != look.color(QPalette::Base)
                     && field->palette().color(QPalette::Text) != look.color(QPalette::Text), marked);
        QCOMPARE(fixture.status().startsWith(QStringLiteral("Nothing listed")), marked);
        QCOMPARE(fixture.view().model()->rowCount(), fixture.listed());
        if (marked) {
            QVERIFY(fixture.status().contains(field->toolTip()) && fixture.listed() == 0);
            fixture.type(edit.name, before);
            QVERIFY(fixture.listed() == listedBefore && field->toolTip().isEmpty() && field->palette() == look);
        }
    }

    // A real double click: press, release, double click, release.
    void doubleClickOnRowOpensImageSearch()
    {
        WindowFixture fixture;
        writeFile(QStringLiteral("Objects.csv"), "Identifier,M,RA,Dec,Size,Mag,Type,Con,Comment\r\n"
                                                 "PK 064+05.1,,19 34.8,+30 31,1x1,9.6,planetary nebula,Cyg,\r\n"
                                                 "NGC 224,M 31,0 42.7,+41 16,190x60,3.4,galaxy,And,\r\n");
        fixture.start();
        fixture.type("Min Elevation", QStringLiteral("-90"));
        ResultsView &view = fixture.view();
        const QPoint row = view.visualRect(view.model()->index(1, 0)).center();  // PK 064+05.1, after NGC 224
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, row);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, row);
        const QUrl search("https://images.google.com/images?svnum=10&hl=en&lr=&q=PK%20064%2B05.1");
        QVERIFY(fixture.fakes.browser.opened == QList<QUrl>{search} && fixture.messages().isEmpty());
        // A browser that cannot start: a warning names the address.
        fixture.fakes.browser.browserStarts = false;
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(fixture.messages(), "Nocturo (warning): No web browser could be started to open \"" + search.toString() + "\".");
    }

    // The Night window, once open, draws the row the observer selects next; an azimuth that cannot
    // be read admits nothing on the horizon chart, whatever the other one says.
    void followsTheSelectionAndTheAzimuths()
    {
        WindowFixture fixture;
        fixture.start();
        fixture.trigger(QStringLiteral("Night"));
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        const auto night = std::ranges::find_if(windows, [](QWidget *w) { return qobject_cast<NightWindow *>(w); });
        QVERIFY(night != windows.end());
        const QImage unselected = (*night)->grab().toImage();
        ResultsView &view = fixture.view();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(0, 0)).center());
        QVERIFY((*night)->grab().toImage() != unselected);

        fixture.type("Max Azimuth", QStringLiteral("90"));
        fixture.type("Min Azimuth", QStringLiteral("x"));
        const QImage chart = fixture.window->findChild<SkyChart *>()->grab().toImage();
        for (const double azDeg : {0.0, 45.0, 90.0, 180.0, 270.0})
            QVERIFY(!whiteAt(chart, azDeg));
    }

    // The real button, clicked: date, time and deviation from the clock's own offset, written so
    // that the list reads them back in the locale.
    void nowFillsDateTimeAndDeviation()
    {
        const std::tuple<int, const char *, QString> cases[] = {
            {-5 * 3600, "C", "12/6/2026 9:5:7 -5"}, {0, "C", "12/6/2026 9:5:7 0"}, {20700, "C", "12/6/2026 9:5:7 5.75"},
            {-12600, "C", "12/6/2026 9:5:7 -3.5"}, {19800, "de_DE", "06.12.2026 9:5:7 5,5"}};
        for (const auto &[offsetSeconds, locale, texts] : cases) {
            QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
            WindowFixture fixture;
            fixture.start();
            fixture.fakes.clock.now = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7), QTimeZone(offsetSeconds));
            fixture.lists->clear();
            QTest::mouseClick(fixture.button(QStringLiteral("Now")), Qt::LeftButton);
            QCOMPARE(fixture.named("Date")->text() + u' ' + fixture.named("Session Start Time")->text() + u' '
                         + fixture.named("GMT Deviation")->text(), texts);
            QVERIFY(fixture.lists->size() == 1 && fixture.listed() > 0);
        }
    }

    void resizingKeepsEveryControlInProportion()
    {
        WindowFixture fixture;
        MainWindow &window = fixture.start();
        window.resize(window.minimumSize());  // from the design size, whatever the list opened it with
        QCoreApplication::processEvents();
        QWidget *client = window.centralWidget();
        // The window's own controls and the labels inside the chart; the line under the menu bar apart.
        QList<QWidget *> controls = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)
                                    + window.findChild<SkyChart *>()->findChildren<QWidget *>();
        const QList<QFrame *> frames = client->findChildren<QFrame *>(Qt::FindDirectChildrenOnly);
        const auto lineAt = std::ranges::find(frames, QFrame::HLine, &QFrame::frameShape);
        QVERIFY(lineAt != frames.end() && controls.removeOne(*lineAt) && controls.size() > 40);
        const QRect designLine = (*lineAt)->geometry();
        QList<QRect> design;
        for (const QWidget *control : controls)
            design << control->geometry();
        const auto resizeClient = [&](QSize size) {
            window.resize(size.width(), size.height() + window.height() - client->height());
            QCoreApplication::processEvents();
            return client->size();
        };

        fixture.lists->clear();
        QCOMPARE(resizeClient(QSize(2 * 857, 2 * 551)), QSize(2 * 857, 2 * 551));
        QVERIFY(fixture.lists->size() == 1 && (*lineAt)->geometry() == designLine);
        const auto doubled = [](int now, int before) { return qAbs(now - 2 * before) <= 1; };  // rounded from twips
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QRect now = controls.at(i)->geometry(), before = design.at(i);
            QVERIFY2(doubled(now.x(), before.x()) && doubled(now.y(), before.y()) && doubled(now.width(), before.width())
                         && doubled(now.height(), before.height()), controls.at(i)->metaObject()->className());
        }
        QCOMPARE(resizeClient(QSize(999, 600)), QSize(999, 600));
        QCOMPARE(resizeClient(QSize(431, 277)), QSize(857, 551));  // no smaller than designed
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(controls.at(i)->geometry(), design.at(i));

        QWidget control;  // a minimised window reports no area, and nothing moves
        ProportionalLayout layout;
        layout.recordControl(&control, QRect(150, 300, 450, 600), QSize(12855, 8265));
        layout.placeControls(QSize(1714, 1102));
        layout.placeControls(QSize(1714, 0));
        QCOMPARE(control.geometry(), QRect(20, 40, 60, 80));
    }

    // What the telescope shows: View › Columns adds its columns after the usual ones in the grid
    // and in Copy, remembered for the next start; taking them off gives the bytes of before.
    // Telescope and Sky marks what cannot be read and changes nothing until OK succeeds; a Bortle
    // class fills the sky brightness and names its table. The two filters change the list.
    void telescopeColumnsAndFilters()
    {
        const auto copied = [](const WindowFixture &fixture) {
            fixture.trigger(QStringLiteral("Copy Results to Clipboard"));
            return QGuiApplication::clipboard()->text();
        };
        QString plainCopy;
        {
            WindowFixture fixture;
            fixture.start();
            plainCopy = copied(fixture);
            fixture.trigger(QStringLiteral("Reserve"));
            fixture.trigger(QStringLiteral("Verdict"));
            QCOMPARE(fixture.view().model()->columnCount(), 13);
            QVERIFY(copied(fixture).startsWith(plainCopy.section(u'\r', 0, 0) + QStringLiteral("\tReserve\tVerdict\r\n")));
        }
        WindowFixture fixture;
        fixture.start();
        QCOMPARE(fixture.view().model()->headerData(12, Qt::Horizontal).toString().trimmed(), QStringLiteral("Verdict"));
        const QStringList reserves = fixture.column(11);
        QVERIFY(std::ranges::any_of(reserves, [](const QString &cell) { return cell != u"-"; }));

        fixture.trigger(QStringLiteral("Telescope and Sky..."));
        auto *dialog = fixture.window->findChild<TelescopeDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        const auto field = [dialog](const QString &name) {
            const QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
            return *std::ranges::find(fields, name, &QWidget::accessibleName);
        };
        field(QStringLiteral("Aperture"))->setText(QStringLiteral("5"));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(dialog->isVisible() && isMarked(field(QStringLiteral("Aperture"))) && !isMarked(field(QStringLiteral("Extinction"))));
        QCOMPARE(fixture.column(11), reserves);
        dialog->findChild<QComboBox *>()->setCurrentText(QStringLiteral("Bortle class"));
        field(QStringLiteral("Sky estimate"))->setText(QStringLiteral("4"));
        QTest::mouseClick(fixture.button(QStringLiteral("Set Sky Brightness")), Qt::LeftButton);
        QCOMPARE(field(QStringLiteral("Sky brightness"))->text(), QStringLiteral("20.85"));
        QVERIFY(dialog->findChild<QLabel *>("estimateNote")->text().contains(QStringLiteral("nightskyspots.com")));
        field(QStringLiteral("Aperture"))->setText(QStringLiteral("457"));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QTRY_VERIFY(!fixture.window->findChild<TelescopeDialog *>());
        QCOMPARE(fixture.window->planner().observerTexts()[ObserverField::Aperture], QStringLiteral("457"));
        QVERIFY(fixture.column(11) != reserves);

        const int listed = fixture.listed();
        fixture.button<QCheckBox>(QStringLiteral("Visible any time in the session"))->click();
        QVERIFY(fixture.listed() > listed);
        fixture.button<QCheckBox>(QStringLiteral("Only what my telescope shows"))->click();
        const QStringList verdicts = fixture.column(12);
        QVERIFY(!verdicts.isEmpty() && fixture.listed() < listed * 4);
        for (const QString &verdict : verdicts)
            QVERIFY2(QStringList({"difficult", "moderate", "easy", "very easy"}).contains(verdict), qPrintable(verdict));
        fixture.trigger(QStringLiteral("Reserve"));
        fixture.trigger(QStringLiteral("Verdict"));
        fixture.button<QCheckBox>(QStringLiteral("Visible any time in the session"))->click();
        fixture.button<QCheckBox>(QStringLiteral("Only what my telescope shows"))->click();
        QCOMPARE(copied(fixture), plainCopy);
    }

    // The white slice is what the list admits, drawn afresh each time; the horizon profile covers
    // the sky from the rim in. Azimuths are checked 60 % of the way out, 36 degrees up.
    void sliceCoversTheWindow()
    {
        using enum AzimuthWindowMode;
        const QString all = QStringLiteral("0 45 90 135 180 225 270 315");
        const struct {  // scale: of the designed 89 x 81 pixels
            double minAz, maxAz; AzimuthWindowMode mode; int scale;
            QString white, dark; std::vector<HorizonPoint> profile = {};
        } cases[] = {
            {0, 360, Inclusive, 1, all, ""},          {0, 360, Exclusive, 1, "", all},   // all, nothing but the edges
            {120, 120, Inclusive, 1, "", all},        {120, 120, Exclusive, 1, all, ""}, // equal edges
            {270, 90, Inclusive, 1, "", all},         {-1e308, 1e308, Inclusive, 1, all, ""},
            {qQNaN(), 360, Inclusive, 1, "", all},        {90, 270, Inclusive, 1, "135 180 225", "315 0 45"},
            {90, 270, Exclusive, 1, "315 0 45", "135 180 225"}, {180, 270, Inclusive, 1, "200 225 250", "290 315 0 90"},
            {60, 300, Exclusive, 1, "340 0 20", "90 180 270"},  {90, 270, Inclusive, 2, "135 180 225", "315 0 45"},
            {0, 360, Inclusive, 1, "150 180 210", "330 0 30", {{0, 60}, {180, 10}}},  // trees north, roofs south
        };
        for (const auto &test : cases) {
            SkyChart chart;
            chart.resize(89 * test.scale, 81 * test.scale);
            chart.showAzimuthWindow(AzimuthWindow{});
            const HorizonProfile horizon(test.profile);
            const AzimuthWindow window{test.minAz, test.maxAz, test.mode};
            chart.showAzimuthWindow(qIsNaN(test.minAz) ? std::nullopt : std::optional(window),
                                    test.profile.empty() ? nullptr : &horizon);
            const QImage shown = chart.grab().toImage();
            for (const auto &[azimuths, white] : {std::pair{test.white, true}, {test.dark, false}}) {
                for (const QString &azDeg : azimuths.split(u' ', Qt::SkipEmptyParts))
                    QVERIFY2(whiteAt(shown, azDeg.toDouble()) == white, qPrintable(azDeg));
            }
            QVERIFY(!whiteAt(shown, 0, 1.3) && !whiteAt(shown, 180, 1.3));  // outside the disc
        }
    }

    // Grand Rapids, 15 March 2006 from 20:00 EST for two hours, everything above the horizon: the
    // status line tells the twilight. A horizon profile cuts the list, shows on the chart and goes
    // into the defaults' seventeenth line; a bad file changes nothing but says why.
    void horizonProfile()
    {
        WindowFixture fixture;
        MainWindow &window = fixture.start();
        window.setLocationCaptions(QStringLiteral("42.93"), QStringLiteral("-85.48"));
        fixture.named(QStringLiteral("Session Length"))->setText(QStringLiteral("2"));
        fixture.type("Session Start Time", QStringLiteral("20:0:0"));
        fixture.type("Min Elevation", QStringLiteral("0"));
        QCOMPARE(fixture.status(), QStringLiteral("%1 objects listed; astronomical twilight at the start; astronomical dusk 20:23").arg(fixture.listed()));
        const int flatCount = fixture.listed();
        fixture.fakes.files.answer({writeFile("garden.hzn", "# garden\n0 0\n60 0\n70 60\n290 60\n300 0\n")});
        fixture.trigger(QStringLiteral("Load Horizon Profile..."));
        const int walledCount = fixture.listed();
        QVERIFY(window.planner().horizon() && walledCount < flatCount && fixture.messages().isEmpty());
        QVERIFY2(fixture.status().endsWith(". Horizon profile loaded from \"" + QDir::current().absoluteFilePath("garden.hzn") + "\"."),
                 qPrintable(fixture.status()));
        fixture.fakes.files.answer({writeFile("bad.hzn", "0 10\n400 5\n")});
        fixture.trigger(QStringLiteral("Load Horizon Profile..."));
        QVERIFY(fixture.messages().contains(QStringLiteral("(warning): The horizon profile was not loaded. bad.hzn, line 2: the azimuth \"400\"")));
        QCOMPARE(fixture.listed(), walledCount);

        fixture.trigger(QStringLiteral("Save Defaults"));
        const QStringList saved = QString::fromUtf8(fileBytes(DefaultsFileName)).split(QStringLiteral("\r\n"));
        QCOMPARE(saved.mid(16), (QStringList{"garden.hzn", ""}));  // each line ended
        fixture.trigger(QStringLiteral("Clear Horizon Profile"));
        QCOMPARE(fixture.listed(), flatCount);
        fixture.trigger(QStringLiteral("Load Defaults"));  // the seventeenth line brings it back
        QCOMPARE(fixture.listed(), walledCount);
        fixture.type("Min Azimuth", QStringLiteral("100"));
        QVERIFY(matchesSnapshot(*window.findChild<SkyChart *>(), QStringLiteral("sky-chart")));
        writeFile(DefaultsFileName, saved.mid(0, 16).join(QStringLiteral("\r\n")).toUtf8());
        fixture.trigger(QStringLiteral("Load Defaults"));  // without it, the horizon is flat again
        QVERIFY(!window.planner().horizon() && fixture.listed() == flatCount);
    }

    // An imported list becomes the plan: "Plan only" keeps its objects, the status line names it,
    // a name the catalog does not know is told with its line, and unchecking brings the full list
    // back. A file that cannot be read changes nothing; Clear Plan forgets the plan.
    void importedPlan()
    {
        WindowFixture fixture;
        fixture.start();
        const int fullCount = fixture.listed();
        auto *planOnly = fixture.button<QCheckBox>(QStringLiteral("Plan only"));
        QVERIFY(!planOnly->isEnabled() && !planOnly->isChecked());
        fixture.fakes.files.answer({writeFile("plan.txt", "ngc6356\r\nM 13\r\nNowhere 1\r\n")});
        fixture.trigger(QStringLiteral("Import Observing List..."));
        QStringList identifiers = fixture.column(0);
        identifiers.sort();
        QCOMPARE(identifiers, (QStringList{"NGC 6205", "NGC 6356"}));
        QVERIFY(planOnly->isEnabled() && planOnly->isChecked());
        QVERIFY2(fixture.messages().contains(QStringLiteral("(warning): The catalog does not know 1 of the names")), qPrintable(fixture.messages()));
        QVERIFY(fixture.messages().contains(QStringLiteral("Line 3, \"Nowhere 1\":")));
        QVERIFY2(fixture.status().startsWith(QStringLiteral("2 objects listed from the plan \"plan.txt\"")), qPrintable(fixture.status()));
        QTest::mouseClick(planOnly, Qt::LeftButton, {}, QPoint(8, planOnly->height() / 2));
        QCOMPARE(fixture.listed(), fullCount);

        fixture.fakes.files.answer({QDir::current().absoluteFilePath("missing.txt")});
        fixture.trigger(QStringLiteral("Import Observing List..."));
        QVERIFY(fixture.messages().contains(QStringLiteral("(warning): No list was imported. ")));
        QVERIFY(!planOnly->isChecked() && fixture.listed() == fullCount);

        // Clear Plan forgets it: the box is off and greyed, the status line no longer names it.
        planOnly->setChecked(true);
        fixture.trigger(QStringLiteral("Clear Plan"));
        QVERIFY(!planOnly->isEnabled() && !planOnly->isChecked() && fixture.listed() == fullCount);
        QVERIFY2(!fixture.status().contains(QStringLiteral("plan")), qPrintable(fixture.status()));
    }

    // A time zone typed shows its offset at the session's start in the GMT Deviation field, which
    // then cannot be typed into, and follows the date across a change of the clocks; emptied, the
    // deviation is typed again. Now takes the clock's zone where it has one.
    void timeZoneGivesTheDeviation()
    {
        WindowFixture fixture;
        fixture.start();
        QLineEdit *deviation = fixture.named("GMT Deviation");
        fixture.type("Time zone", "Europe/Berlin");
        QVERIFY(deviation->text() == "1" && deviation->isReadOnly());
        fixture.type("Date", "7/1/2006");
        QCOMPARE(deviation->text(), "2");
        fixture.type("Time zone", "");
        QVERIFY(!deviation->isReadOnly());
        fixture.fakes.clock.now = QDateTime(QDate(2026, 12, 6), QTime(21, 0), QTimeZone("America/Denver"));
        QTest::mouseClick(fixture.button(QStringLiteral("Now")), Qt::LeftButton);
        QVERIFY(fixture.named("Time zone")->text() == "America/Denver" && deviation->text() == "-7");
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
