// Building the tiles and glyphs for one box size, as start-up and a change of box size do:
// the covered tile, the empty and eight number tiles (opening the number font included), the two
// mark tiles scaled from 72 x 72 pictures, and the six glyphs.
#include <benchmark/benchmark.h>

#include "ui/fonts.h"
#include "ui/tiles.h"

static Image BenchPicture(Rgb ink)
{
    Image picture = MakeImage(72, 72, Palette{}.bar);
    FillBox(picture, 20, 10, 30, 50, ink);
    return picture;
}

static void BM_BuildTilesAndGlyphs(benchmark::State& state)
{
    const Palette palette;
    const BoxSizeProfile profile = MakeBoxSizeProfiles()[static_cast<size_t>(state.range(0))];
    const Image flag = BenchPicture({255, 0, 0});
    const Image mine = BenchPicture({0, 0, 0});
    Tiles tiles;
    Glyphs glyphs;
    Font numberFont;
    for (auto _ : state) {
        BuildCoveredTile(tiles, profile.cellSize, palette);
        BuildCellTiles(tiles, numberFont, profile.cellSize, palette, flag, mine);
        BuildGlyphs(glyphs, 4 * profile.spacing, palette);
        benchmark::DoNotOptimize(tiles.markedMine.pixels.data());
        benchmark::DoNotOptimize(glyphs.plus[0].pixels.data());
    }
}
BENCHMARK(BM_BuildTilesAndGlyphs)->Arg(1)->Arg(6)->Unit(benchmark::kMicrosecond);

// The glyphs alone: rebuilt after the main-screen draw of a new layout.
static void BM_BuildGlyphs(benchmark::State& state)
{
    const Palette palette;
    const BoxSizeProfile profile = MakeBoxSizeProfiles()[static_cast<size_t>(state.range(0))];
    Glyphs glyphs;
    for (auto _ : state) {
        BuildGlyphs(glyphs, 4 * profile.spacing, palette);
        benchmark::DoNotOptimize(glyphs.plus[0].pixels.data());
    }
}
BENCHMARK(BM_BuildGlyphs)->Arg(1)->Arg(6)->Unit(benchmark::kMicrosecond);
