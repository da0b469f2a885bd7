#include "windowfixture.h"

#include "ui/main/proportionallayout.h"
#include "ui/main/skyplot.h"

#include <QMenuBar>

// The window keeps every control in proportion while it is resized.
class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void resizingKeepsEveryControlInProportion();
    void emptyClientAreaMovesNothing();
};

void TestLayout::resizingKeepsEveryControlInProportion()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QWidget *client = window.centralWidget();
    auto *chart = window.findChild<SkyPlot *>();
    QCOMPARE(client->size(), QSize(857, 551));  // 12855 x 8265 twips
    QCOMPARE(fixture.grid().geometry(), QRect(232, 32, 609, 513));
    QCOMPARE(chart->geometry(), QRect(8, 456, 89, 81));

    // The window's own controls and the labels inside the chart; the line under the menu bar apart.
    QList<QWidget *> controls = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    controls += chart->findChildren<QWidget *>();
    const QList<QFrame *> frames = client->findChildren<QFrame *>(Qt::FindDirectChildrenOnly);
    const auto lineAt = std::ranges::find(frames, QFrame::HLine, &QFrame::frameShape);
    QVERIFY(lineAt != frames.end() && controls.removeOne(*lineAt) && controls.size() > 40);
    QFrame *line = *lineAt;
    const QRect designLine = line->geometry();
    const auto geometries = [&controls] {
        QList<QRect> rects;
        for (const QWidget *control : controls)
            rects << control->geometry();
        return rects;
    };
    const QList<QRect> design = geometries();
    const auto resizeClient = [&](QSize size) {
        window.resize(size.width(), size.height() + window.menuBar()->height());
        QCoreApplication::processEvents();
        return client->size() == size;
    };

    const int generationsBefore = window.listGenerations();
    QVERIFY(resizeClient(QSize(2 * 857, 2 * 551)));
    QCOMPARE(window.listGenerations(), generationsBefore + 1);
    QCOMPARE(chart->picture().size(), chart->size() * chart->devicePixelRatioF());
    QCOMPARE(line->geometry(), designLine);
    const auto doubled = [](int now, int before) { return qAbs(now - 2 * before) <= 1; };  // rounded from twips
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect now = controls.at(i)->geometry();
        const QRect before = design.at(i);
        QVERIFY2(doubled(now.x(), before.x()) && doubled(now.y(), before.y()) && doubled(now.width(), before.width())
                     && doubled(now.height(), before.height()), controls.at(i)->metaObject()->className());
    }
    for (QSize size : {QSize(431, 277), QSize(999, 333), QSize(600, 900), QSize(857, 551)})
        QVERIFY(resizeClient(size));
    QCOMPARE(geometries(), design);
}

void TestLayout::emptyClientAreaMovesNothing()
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

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
