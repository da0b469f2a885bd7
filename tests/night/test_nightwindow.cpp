#include "snapshot.h"
#include "ui/main/skyplot.h"
#include "ui/night/nightchart.h"
#include "ui/night/nightwindow.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QPushButton>

namespace {

// Grand Rapids, 15 March 2006 from 21:30 EST for two hours, everything above the horizon.
Nocturo &startWorkedSession(WindowFixture &fixture, const QString &time = QStringLiteral("21:30:0"))
{
    Nocturo &window = fixture.start();
    window.setLocationCaptions(QStringLiteral("42.93"), QStringLiteral("-85.48"));
    for (const auto &[name, text] : {std::pair{"txtDate", "3/15/2006"}, {"txtGMTDev", "-5"}, {"txtSessLen", "2"}})
        fixture.field(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    fixture.type("txtTime", time);
    fixture.type("MinElev", QStringLiteral("0"));
    return window;
}

}  // namespace

// The night around the list: the Night window, the horizon profile, night vision, the note on
// the Sun, all driven through the main window as an observer would.

class TestNightWindow : public QObject {
    Q_OBJECT

private slots:
    void followsTheListAndItsSelection()
    {
        WindowFixture fixture;
        Nocturo &window = startWorkedSession(fixture);
        fixture.trigger(QStringLiteral("Night"));
        NightWindow *night = window.nightWindowShown();
        QVERIFY(night && night->isVisible());

        night->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(night));
        QTest::keyClick(night, Qt::Key_C, Qt::ControlModifier);
        const QString events = QGuiApplication::clipboard()->text();
        QVERIFY2(events.startsWith(QStringLiteral("sunset\t2006-03-15 18:4")), qPrintable(events));
        QVERIFY(events.endsWith(QStringLiteral("moon illumination\t99\n")));
        QVERIFY(night->chart().scene().object.empty());

        // A click selects; the chart's curve passes through the grid's altitude at the start.
        FlexGrid &grid = fixture.grid();
        WindowFixture::click(grid.viewport(), grid.visualRect(grid.model()->index(2, 0)).center());
        const QString identifier = grid.TextMatrix(3, 0);
        QCOMPARE(window.selectedObject()->Identifier, identifier);
        const std::vector<CurvePoint> &curve = night->chart().scene().object;
        const auto atStart = std::ranges::find(curve, night->chart().scene().session->startDays, &CurvePoint::atDays);
        QVERIFY(atStart != curve.end());
        QCOMPARE(QString::number(atStart->altDeg, 'f', 2), grid.TextMatrix(3, 4));
        QVERIFY(matchesSnapshot(*night, QStringLiteral("night-window")));

        // A new list keeps the selection while the object is listed, and drops it when not.
        fixture.type("MinMag", QStringLiteral("29"));
        QCOMPARE(grid.TextMatrix(grid.Row(), 0), identifier);
        QCOMPARE(window.selectedObject()->Identifier, identifier);
        fixture.type("MinElev", QStringLiteral("89"));
        QCOMPARE(window.selectedObject(), nullptr);
        QVERIFY(night->chart().scene().object.empty());

        // A session in twilight: fewer minutes once darkness is asked for than without it.
        fixture.type("MinElev", QStringLiteral("0"));
        fixture.type("txtTime", QStringLiteral("19:0:0"));
        QTest::mouseClick(night->findChild<QPushButton *>(), Qt::LeftButton);  // Copy Table
        const QString dark = QGuiApplication::clipboard()->text();
        night->findChild<QComboBox *>()->setCurrentIndex(int(DarknessLevel::None));
        QVERIFY(night->tableText() != dark);
        QVERIFY(dark.startsWith(QStringLiteral("Identifier\tFrom\tUntil\tMinutes\tBest\tBest altitude\r\n")));

        // A sorted table stays sorted through a new list; a field that cannot be read empties it all.
        const auto bestAltitudes = [night] {
            QList<double> column;
            for (int row = 1; row < night->table().Rows(); ++row)
                column << night->table().TextMatrix(row, 5).toDouble();
            return column;
        };
        QVERIFY(bestAltitudes().size() > 3 && !std::ranges::is_sorted(bestAltitudes()));
        WindowFixture::clickHeading(night->table(), 5);
        fixture.type("txtSessLen", QStringLiteral("3"));
        QCOMPARE(night->tableText().count(u'\n'), window.resultCount() + 1);
        QVERIFY(std::ranges::is_sorted(bestAltitudes()));
        WindowFixture::clickHeading(night->table(), 5);
        QVERIFY(std::ranges::is_sorted(bestAltitudes(), std::greater<>()));
        fixture.type("MinMag", QStringLiteral("nan"));
        QVERIFY(night->chart().scene().sun.empty() && night->table().Rows() == 1 && night->eventsText() == u"\n");
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
        Nocturo &window = startWorkedSession(fixture);
        const int flatCount = window.resultCount();
        fixture.fakes.files.answer({writeFile(QStringLiteral("garden.hzn"), profile)});

        fixture.trigger(QStringLiteral("Load Horizon Profile..."));
        window.saveDef_Click();

        const QStringList saved = QString::fromUtf8(fileBytes(QStringLiteral("defaults.txt"))).split(QStringLiteral("\r\n"));
        QVERIFY2(fixture.messages().contains(problem), qPrintable(fixture.messages()));
        QCOMPARE(fixture.messages().isEmpty(), problem.isEmpty());
        QCOMPARE(window.horizon() != nullptr, problem.isEmpty());
        QCOMPARE(window.resultCount() < flatCount, problem.isEmpty());
        QCOMPARE(saved.size(), problem.isEmpty() ? 18 : 17);  // 17 or 16 lines, each ended
        if (!problem.isEmpty())
            return;
        QCOMPARE(saved.at(16), QStringLiteral("garden.hzn"));
        fixture.trigger(QStringLiteral("Clear Horizon Profile"));
        QCOMPARE(window.resultCount(), flatCount);
        window.loadDef_Click();  // the seventeenth line brings it back
        QVERIFY(window.horizon() && window.resultCount() < flatCount);
        fixture.type("MinAz", QStringLiteral("100"));
        QVERIFY(matchesSnapshot(*window.findChild<SkyPlot *>(), QStringLiteral("sky-chart")));
        writeFile(QStringLiteral("defaults.txt"), saved.mid(0, 16).join(QStringLiteral("\r\n")).toUtf8());
        window.loadDef_Click();  // without it, the horizon is flat again
        QVERIFY(!window.horizon() && window.resultCount() == flatCount);
    }

    void daylightNote()
    {
        WindowFixture fixture;
        Nocturo &window = startWorkedSession(fixture, QStringLiteral("13:39:0"));
        QVERIFY2(window.listStatus().contains(QStringLiteral("° up at the start")), qPrintable(window.listStatus()));
        fixture.type("txtTime", QStringLiteral("20:0:0"));
        QVERIFY2(window.listStatus().endsWith(QStringLiteral("astronomical twilight until 20:23")), qPrintable(window.listStatus()));
    }

};

QTEST_MAIN(TestNightWindow)
#include "test_nightwindow.moc"
