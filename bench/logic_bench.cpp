// The plain logic on the paths a user drives: a thumbnail press's lookup and
// address, a panel switch, and the skin file's decompression at start.
#include <benchmark/benchmark.h>

#include "browser/browser_handlers.h"
#include "catalogue/outfit_catalogue.h"
#include "payloads/carried_files.h"
#include "platform/null/null_platform.h"
#include "skin_reader.h"
#include "window/main_window.h"

namespace dorvane {
namespace {

// From the press event reaching the plain logic to the navigate call.
void ThumbnailPressToNavigate(benchmark::State& state) {
    NullWindow window;
    NullLibraries libraries;
    ApplicationState app;
    MainWindow handlers(window, libraries, app);
    const MainWindowLayout& layout = TheMainWindowLayout();
    std::vector<const ControlLayout*> boxes;
    for (const ControlLayout& row : layout.controls) {
        if (row.handler == EventHandler::ThumbnailPressed) boxes.push_back(&row);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        handlers.ControlEvent(*boxes[i++ % boxes.size()]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ThumbnailPressToNavigate);

void CatalogueLookupAndAddress(benchmark::State& state) {
    std::vector<std::string> names;
    for (const OutfitEntry& entry : OutfitCatalogue()) names.emplace_back(entry.pictureBox);
    std::size_t i = 0;
    for (auto _ : state) {
        const OutfitEntry* entry = CatalogueLookup(names[i++ % names.size()]);
        std::string address = OutfitAddress(*entry);
        benchmark::DoNotOptimize(address);
    }
}
BENCHMARK(CatalogueLookupAndAddress);

void ShowOnlyPanelSwitch(benchmark::State& state) {
    NullWindow window;
    NullLibraries libraries;
    ApplicationState app;
    MainWindow handlers(window, libraries, app);
    int k = 0;
    for (auto _ : state) {
        handlers.ShowOnlyPanel(PanelOrder()[k++ % PanelCount]);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ShowOnlyPanelSwitch);

void SkinFileDecompression(benchmark::State& state) {
    const auto file = SkinFilePayload().Content();
    for (auto _ : state) {
        skin::BodyResult body = skin::DecompressBody(file);
        benchmark::DoNotOptimize(body.body.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 175192);
}
BENCHMARK(SkinFileDecompression)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dorvane
