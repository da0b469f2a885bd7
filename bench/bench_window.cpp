#include "benchcatalog.h"
#include "benchmain.h"
#include "../tests/support/fakeplatform.h"

#include "formats/defaultsfile.h"
#include "formats/textfile.h"
#include "ui/main/mainwindow.h"
#include "ui/night/nightchart.h"
#include "ui/night/nightwindow.h"
#include "ui/year/yearmapimage.h"
#include "ui/results/resultsview.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <memory>

// The window as the observer uses it, at the shipped catalog's size and at the whole OpenNGC's:
// a regeneration, leaving a field, a resize step, the start-up, the memory it holds, the Night
// window's redraw.

namespace {

// A working folder holding the catalog and a defaults file that lists every object of it, made
// current for as long as the benchmark runs.
struct CatalogFolder {
    QTemporaryDir folder;

    explicit CatalogFolder(int objectCount)
    {
        writeTextFile(folder.filePath(QStringLiteral("Objects.csv")), everyObjectListableCatalog(objectCount));
        writeTextFile(folder.filePath(DefaultsFileName), defaultsText(SavedDefaults{everythingListedSession(), DefaultCatalogFile, {}}));
        QDir::setCurrent(folder.path());
    }
};

// A started window whose session is the one every object is listed in.
std::unique_ptr<MainWindow> startedWindow(FakePlatform &fakes)
{
    fakes.clock.now = QDateTime(QDate(2006, 3, 15), QTime(21, 30, 0), QTimeZone(-5 * 3600));
    auto window = std::make_unique<MainWindow>(fakes.platform());
    window->start();
    return window;
}

void checkEverythingListed(benchmark::State &state, const MainWindow &window)
{
    if (window.planner().list().size() != int(state.range(0)))
        state.SkipWithError("not every object was listed");
}

void BM_WindowRegeneration(benchmark::State &state)
{
    CatalogFolder catalog(int(state.range(0)));
    FakePlatform fakes;
    auto window = startedWindow(fakes);
    for (auto _ : state)
        window->generateList();
    checkEverythingListed(state, *window);
}
BENCHMARK(BM_WindowRegeneration)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

// Typing into a field and leaving it: the field's rule, the list, the chart, the status line.
void BM_LeaveField(benchmark::State &state)
{
    CatalogFolder catalog(int(state.range(0)));
    FakePlatform fakes;
    auto window = startedWindow(fakes);
    QLineEdit *field = nullptr;
    for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
        if (edit->accessibleName() == sessionFieldCaption(SessionField::FaintestMagnitude))
            field = edit;
    }
    bool brighter = false;
    for (auto _ : state) {
        brighter = !brighter;
        field->setText(brighter ? QStringLiteral("98") : QStringLiteral("99"));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &leave);
    }
    checkEverythingListed(state, *window);
}
BENCHMARK(BM_LeaveField)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

// One resize step: the list regenerated, every control moved, the chart redrawn.
void BM_ResizePass(benchmark::State &state)
{
    CatalogFolder catalog(int(state.range(0)));
    FakePlatform fakes;
    auto window = startedWindow(fakes);
    const int frameHeight = window->height() - window->centralWidget()->height();
    bool wider = false;
    for (auto _ : state) {
        wider = !wider;
        window->resize(wider ? 1000 : 900, (wider ? 640 : 600) + frameHeight);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    checkEverythingListed(state, *window);
}
BENCHMARK(BM_ResizePass)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

// The resident memory of the process, in megabytes, as the system counts it.
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0.0;
}

// From creating the window to the first complete list, with the catalog as the default one;
// the memory the process holds with it loaded is reported beside.
void BM_StartUp(benchmark::State &state)
{
    CatalogFolder catalog(int(state.range(0)));
    double megabytes = 0.0;
    for (auto _ : state) {
        FakePlatform fakes;
        auto window = startedWindow(fakes);
        checkEverythingListed(state, *window);
        megabytes = residentMegabytes();
    }
    state.counters["resident_MB"] = megabytes;
}
BENCHMARK(BM_StartUp)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond)->Iterations(5);

// Painting the Night window's chart, with the Sun, the Moon and a selected object.
void BM_NightChartRedraw(benchmark::State &state)
{
    CatalogFolder catalog(ShippedObjects);
    FakePlatform fakes;
    auto window = startedWindow(fakes);
    auto *view = window->findChild<ResultsView *>();
    view->setCurrentIndex(view->model()->index(0, 0));
    for (QAction *action : window->menuBar()->findChildren<QAction *>()) {
        if (action->text() == u"Night")
            action->trigger();
    }
    auto *night = window->findChild<NightWindow *>();
    night->resize(900, 700);
    auto *chart = night->findChild<NightChart *>();
    QImage picture(chart->size(), QImage::Format_RGB32);
    for (auto _ : state)
        chart->render(&picture);
}
BENCHMARK(BM_NightChartRedraw)->Unit(benchmark::kMillisecond);

// The Year window's heat map for a newly selected object, the year's Sun and Moon and its full and
// new Moons kept: the object's cells through every night (0), the picture of them at the window's
// size (1), and the same judged with a 200 mm telescope under a 21.0 sky (2, 3).
void BM_YearMap(benchmark::State &state)
{
    const bool judged = state.range(0) >= 2;
    const YearSky sky({{36.95, -112.5167}, 2024, [](const CalendarDate &) { return -7.0; }, DefaultDarkness, 20.0,
                       nullptr, {}, judged});
    const EquatorialPosition andromeda{10.6847, 41.2688};
    std::optional<YearSeeing> seeing;
    if (judged)
        seeing.emplace(andromeda, ObjectLight{3.44, 189.5, 61.7}, ObserverSky{21.0, 0.2}, Telescope{200.0, {40.0, 120.0}}, sky);
    const YearSeeing *telescope = seeing ? &*seeing : nullptr;
    const std::vector<MoonMark> moons = yearMoonMarks(sky);
    const YearMap map = objectYearMap(andromeda, sky, moons, telescope);
    for (auto _ : state) {
        if (state.range(0) % 2 == 0)
            benchmark::DoNotOptimize(objectYearMap(andromeda, sky, moons, telescope));
        else
            benchmark::DoNotOptimize(drawYearMap(map, QSize(800, 430), QPalette(), QFont()));
    }
}
BENCHMARK(BM_YearMap)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The Night window following a new list: events (kept), curves, the visibility of every listed
// object and its table.
void BM_NightWindowFollowsList(benchmark::State &state)
{
    CatalogFolder catalog(int(state.range(0)));
    FakePlatform fakes;
    auto window = startedWindow(fakes);
    for (QAction *action : window->menuBar()->findChildren<QAction *>()) {
        if (action->text() == u"Night")
            action->trigger();
    }
    for (auto _ : state)
        window->generateList();
    checkEverythingListed(state, *window);
}
BENCHMARK(BM_NightWindowFollowsList)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return runBenchmarksInApplication(argc, argv);
}
