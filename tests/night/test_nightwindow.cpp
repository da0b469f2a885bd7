#include "formats/catalogloader.h"
#include "formats/horizonprofilefile.h"
#include "nearcompare.h"
#include "plan/daylightnote.h"
#include "plan/nighteventlines.h"
#include "plan/planner.h"
#include "snapshot.h"
#include "ui/common/nightvision.h"
#include "ui/night/nightchart.h"
#include "ui/night/nightwindow.h"
#include "ui/night/visibilitytablemodel.h"
#include "workedsession.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTime>

#include <algorithm>

// The Night window beside a planner, shown what the main window shows it: every new list, and
// the object selected in it.

namespace {

// What a cell shows, as a value to order rows by: a time as minutes from the noon before the
// night, an identifier by its letters and then its number ("NGC 891" before "NGC 1976"), a
// number by its value; "-" after every value.
std::pair<QString, double> valueOf(const QString &cell)
{
    const QTime time = QTime::fromString(cell, QStringLiteral("HH:mm"));
    if (time.isValid())
        return {{}, double((time.msecsSinceStartOfDay() / 60000 + 720) % 1440)};
    const qsizetype firstDigit = std::ranges::find_if(cell, [](QChar c) { return c.isDigit(); }) - cell.begin();
    return {cell.left(firstDigit).toLower(), cell == u"-" ? 1e9 : cell.mid(firstDigit).section(u'-', 0, 0).toDouble()};
}

struct NightFixture {
    Planner planner;
    NightWindow window;
    std::optional<NightSeeing> seeing;  // none: the window is not asked to judge it

    // The worked session, everything above the horizon.
    NightFixture()
    {
        QObject::connect(&planner, &Planner::listChanged, &window, [this] { showList(); });
        planner.setCatalog(loadCatalogFile(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/Objects.csv").value());
        planner.setSessionTexts(workedSessionTexts());
        change(SessionField::MinElevation, QStringLiteral("0"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void showList(const CatalogObject *selected = nullptr)
    {
        window.showSession({planner.session(), &planner.list(), selected, planner.horizon(), seeing});
    }

    void change(SessionField field, const QString &text)
    {
        SessionTexts texts = planner.sessionTexts();
        texts[field] = text;
        planner.setSessionTexts(texts);
    }

    QTableView &table() const { return *window.findChild<QTableView *>(); }
    QString cell(int row, int col) const { return table().model()->index(row, col).data().toString(); }
    QStringList column(int col) const
    {
        QStringList cells;
        for (int row = 0; row < table().model()->rowCount(); ++row)
            cells << cell(row, col);
        return cells;
    }
    void clickHeading(int col) const
    {
        QTest::mouseClick(table().horizontalHeader()->viewport(), Qt::LeftButton, {}, {table().columnViewportPosition(col) + 5, 5});
    }
    QString copiedEvents()
    {
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    }
};

}  // namespace

class TestNightWindow : public QObject {
    Q_OBJECT

private slots:
    void followsThePlanner()
    {
        // The events of the night in time order, moonrise among the Sun's events, each as the
        // command line writes it; the rows in the list's order until a heading is clicked; the
        // selected object's path is drawn, and goes again with the selection. A session dark
        // throughout brings no note on the Sun.
        NightFixture night;
        const QString events = night.copiedEvents();
        QVERIFY2(events.startsWith("sunset\t2006-03-15 18:4") && events.endsWith("moon illumination\t99\n"), qPrintable(events));
        NightPlan plan;
        plan.setSession(*night.planner.session());
        QStringList inTimeOrder = events.split(u'\n', Qt::SkipEmptyParts);
        QStringList inFixedOrder = nightEventLines(plan.events(), -5);
        QVERIFY2(std::ranges::is_sorted(inTimeOrder.mid(0, inTimeOrder.size() - 1), {},
                                        [](const QString &line) { return line.section(u'\t', 1); }), qPrintable(events));
        std::ranges::sort(inTimeOrder);
        std::ranges::sort(inFixedOrder);
        QCOMPARE(inTimeOrder, inFixedOrder);
        QVERIFY(::daylightNote(*night.planner.session()).isEmpty());
        const ObservingList &list = night.planner.list();
        QCOMPARE(night.column(0), listedIdentifiers(list));
        NightChart &chart = *night.window.findChild<NightChart *>();
        const QImage withoutObject = chart.grab().toImage();
        night.window.showSelected(list.rows[2].object);
        QVERIFY(chart.grab().toImage() != withoutObject);
        QVERIFY(matchesSnapshot(night.window, QStringLiteral("night-window")));
        applyNightVision(true);  // every colour of the chart and the table a shade of red
        QCoreApplication::processEvents();
        QVERIFY(matchesSnapshot(night.window, QStringLiteral("night-window-night-vision")));
        applyNightVision(false);
        QCoreApplication::processEvents();
        night.window.showSelected(nullptr);
        QCOMPARE(chart.grab().toImage(), withoutObject);

        // The chart's curves and the visibility windows, from the plan: the object's path passes
        // its listed altitude at the start, the profile stays within its own heights, and a wall
        // in the north hides.
        const Result<HorizonProfile> wall = parseHorizonProfile(u"0 60\n60 60\n70 0\n290 0\n300 60");
        QVERIFY(wall.ok());
        const std::vector<ListedVisibility> flat = plan.visibility(list, nullptr, DarknessLevel::None);
        const NightCurves curves = plan.curves(list.rows[2].object, &flat.at(2).visibility, &wall.value());
        const auto atStart = std::ranges::find(curves.object, curves.session->startDays, &CurvePoint::atDays);
        QVERIFY(atStart != curves.object.end() && !curves.visible.empty() && !curves.horizon.empty());
        QCOMPARE_NEAR(atStart->altDeg, list.rows[2].placement.start.Alt, 1e-6);
        QVERIFY(std::ranges::all_of(curves.horizon, [](const CurvePoint &point) { return point.altDeg >= 0.0 && point.altDeg <= 60.0; }));
        const std::vector<ListedVisibility> walled = plan.visibility(list, &wall.value(), DarknessLevel::None);
        QVERIFY(walled.at(2).visibility.visibleMinutes < flat.at(2).visibility.visibleMinutes);

        // A field that cannot be read empties the window, until it can be read again.
        night.change(SessionField::FaintestMagnitude, QStringLiteral("nan"));
        QCOMPARE(night.column(0), QStringList());
        QCOMPARE(night.copiedEvents(), QStringLiteral("\n"));
        QVERIFY(night.window.findChild<QLabel *>("events")->text().contains("cannot be shown")
                && night.window.findChild<QLabel *>("moon")->text().isEmpty());
        night.change(SessionField::FaintestMagnitude, QStringLiteral("30"));
        QCOMPARE(night.copiedEvents(), events);

        // From sunset into the night: an object up all session is visible from the session's
        // start without darkness, and from the chosen dusk with it. The note on the Sun tells of
        // the twilight at the start, or of the Sun still up at the end of an afternoon session.
        night.change(SessionField::StartTime, QStringLiteral("13:39:0"));
        QVERIFY(::daylightNote(*night.planner.session()).endsWith(QStringLiteral("° up at the end")));
        night.change(SessionField::StartTime, QStringLiteral("19:0:0"));
        QCOMPARE(::daylightNote(*night.planner.session()), QStringLiteral("civil twilight at the start; astronomical dusk 20:23"));
        const QString duskEvents = night.copiedEvents();
        QComboBox &chooser = *night.window.findChild<QComboBox *>();
        QCOMPARE(chooser.currentText(), QStringLiteral("Astronomical darkness"));
        const std::pair<const char *, const char *> levels[] = {{"No darkness needed", nullptr}, {"Civil darkness", "civil dusk"},
            {"Nautical darkness", "nautical dusk"}, {"Astronomical darkness", "astronomical dusk"}};
        // The selected object's visible stretch on the chart follows the level too.
        night.showList(night.planner.list().rows.front().object);
        QList<QImage> charts;
        for (const auto &[caption, dusk] : levels) {
            chooser.setCurrentIndex(chooser.findText(QLatin1String(caption)));
            QCOMPARE(chooser.currentText(), QLatin1String(caption));
            charts << chart.grab().toImage();
            const QString from = dusk ? duskEvents.section(QLatin1String(dusk) + "\t2006-03-15 ", 1, 1).left(5) : "19:00";
            const QString most = std::ranges::max(night.column(3), {}, [](const QString &minutes) { return minutes.toInt(); });
            QCOMPARE_NEAR(most.toInt(), QTime::fromString(from, QStringLiteral("HH:mm")).secsTo(QTime(21, 0)) / 60, 1);
        }
        QVERIFY(charts.front() != charts.back());

        // A click on a heading sorts by the values shown, ascending, and a second descending;
        // times by the instant, across midnight too. A new list keeps the order.
        night.change(SessionField::StartTime, QStringLiteral("23:0:0"));  // until 01:00: a rising object is best at the end
        QVERIFY(night.column(4).contains(QStringLiteral("23:00")) && night.column(4).contains(QStringLiteral("01:00")));
        for (const int col : {0, 4, 5}) {
            QVERIFY2(!std::ranges::is_sorted(night.column(col), {}, valueOf), qPrintable(QString::number(col)));
            night.clickHeading(col);
            QVERIFY2(std::ranges::is_sorted(night.column(col), {}, valueOf), qPrintable(QString::number(col)));
            night.clickHeading(col);
            QVERIFY2(std::ranges::is_sorted(night.column(col), std::greater<>(), valueOf), qPrintable(QString::number(col)));
        }
        night.change(SessionField::SessionLength, QStringLiteral("3"));
        QVERIFY(std::ranges::is_sorted(night.column(5), std::greater<>(), valueOf));
        QCOMPARE(night.column(0).size(), night.planner.list().size());

        // Copy Table writes the rows as shown.
        QString table = QStringLiteral("Identifier\tFrom\tUntil\tMinutes\tBest\tBest altitude\r\n");
        for (int row = 0; row < list.size(); ++row)
            table += QStringList{night.cell(row, 0), night.cell(row, 1), night.cell(row, 2), night.cell(row, 3),
                                 night.cell(row, 4), night.cell(row, 5)}.join(u'\t') + QStringLiteral("\r\n");
        QTest::mouseClick(night.window.findChild<QPushButton *>(), Qt::LeftButton);  // Copy Table
        QCOMPARE(QGuiApplication::clipboard()->text(), table);
    }

    // Under the observer's sky and telescope each row tells what the object shows at its best
    // moment, from the night's minutes: a darker sky shows every object with light better, the
    // magnification is one of the telescope's, the near-full Moon of the worked night lights the
    // sky, and the columns sort by their values. The selected object's reserve is drawn in its
    // own colour on a second scale; without the seeing the window is as before.
    void judgesSeeingAtEachBestMoment()
    {
        NightFixture night;
        NightChart &chart = *night.window.findChild<NightChart *>();
        const CatalogObject *m42 = nullptr;
        for (const ListedObject &row : night.planner.list().rows)
            m42 = row.object->messier == u"42" ? row.object : m42;
        QVERIFY(m42);
        night.showList(m42);
        const QImage plain = chart.grab().toImage();
        const QString plainTable = night.window.findChild<VisibilityTableModel *>()->text();

        const auto judged = [&](double zenithSqm) {
            night.seeing = NightSeeing{ObserverSky{zenithSqm, 0.2}, Telescope{200.0, {40.0, 120.0}}};
            night.showList(m42);
            return std::pair{night.column(8), night.column(6)};  // Reserve, Moon
        };
        const auto [brightReserves, moon] = judged(18.0);
        const auto [darkReserves, darkMoon] = judged(22.0);
        QCOMPARE(night.table().model()->columnCount(), 11);
        QVERIFY(night.window.findChild<VisibilityTableModel *>()->text().startsWith(
            "Identifier\tFrom\tUntil\tMinutes\tBest\tBest altitude\tMoon\tSky\tReserve\tVerdict\tMagnification\r\n"));
        int judgedRows = 0;
        for (int row = 0; row < brightReserves.size(); ++row) {
            if (darkReserves[row] == u"-")
                continue;
            ++judgedRows;
            QVERIFY2(darkReserves[row].toDouble() > brightReserves[row].toDouble(), qPrintable(night.cell(row, 0)));
            QVERIFY(QStringList({"40", "120"}).contains(night.cell(row, 10)));
            QVERIFY(QStringList({"not visible", "doubtful", "difficult", "moderate", "easy", "very easy"}).contains(night.cell(row, 9)));
            QVERIFY2(night.cell(row, 7).toDouble() < 21.0, qPrintable(night.cell(row, 7)));  // the Moon's light
        }
        QVERIFY(judgedRows > 10 && moon.count(QStringLiteral("-")) < moon.size());
        const auto reserveValue = [](const QString &cell) { return cell == u"-" ? 1e9 : cell.toDouble(); };
        for (const int col : {8, 9}) {  // the verdicts in the reserve's order
            night.clickHeading(col);
            QVERIFY2(std::ranges::is_sorted(night.column(8), {}, reserveValue), qPrintable(QString::number(col)));
        }

        const QImage withReserve = chart.grab().toImage();
        const auto reservePixels = [](const QImage &image) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixelColor(x, y) == QColor(255, 150, 60);
            return count;
        };
        QVERIFY(reservePixels(withReserve) > 50 && reservePixels(plain) == 0);
        QVERIFY(matchesSnapshot(night.window, QStringLiteral("night-window-reserve")));  // also the guide's picture
        night.seeing.reset();
        night.showList(m42);
        QCOMPARE(chart.grab().toImage(), plain);
        QCOMPARE(night.window.findChild<VisibilityTableModel *>()->text(), plainTable);
    }

    // The minimum elevation shows over the grid, also on one of its lines; a curve below the
    // chart's floor leaves through the bottom edge instead of running along it.
    void chartShowsLevelsAndCurvesAsTheyAre()
    {
        NightFixture night;
        NightPlan plan;
        plan.setSession(*night.planner.session());
        NightChart chart;
        chart.resize(480, 270);
        const auto drawn = [&chart](const NightCurves &curves) {
            chart.setCurves(curves);
            return chart.grab().toImage();
        };
        // The line in full over the grid line, not only a fringe that antialiasing leaves.
        const auto strongestChange = [](const QImage &before, const QImage &after) {
            int most = 0;
            for (int y = 0; y < before.height(); ++y)
                for (int x = 0; x < before.width(); ++x) {
                    const QColor was = before.pixelColor(x, y), is = after.pixelColor(x, y);
                    most = std::max({most, std::abs(was.red() - is.red()), std::abs(was.green() - is.green()),
                                     std::abs(was.blue() - is.blue())});
                }
            return most;
        };
        NightCurves curves = plan.curves(nullptr, nullptr, nullptr);
        curves.minElevDeg = 30.0;
        const QImage at30 = drawn(curves);
        curves.minElevDeg = 60.0;
        QCOMPARE_GE(strongestChange(at30, drawn(curves)), 128);
        curves.moon.clear();
        const QImage withoutMoon = drawn(curves);
        curves.moon = {{curves.shown.startDays, -30.0}, {curves.shown.endDays, -25.0}};
        QCOMPARE(drawn(curves), withoutMoon);
    }
};

QTEST_MAIN(TestNightWindow)
#include "test_nightwindow.moc"
