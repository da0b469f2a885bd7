#include "snapshot.h"
#include "ui/year/yearwindow.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableView>
#include <QToolTip>

// The Year window opened from the main window's View menu, on the start-up session (the clock's
// 15 March 2006, at 0° 0° on UTC): the selected object's year as a heat map, or the list's best nights.

namespace {

// Long enough for the whole catalog's year in a build with sanitizers.
constexpr int WorkTimeoutMs = 120000;

struct YearFixture : WindowFixture {
    YearWindow *year = nullptr;

    YearFixture()
    {
        start();
        type(QStringLiteral("GMT Deviation"), QStringLiteral("0"));
        trigger(QStringLiteral("Year"));
        year = window->findChild<YearWindow *>();
    }

    void select(int row) const
    {
        QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, view().visualRect(view().model()->index(row, 0)).center());
    }
    QWidget &map() const { return *year->findChild<QWidget *>(QStringLiteral("yearMap")); }
    QTableView &table() const { return *year->findChild<QTableView *>(); }
    bool working() const { return year->findChild<QProgressBar *>()->isVisible(); }
    QStringList column(int col) const
    {
        QStringList cells;
        for (int row = 0; row < table().model()->rowCount(); ++row)
            cells << table().model()->index(row, col).data().toString();
        return cells;
    }
    // What hovering at a share of the map's width, halfway down, tells: one figure a line.
    QStringList tipAt(double share) const
    {
        const QPoint at(int(map().width() * share), map().height() / 2);
        QHelpEvent hover(QEvent::ToolTip, at, map().mapToGlobal(at));
        QApplication::sendEvent(&map(), &hover);
        return QToolTip::text().split(u'\n');
    }
    // The session's date after a click at a share of the map's width, halfway down.
    QString dateAfterClickAt(double share) const
    {
        QTest::mouseClick(&map(), Qt::LeftButton, {}, QPoint(int(map().width() * share), map().height() / 2));
        return named("Date")->text();
    }
};

}  // namespace

class TestYearWindow : public QObject {
    Q_OBJECT

private slots:
    // The heat map of the first listed object, and a click on a night that makes it the
    // session's date: a new list.
    void heatMapChoosesTheNight()
    {
        YearFixture fixture;
        QVERIFY(fixture.year && fixture.year->isVisible());
        fixture.year->resize(820, 480);
        fixture.select(0);
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.working(), WorkTimeoutMs);
        QVERIFY(matchesSnapshot(fixture.map(), QStringLiteral("year-map")));

        fixture.lists->clear();
        const QDate spring = QDate::fromString(fixture.dateAfterClickAt(0.3), QStringLiteral("M/d/yyyy"));
        const QDate autumn = QDate::fromString(fixture.dateAfterClickAt(0.7), QStringLiteral("M/d/yyyy"));
        QVERIFY2(spring.year() == 2006 && autumn.year() == 2006 && spring.month() < autumn.month(),
                 qPrintable(spring.toString() + u' ' + autumn.toString()));
        QCOMPARE(fixture.lists->size(), 2);
    }

    // With a column of what the telescope shows, the map colours the visible minutes by verdict
    // and a night tells its minutes "difficult" or better, which are some of its visible ones;
    // without the column the map is coloured by altitude again.
    void reserveMapWithTelescope()
    {
        YearFixture fixture;
        fixture.year->resize(820, 480);
        fixture.trigger(QStringLiteral("Verdict"));
        fixture.select(0);
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.working(), WorkTimeoutMs);
        QVERIFY(matchesSnapshot(fixture.map(), QStringLiteral("year-map-reserve")));
        const QStringList night = fixture.tipAt(0.3);
        QCOMPARE(night.size(), 4);
        const int visible = night[1].section(u' ', 1, 1).toInt();
        const int shown = night[3].section(u' ', 3, 3).toInt();
        QVERIFY2(night[3].startsWith(QStringLiteral("Difficult or better ")) && shown > 0 && shown <= visible,
                 qPrintable(night.join(u'|')));

        fixture.trigger(QStringLiteral("Verdict"));
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.working(), WorkTimeoutMs);
        QCOMPARE(fixture.tipAt(0.3).size(), 3);
    }

    // With nothing selected, every object the filters let through, sortable and copied as shown.
    void bestNightsSortAndCopy()
    {
        YearFixture fixture;
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.working(), WorkTimeoutMs);
        QVERIFY(fixture.table().isVisible());
        QVERIFY2(fixture.table().model()->rowCount() > 100, qPrintable(QString::number(fixture.table().model()->rowCount())));
        QTest::mouseClick(fixture.table().horizontalHeader()->viewport(), Qt::LeftButton, {},
                          {fixture.table().columnViewportPosition(2) + 5, 5});
        QTest::mouseClick(fixture.table().horizontalHeader()->viewport(), Qt::LeftButton, {},
                          {fixture.table().columnViewportPosition(2) + 5, 5});
        const QStringList minutes = fixture.column(2);
        QVERIFY(std::ranges::is_sorted(minutes, std::greater{}, [](const QString &cell) { return cell.toInt(); }));
        QVERIFY(minutes.first().toInt() > 0);
        for (const QString &night : fixture.column(1))
            QVERIFY2(QDate::fromString(night, Qt::ISODate).year() == 2006, qPrintable(night));

        QTest::keyClick(fixture.year, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("Identifier\tBest night\tMoonless minutes"));
        QCOMPARE(lines.size(), minutes.size() + 2);  // the headings, and nothing after the last CR LF
        QCOMPARE(lines[1], fixture.column(0).first() + u'\t' + fixture.column(1).first() + u'\t' + minutes.first());
    }

    // Cancelled work leaves no table, and another year works it out anew.
    void cancelLeavesNoResult()
    {
        YearFixture fixture;
        QVERIFY(fixture.working());
        QTest::mouseClick(fixture.button(QStringLiteral("Cancel")), Qt::LeftButton);
        QVERIFY(!fixture.working());
        QTest::qWait(2000);  // what the stopped work would have sent back
        QCOMPARE(fixture.table().model()->rowCount(), 0);

        fixture.year->findChild<QSpinBox *>()->setValue(2007);
        QVERIFY(fixture.working());
        QTRY_VERIFY_WITH_TIMEOUT(fixture.table().model()->rowCount() > 0, WorkTimeoutMs);
        QCOMPARE(QDate::fromString(fixture.column(1).first(), Qt::ISODate).year(), 2007);
    }
};

QTEST_MAIN(TestYearWindow)
#include "test_yearwindow.moc"
