#include "formats/catalogloader.h"
#include "formats/horizonprofilefile.h"
#include "nearcompare.h"
#include "plan/daylightnote.h"
#include "plan/nightplan.h"
#include "plan/planner.h"
#include "snapshot.h"
#include "ui/night/nightchart.h"
#include "ui/night/nightwindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTime>

#include <algorithm>
#include <limits>

// The Night window beside a planner, shown what the main window shows it: every new list, with
// the object selected in it.

namespace {

// Grand Rapids, 15 March 2006 from a local start time (EST) for two hours, everything above the
// horizon.
SessionTexts workedSession(const char *startTime)
{
    SessionTexts texts;
    const std::pair<SessionField, const char *> values[] = {
        {SessionField::Latitude, "42.93"}, {SessionField::Longitude, "-85.48"}, {SessionField::Date, "3/15/2006"},
        {SessionField::GmtDeviation, "-5"}, {SessionField::SessionLength, "2"}, {SessionField::StartTime, startTime},
        {SessionField::MinElevation, "0"}};
    for (const auto &[field, text] : values)
        texts[field] = QString::fromLatin1(text);
    return texts;
}

Catalog shippedCatalog()
{
    return loadCatalogFile(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + QStringLiteral("/data/Objects.csv")).value();
}

// What a cell shows, in an order to compare rows by; "-" after every value.
using SortValue = std::pair<QString, double>;
constexpr double Never = std::numeric_limits<double>::infinity();

SortValue identifierValue(const QString &cell)  // "NGC 891" before "NGC 1976"
{
    const qsizetype firstDigit = cell.indexOf(QRegularExpression(QStringLiteral("\\d")));
    return {cell.left(firstDigit).toLower(), cell.mid(firstDigit).section(u'-', 0, 0).toDouble()};
}

SortValue clockValue(const QString &cell)  // minutes from the noon before the night
{
    const QTime time = QTime::fromString(cell, QStringLiteral("HH:mm"));
    return {{}, time.isValid() ? (time.msecsSinceStartOfDay() / 60000 + 720) % 1440 : Never};
}

SortValue numberValue(const QString &cell)
{
    bool ok = false;
    const double value = cell.toDouble(&ok);
    return {{}, ok ? value : Never};
}

struct NightFixture {
    Planner planner;
    NightWindow window;
    const CatalogObject *selected = nullptr;

    explicit NightFixture(const char *startTime = "21:30:0")
    {
        QObject::connect(&planner, &Planner::listChanged, &window, [this] {
            window.showSession({planner.session(), &planner.list(), selected, planner.horizon()});
        });
        planner.setCatalog(shippedCatalog());
        planner.setSessionTexts(workedSession(startTime));
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the Night window did not become active");
    }

    void change(SessionField field, const QString &text)
    {
        SessionTexts texts = planner.sessionTexts();
        texts[field] = text;
        planner.setSessionTexts(texts);
    }

    void select(const CatalogObject *object)
    {
        selected = object;
        window.showSelected(object);
    }

    QTableView &table() const { return *window.findChild<QTableView *>(); }

    QStringList column(int col) const
    {
        QStringList cells;
        for (int row = 0; row < table().model()->rowCount(); ++row)
            cells << table().model()->index(row, col).data().toString();
        return cells;
    }

    void clickHeading(int col) const
    {
        QHeaderView &header = *table().horizontalHeader();
        const QPoint centre(header.sectionViewportPosition(col) + header.sectionSize(col) / 2, header.height() / 2);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, centre);
    }

    QString copiedEvents()
    {
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    }

    QString copiedTable() const
    {
        QTest::mouseClick(window.findChild<QPushButton *>(), Qt::LeftButton);
        return QGuiApplication::clipboard()->text();
    }
};

}  // namespace

class TestNightWindow : public QObject {
    Q_OBJECT

private slots:
    void followsTheListAndItsSelection()
    {
        NightFixture night;
        const QString events = night.copiedEvents();
        QVERIFY2(events.startsWith(QStringLiteral("sunset\t2006-03-15 18:4")), qPrintable(events));
        QVERIFY(events.endsWith(QStringLiteral("moon illumination\t99\n")));

        // Copy Table writes the rows as shown, in the list's order until a heading is clicked.
        const ObservingList &list = night.planner.list();
        const QStringList lines = night.copiedTable().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), list.size() + 2);  // the heading, the rows and nothing after the last line end
        QCOMPARE(lines.first(), QStringLiteral("Identifier\tFrom\tUntil\tMinutes\tBest\tBest altitude"));
        QVERIFY(lines.last().isEmpty());
        for (int row = 0; row < list.size(); ++row) {
            QStringList shown;
            for (int col = 0; col < night.table().model()->columnCount(); ++col)
                shown << night.table().model()->index(row, col).data().toString();
            QCOMPARE(lines.at(row + 1), shown.join(u'\t'));
            QCOMPARE(shown.first(), list.rows[std::size_t(row)].object->identifier);
        }

        // The selected object's path is drawn, and goes again with the selection.
        NightChart &chart = *night.window.findChild<NightChart *>();
        const QImage withoutObject = chart.grab().toImage();
        night.select(list.rows[2].object);
        QVERIFY(chart.grab().toImage() != withoutObject);
        QVERIFY(matchesSnapshot(night.window, QStringLiteral("night-window")));
        night.select(nullptr);
        QCOMPARE(chart.grab().toImage(), withoutObject);

        // A field that cannot be read empties the window, until it can be read again.
        night.change(SessionField::FaintestMagnitude, QStringLiteral("nan"));
        QCOMPARE(night.table().model()->rowCount(), 0);
        QCOMPARE(night.copiedEvents(), QStringLiteral("\n"));
        QVERIFY(night.window.findChild<QLabel *>(QStringLiteral("events"))->text().contains(QStringLiteral("cannot be shown")));
        QVERIFY(night.window.findChild<QLabel *>(QStringLiteral("moon"))->text().isEmpty());
        night.change(SessionField::FaintestMagnitude, QStringLiteral("30"));
        QCOMPARE(night.table().model()->rowCount(), night.planner.list().size());
        QCOMPARE(night.copiedEvents(), events);
    }

    // A click on a heading sorts by the values shown, ascending, and a second descending; times
    // by the instant, across midnight too. A new list keeps the order.
    void sortsByTheClickedHeading()
    {
        NightFixture night("23:0:0");  // until 01:00: the best moment of a rising object is the end
        QVERIFY(night.column(4).contains(QStringLiteral("23:00")) && night.column(4).contains(QStringLiteral("01:00")));
        const std::pair<int, SortValue (*)(const QString &)> columns[] = {
            {0, identifierValue}, {4, clockValue}, {5, numberValue}};
        const auto values = [&night](int col, SortValue (*value)(const QString &)) {
            QList<SortValue> shown;
            for (const QString &cell : night.column(col))
                shown << value(cell);
            return shown;
        };
        for (const auto &[col, value] : columns) {
            QVERIFY2(!std::ranges::is_sorted(values(col, value)), qPrintable(QString::number(col)));
            night.clickHeading(col);
            QVERIFY2(std::ranges::is_sorted(values(col, value)), qPrintable(QString::number(col)));
            night.clickHeading(col);
            QVERIFY2(std::ranges::is_sorted(values(col, value), std::greater<>()), qPrintable(QString::number(col)));
        }
        night.change(SessionField::SessionLength, QStringLiteral("3"));
        QVERIFY(std::ranges::is_sorted(values(5, numberValue), std::greater<>()));
        QCOMPARE(night.table().model()->rowCount(), night.planner.list().size());
    }

    // From sunset into the night: an object up all session is visible from the session's start
    // without darkness, and from the chosen dusk with it.
    void darknessStartsAtItsDusk()
    {
        NightFixture night("19:0:0");
        const QStringList events = night.copiedEvents().split(u'\n');
        const auto minutesAfterDusk = [&events](const char *dusk) {
            QTime from(19, 0);
            if (dusk) {
                const auto line = std::ranges::find_if(
                    events, [dusk](const QString &line) { return line.startsWith(QLatin1String(dusk) + u'\t'); });
                from = QTime::fromString(line->right(5), QStringLiteral("HH:mm"));
            }
            return from.secsTo(QTime(21, 0)) / 60;
        };
        QComboBox &chooser = *night.window.findChild<QComboBox *>();
        QCOMPARE(chooser.currentText(), QStringLiteral("Astronomical darkness"));
        const std::pair<const char *, const char *> levels[] = {{"No darkness needed", nullptr},
                                                                {"Civil darkness", "civil dusk"},
                                                                {"Nautical darkness", "nautical dusk"},
                                                                {"Astronomical darkness", "astronomical dusk"}};
        for (const auto &[caption, dusk] : levels) {
            chooser.setCurrentIndex(chooser.findText(QLatin1String(caption)));
            QCOMPARE(chooser.currentText(), QLatin1String(caption));
            QList<int> minutes;
            for (const QString &cell : night.column(3))
                minutes << cell.toInt();
            QCOMPARE_NEAR(*std::ranges::max_element(minutes), minutesAfterDusk(dusk), 1);
        }
    }

    // The chart's curves and the visibility windows, from the plan.
    void nightPlanCurvesAndProfile()
    {
        Planner planner;
        planner.setCatalog(shippedCatalog());
        planner.setSessionTexts(workedSession("21:30:0"));
        NightPlan plan;
        plan.setSession(*planner.session());
        const ListedObject &listed = planner.list().rows.at(2);
        const Result<HorizonProfile> wall =
            parseHorizonProfile({QStringLiteral("0 0"), QStringLiteral("60 0"), QStringLiteral("70 60"),
                                 QStringLiteral("290 60"), QStringLiteral("300 0")});
        QVERIFY(wall.ok());

        const NightCurves bare = plan.curves(nullptr, nullptr, &wall.value());
        QVERIFY(!bare.sun.empty() && !bare.moon.empty() && bare.object.empty() && bare.horizon.empty());
        const std::vector<ListedVisibility> flat = plan.visibility(planner.list(), nullptr, DarknessLevel::None);
        const NightCurves curves = plan.curves(listed.object, &flat.at(2).visibility, &wall.value());
        const auto atStart = std::ranges::find(curves.object, curves.session->startDays, &CurvePoint::atDays);
        QVERIFY(atStart != curves.object.end());
        QCOMPARE_NEAR(atStart->altDeg, listed.placement.start.Alt, 1e-6);
        QVERIFY(!curves.horizon.empty());
        QVERIFY(std::ranges::all_of(curves.horizon, [](const CurvePoint &point) {
            return point.altDeg >= 0.0 && point.altDeg <= 60.0;
        }));
        QVERIFY(!curves.visible.empty());

        // The wall hides, and never shows more.
        const std::vector<ListedVisibility> walled = plan.visibility(planner.list(), &wall.value(), DarknessLevel::None);
        bool hidden = false;
        for (std::size_t row = 0; row < flat.size(); ++row) {
            QVERIFY(walled[row].visibility.visibleMinutes <= flat[row].visibility.visibleMinutes);
            hidden = hidden || walled[row].visibility.visibleMinutes < flat[row].visibility.visibleMinutes;
        }
        QVERIFY(hidden);
    }

    void daylightNote_data()
    {
        QTest::addColumn<QString>("startTime");
        QTest::addColumn<QString>("ending");  // of the note
        QTest::newRow("Sun up") << "13:39:0" << "° up at the end";
        QTest::newRow("twilight, dark at the astronomical dusk") << "20:0:0" << "astronomical twilight until 20:23";
        QTest::newRow("dark") << "21:30:0" << "";
    }

    // What the status line says of the Sun at the session's ends.
    void daylightNote()
    {
        QFETCH(QString, startTime);
        QFETCH(QString, ending);
        const QString note = ::daylightNote(readSession(workedSession(qPrintable(startTime)), QLocale()).value());
        QVERIFY2(ending.isEmpty() ? note.isEmpty() : note.endsWith(ending), qPrintable(note));
    }
};

QTEST_MAIN(TestNightWindow)
#include "test_nightwindow.moc"
