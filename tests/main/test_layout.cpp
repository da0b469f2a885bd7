#include "windowfixture.h"

#include "ui/main/proportionallayout.h"

#include "ui/main/skyplot.h"

#include <QLabel>
#include <QMenuBar>

namespace {

// Every control of the window with its geometry, in a fixed order.
QList<QRect> geometries(const QList<QWidget *> &controls)
{
    QList<QRect> rects;
    for (const QWidget *control : controls)
        rects << control->geometry();
    return rects;
}

QWidget *client(Nocturo &window)
{
    return window.centralWidget();
}

// The window's own controls and the labels inside the chart; not the menus, the grid's
// inner parts or the line under the menu bar.
QList<QWidget *> laidOutControls(Nocturo &window)
{
    QList<QWidget *> controls;
    for (QWidget *child : client(window)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const auto *frame = qobject_cast<QFrame *>(child);
        if (!frame || frame->frameShape() != QFrame::HLine)
            controls << child;
    }
    for (QWidget *label : window.findChild<SkyPlot *>()->findChildren<QLabel *>())
        controls << label;
    return controls;
}

void resizeClient(Nocturo &window, QSize clientSize)
{
    window.resize(clientSize.width(), clientSize.height() + window.menuBar()->height());
    QCoreApplication::processEvents();
    QCOMPARE(client(window)->size(), clientSize);
}

}  // namespace

// The window keeps every control in proportion while it is resized.
class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void designPlacesInPixels();
    void doublingDoublesEveryControl();
    void resizingNeverDrifts();
    void resizeRegeneratesAndRedraws();
    void lineUnderMenuKeepsItsLength();
    void emptyClientAreaMovesNothing();
};

void TestLayout::designPlacesInPixels()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QCOMPARE(client(window)->size(), QSize(857, 551));  // 12855 x 8265 twips
    QCOMPARE(fixture.grid().geometry(), QRect(232, 32, 609, 513));
    QCOMPARE(window.findChild<SkyPlot *>()->geometry(), QRect(8, 456, 89, 81));
}

void TestLayout::doublingDoublesEveryControl()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QList<QWidget *> controls = laidOutControls(window);
    QVERIFY(controls.size() > 40);
    const QList<QRect> design = geometries(controls);

    resizeClient(window, QSize(2 * 857, 2 * 551));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect doubled = controls.at(i)->geometry();
        const QRect before = design.at(i);
        // Positions are rounded from the twips, so a doubled control may be one pixel off.
        QVERIFY2(qAbs(doubled.left() - 2 * before.left()) <= 1 && qAbs(doubled.top() - 2 * before.top()) <= 1
                     && qAbs(doubled.width() - 2 * before.width()) <= 1
                     && qAbs(doubled.height() - 2 * before.height()) <= 1,
                 qPrintable(controls.at(i)->objectName() + QLatin1Char(' ') + controls.at(i)->metaObject()->className()));
    }
}

void TestLayout::resizingNeverDrifts()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QList<QWidget *> controls = laidOutControls(window);
    const QList<QRect> design = geometries(controls);
    for (QSize size : {QSize(1714, 1102), QSize(431, 277), QSize(999, 333), QSize(600, 900), QSize(857, 551)})
        resizeClient(window, size);
    QCOMPARE(geometries(controls), design);
}

void TestLayout::resizeRegeneratesAndRedraws()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const int generationsBefore = window.listGenerations();
    const int listedBefore = window.resultCount();
    resizeClient(window, QSize(1200, 700));
    QCOMPARE(window.listGenerations(), generationsBefore + 1);
    QCOMPARE(window.resultCount(), listedBefore);
    auto *chart = window.findChild<SkyPlot *>();
    QCOMPARE(chart->picture().size(), chart->size() * chart->devicePixelRatioF());
}

void TestLayout::lineUnderMenuKeepsItsLength()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QFrame *line = nullptr;
    for (QFrame *frame : client(window)->findChildren<QFrame *>(Qt::FindDirectChildrenOnly))
        if (frame->frameShape() == QFrame::HLine)
            line = frame;
    QVERIFY(line);
    const QRect designLine = line->geometry();
    resizeClient(window, QSize(1500, 1000));
    QCOMPARE(line->geometry(), designLine);
}

void TestLayout::emptyClientAreaMovesNothing()
{
    QWidget control;
    control.setGeometry(10, 20, 30, 40);
    ProportionalLayout layout;
    layout.RecordControlRatios(&control, QRect(150, 300, 450, 600), QSize(12855, 8265));
    layout.placeControls(QSize(0, 551));  // a minimised window reports no area
    QCOMPARE(control.geometry(), QRect(10, 20, 30, 40));
    layout.placeControls(QSize(857, 551));
    QCOMPARE(control.geometry(), QRect(10, 20, 30, 40));
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
