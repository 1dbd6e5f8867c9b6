// The start-up work that stands between launching the game and its first visible window:
// decoding and fitting the big pictures, cutting the explosion sheet, and a whole start-up on
// SDL's offscreen driver.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "app/startup.h"
#include "ui/artwork.h"

namespace {

void DecodeAndFit(benchmark::State& state, AssetBytes EmbeddedAssets::*asset)
{
    const EmbeddedAssets assets = BuiltInAssets();
    for (auto _ : state) {
        const std::optional<Image> fitted = DecodeFitted(assets.*asset, 960, 540);
        benchmark::DoNotOptimize(fitted->pixels.data());
    }
}

void BM_DecodeAndFitLogo(benchmark::State& state) { DecodeAndFit(state, &EmbeddedAssets::logo); }
void BM_DecodeAndFitTitle(benchmark::State& state) { DecodeAndFit(state, &EmbeddedAssets::title); }

void BM_DecodeOnlyLogo(benchmark::State& state)
{
    const EmbeddedAssets assets = BuiltInAssets();
    for (auto _ : state) benchmark::DoNotOptimize(DecodeAsset(assets.logo)->pixels.data());
}

void BM_DecodeAndCutExplosion(benchmark::State& state)
{
    const EmbeddedAssets assets = BuiltInAssets();
    for (auto _ : state) benchmark::DoNotOptimize(CutExplosionFrames(*DecodeAsset(assets.explosion)).data());
}

// Start-up from defaults to the shown window, with the folders in a scratch home.
void BM_StartupToVisibleWindow(benchmark::State& state)
{
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "dravelock-bench-home";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    for (auto _ : state) {
        Program program;
        program.platform.videoDrivers = "offscreen";
        program.platform.showMessageBoxes = false;
        if (!Startup(program)) state.SkipWithError("start-up failed");
        state.PauseTiming();
        ReleasePlatform(program);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(home);
}

BENCHMARK(BM_DecodeAndFitLogo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAndFitTitle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeOnlyLogo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAndCutExplosion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupToVisibleWindow)->Unit(benchmark::kMillisecond);

}  // namespace
