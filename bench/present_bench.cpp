// Presenting the canvas: a whole 960 x 540 canvas and a single 32 x 32 tile, through the window
// surface. Uses the X server named by DISPLAY when there is one, else SDL's offscreen driver.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

#include "platform/window.h"

namespace {

struct PresentFixture {
    Window window;
    Image canvas = MakeImage(960, 540, {119, 116, 95});
    bool ready = false;

    PresentFixture()
    {
        SDL_Init(SDL_INIT_EVENTS);
        const char* display = std::getenv("DISPLAY");
        ready = StartVideo(window, display && *display ? "x11" : "offscreen") &&
                OpenWindow(window, "present benchmark", canvas.width, canvas.height);
        if (ready) ShowWindow(window);
    }
    ~PresentFixture()
    {
        CloseWindow(window);
        SDL_Quit();
    }
};

void Present(benchmark::State& state, Rect area)
{
    PresentFixture fixture;
    if (!fixture.ready) {
        state.SkipWithError("no video driver");
        return;
    }
    for (auto _ : state) PresentCanvas(fixture.window, fixture.canvas, area);
    state.SetLabel(SDL_GetCurrentVideoDriver());
}

void BM_PresentWholeCanvas(benchmark::State& state) { Present(state, {0, 0, 960, 540}); }
void BM_PresentOneTile(benchmark::State& state) { Present(state, {2, 43, 32, 32}); }

BENCHMARK(BM_PresentWholeCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentOneTile)->Unit(benchmark::kMicrosecond);

}  // namespace
