#include "benchcatalog.h"
#include "benchmain.h"
#include "../tests/support/fakeplatform.h"

#include "ui/grid/flexgrid.h"
#include "ui/main/nocturo.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A folder holding the catalog, made current for as long as the benchmark runs.
struct CatalogFolder {
    QTemporaryDir folder;

    explicit CatalogFolder(const QString &catalogText)
    {
        writeTextFile(folder.filePath(QStringLiteral("Objects.csv")), catalogText);
        QDir::setCurrent(folder.path());
    }
};

void setField(Nocturo &window, const char *name, const QString &text)
{
    window.findChild<QLineEdit *>(QLatin1String(name))->setText(text);
}

// A started window whose inputs list every object of the catalog.
std::unique_ptr<Nocturo> windowListingEverything(FakePlatform &fakes)
{
    auto window = std::make_unique<Nocturo>(fakes.platform());
    window->Form_Load();
    const SessionParameters session = everythingListedSession();
    window->setLocationCaptions(session.Lat, session.Lon);
    setField(*window, "MinElev", session.MinElev);
    setField(*window, "MinSize", session.MinSize);
    setField(*window, "MaxSize", session.MaxSize);
    setField(*window, "MinMag", session.MinMag);
    window->bGenList_Click();
    return window;
}

void BM_WindowRegeneration(benchmark::State &state)
{
    CatalogFolder catalog(everyObjectListableCatalog());
    FakePlatform fakes;
    auto window = windowListingEverything(fakes);
    for (auto _ : state)
        window->bGenList_Click();
    if (window->resultCount() != 501)
        state.SkipWithError("not every object was listed");
}
BENCHMARK(BM_WindowRegeneration)->Unit(benchmark::kMicrosecond);

// One resize step: the list regenerated, every control moved, the chart redrawn.
void BM_ResizePass(benchmark::State &state)
{
    CatalogFolder catalog(everyObjectListableCatalog());
    FakePlatform fakes;
    auto window = windowListingEverything(fakes);
    const int menuHeight = window->menuBar()->height();
    bool wider = false;
    for (auto _ : state) {
        wider = !wider;
        window->resize(wider ? 1000 : 900, (wider ? 640 : 600) + menuHeight);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    if (window->resultCount() != 501)
        state.SkipWithError("not every object was listed");
}
BENCHMARK(BM_ResizePass)->Unit(benchmark::kMicrosecond);

// From creating the window to the first complete list over the shipped catalog.
void BM_StartUp(benchmark::State &state)
{
    CatalogFolder catalog(everyObjectListableCatalog());
    for (auto _ : state) {
        FakePlatform fakes;
        Nocturo window(fakes.platform());
        window.Form_Load();
        if (window.objectCatalog().CatalogCount != 501)
            state.SkipWithError("the catalog did not load");
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return runBenchmarksInApplication(argc, argv);
}
