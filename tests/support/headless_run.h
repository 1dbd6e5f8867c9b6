// A whole program without a display: start-up on SDL's offscreen driver in a scratch program
// folder and home (the user's folders and locale never touched), ready for events fed straight to
// Dispatch and for reading back the canvas, the files and the log.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "app/dispatch.h"
#include "app/startup.h"
#include "platform/files.h"
#include "test_support.h"

struct HeadlessRun {
    ScratchFolder home;
    ScratchFolder gameDir;
    ScopedEnvironment homeVariable{"HOME", home.path.string()};
    ScopedEnvironment dataVariable{"XDG_DATA_HOME", home.Folder() + "data"};
    ScopedEnvironment allVariable{"LC_ALL", std::nullopt};
    ScopedEnvironment messagesVariable{"LC_MESSAGES", std::nullopt};
    ScopedEnvironment langVariable{"LANG", "en_GB.UTF-8"};
    Program program;
    std::string logPath = home.Folder() + "test.log";

    HeadlessRun()
    {
        program.platform.videoDrivers = "offscreen";
        program.platform.showMessageBoxes = false;
        program.platform.gameDir = gameDir.Folder();
    }
    ~HeadlessRun() { ReleasePlatform(program); }
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;

    std::string UserFolder() const { return home.Folder() + "data/brackenwold game studio/Dravelock/"; }

    // The languages the build ships beside the test binary, as a folder or as the ZIP archive.
    void InstallLanguages(bool asArchive = false)
    {
        namespace fs = std::filesystem;
        const fs::path source = asArchive ? fs::path(ProgramFolder()) / "lang-zip" / "Dravelock.lang"
                                          : fs::path(ProgramFolder()) / "Dravelock.lang";
        fs::copy(source, gameDir.path / "Dravelock.lang", fs::copy_options::recursive);
    }

    void OpenTestLog()
    {
        ASSERT_TRUE(OpenLog(program.log, logPath, "Dravelock"));
        EnableLog(program.log);
    }
    std::string LogText()
    {
        std::fflush(program.log.file.get());
        return ReadWholeFile(logPath, 1 << 20).value_or("");
    }

    // Start-up and the two splash ticks: the main screen in Idle.
    void StartToIdle()
    {
        ASSERT_TRUE(Startup(program));
        Dispatch(program, TimerEvent(kSplashTimer));
        Dispatch(program, TimerEvent(kSplashTimer));
        ASSERT_EQ(program.screenState, Idle);
    }

    void RunToTheEnd()
    {
        StartToIdle();
        Dispatch(program, CloseEvent());
        Shutdown(program);
        ReleasePlatform(program);
    }

    // A left click (or right click) in the middle of a hotspot or of a cell.
    void ClickHotspot(std::string_view name)
    {
        const Hotspot spot = FindHotspot(program.hotspots, name);
        Dispatch(program, CanvasEvent(CanvasEventType::LeftClick, spot.x + spot.width / 2, spot.y + spot.height / 2));
    }
    void ClickCell(int32_t column, int32_t row, CanvasEventType type = CanvasEventType::LeftClick)
    {
        const CellPosition& position = PositionOf(program.cellPositions, column, row);
        const int32_t half = ProfileInForce(program).cellSize / 2;
        Dispatch(program, CanvasEvent(type, position.x + half, position.y + half));
    }
};

// True when the area at (x, y) shows exactly this text as drawn on this background.
inline bool ShowsText(const Image& canvas, const Font& font, int32_t x, int32_t y, std::string_view text, Rgb colour,
                      Rgb background)
{
    const TextSize size = MeasureText(font, text);
    Image expected = MakeImage(size.width, size.height, background);
    DrawText(expected, font, 0, 0, text, colour);
    return CutOut(canvas, x, y, size.width, size.height).pixels == expected.pixels;
}

// True when the area at (x, y) shows exactly this image.
inline bool ShowsImage(const Image& canvas, int32_t x, int32_t y, const Image& image)
{
    return CutOut(canvas, x, y, image.width, image.height).pixels == image.pixels;
}
