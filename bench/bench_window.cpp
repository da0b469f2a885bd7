#include "benchcatalog.h"
#include "benchmain.h"
#include "../tests/support/fakeplatform.h"

#include "ui/grid/flexgrid.h"
#include "ui/main/nocturo.h"
#include "ui/night/nightchart.h"
#include "ui/night/nightwindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>

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
        const SessionParameters session = everythingListedSession();
        writeTextFile(folder.filePath(QStringLiteral("defaults.txt")),
                      joinLinesCrLf({session.Lat, session.Lon, session.txtSessLen, session.MinElev, session.MinAz,
                                     session.MaxAz, session.MinMag, session.MinSize, session.MaxSize, "1", "1", "1",
                                     "1", "1", "Objects.csv", "Inclusive"}));
        QDir::setCurrent(folder.path());
    }
};

// A started window whose session is the one every object is listed in.
std::unique_ptr<Nocturo> startedWindow(FakePlatform &fakes)
{
    fakes.clock.now = QDateTime(QDate(2006, 3, 15), QTime(21, 30, 0));
    auto window = std::make_unique<Nocturo>(fakes.platform());
    window->Form_Load();
    return window;
}

void checkEverythingListed(benchmark::State &state, const Nocturo &window)
{
    if (window.resultCount() != int(state.range(0)))
        state.SkipWithError("not every object was listed");
}

void BM_WindowRegeneration(benchmark::State &state)
{
    CatalogFolder catalog(int(state.range(0)));
    FakePlatform fakes;
    auto window = startedWindow(fakes);
    for (auto _ : state)
        window->bGenList_Click();
    checkEverythingListed(state, *window);
}
BENCHMARK(BM_WindowRegeneration)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

// Typing into a field and leaving it: the field's rule, the list, the chart, the status line.
void BM_LeaveField(benchmark::State &state)
{
    CatalogFolder catalog(int(state.range(0)));
    FakePlatform fakes;
    auto window = startedWindow(fakes);
    QLineEdit *field = window->findChild<QLineEdit *>(QStringLiteral("MinMag"));
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
    window->resultsGrid()->setRow(1);
    window->gResults_MouseUp(1, 0, 0, 0);
    window->night_Click();
    NightWindow *night = window->nightWindowShown();
    night->resize(900, 700);
    const NightChart &chart = night->chart();
    if (chart.scene().sun.empty())
        state.SkipWithError("the chart shows no night");
    QImage picture(chart.size(), QImage::Format_RGB32);
    for (auto _ : state)
        const_cast<NightChart &>(chart).render(&picture);
}
BENCHMARK(BM_NightChartRedraw)->Unit(benchmark::kMillisecond);

// The Night window following a new list: events (kept), curves, the visibility of every listed
// object and its table.
void BM_NightWindowFollowsList(benchmark::State &state)
{
    CatalogFolder catalog(int(state.range(0)));
    FakePlatform fakes;
    auto window = startedWindow(fakes);
    window->night_Click();
    for (auto _ : state)
        window->bGenList_Click();
    checkEverythingListed(state, *window);
}
BENCHMARK(BM_NightWindowFollowsList)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return runBenchmarksInApplication(argc, argv);
}
