// The whole program without a display: start-up on SDL's offscreen driver in a temporary program
// folder and home, events fed straight to Dispatch, the canvas, files and log read back.
#include <gtest/gtest.h>

#include "../support/headless_run.h"
#include "platform/png.h"

namespace {

constexpr Rgb kLogoBlue{23, 120, 181};
constexpr Rgb kBackdrop{119, 116, 95};


TEST(HeadlessProgram, StartsWithTheLogoThenTheTitleThenIdleAndEndsOnClose)
{
    HeadlessRun run;
    run.OpenTestLog();
    ASSERT_TRUE(Startup(run.program));
    Program& program = run.program;
    EXPECT_EQ(program.window.innerWidth, 960);
    EXPECT_EQ(program.window.innerHeight, 540);
    EXPECT_EQ(program.canvas.width, 960);
    EXPECT_EQ(program.canvas.height, 540);
    EXPECT_EQ(program.screenSnapshot.width, 960);
    EXPECT_EQ(program.screenState, LogoSplash);
    ASSERT_EQ(program.artwork.logo.width, 960);
    ASSERT_EQ(program.artwork.logo.height, 540);
    EXPECT_TRUE(program.canvas.pixels == program.artwork.logo.pixels);
    EXPECT_EQ(GetPixel(program.canvas, 2, 2), kLogoBlue);  // the logo's field
    EXPECT_TRUE(IsTimerRunning(program.window.timers, kSplashTimer));

    // Nothing can be hit during the pictures: clicks, right clicks and typing change nothing.
    for (auto type : {CanvasEventType::LeftClick, CanvasEventType::RightClick, CanvasEventType::Character}) {
        for (auto [x, y] : {std::pair{10, 10}, {480, 270}, {959, 539}}) Dispatch(program, CanvasEvent(type, x, y));
    }
    EXPECT_EQ(program.screenState, LogoSplash);
    EXPECT_TRUE(program.canvas.pixels == program.artwork.logo.pixels);

    Dispatch(program, TimerEvent(kSplashTimer));
    EXPECT_EQ(program.screenState, TitleSplash);
    EXPECT_TRUE(program.canvas.pixels == program.artwork.title.pixels);
    EXPECT_EQ(GetPixel(program.canvas, 2, 2), kBackdrop);
    EXPECT_TRUE(IsTimerRunning(program.window.timers, kSplashTimer));

    Dispatch(program, TimerEvent(kSplashTimer));
    EXPECT_EQ(program.screenState, Idle);
    EXPECT_FALSE(IsTimerRunning(program.window.timers, kSplashTimer));
    // The main screen: the status bar, every cell covered, and the glyphs made for the panels.
    EXPECT_EQ(GetPixel(program.canvas, 0, 0), program.palette.bar);
    EXPECT_EQ(CutOut(program.canvas, 2, 43, 32, 32).pixels, program.tiles.covered.pixels);
    EXPECT_EQ(program.glyphs.minus[0].width, 20);

    Dispatch(program, CloseEvent());
    EXPECT_TRUE(program.quit);
    Shutdown(program);
    EXPECT_EQ(run.LogText(), "Dravelock\r\n"
                             "\r\n[AVAILABLE LANGUAGES]\r\n\r\n[STARTING GAME]\r\nLoad language (en_GB):\tFAILED\r\n"
                             "OpenWindow():\tOK\r\nWindowwidth:\t960\r\nWindowheight:\t540\r\n"
                             "\r\n[FINISHING GAME]\r\nSaving TopTen:\tOK\r\nSaving Preferences:\tOK\r\n\r\nQUIT\r\n");
    EXPECT_TRUE(program.shownMessages.empty());
}

TEST(HeadlessProgram, WithoutPreferencesBesideTheProgramTheUserFolderIsCreatedAndUsed)
{
    HeadlessRun run;
    ASSERT_FALSE(FolderExists(run.home.Folder() + "data"));
    ASSERT_TRUE(Startup(run.program));
    EXPECT_EQ(run.program.gameDir, run.gameDir.Folder());
    EXPECT_EQ(run.program.userDir, run.UserFolder());
    EXPECT_EQ(run.program.saveTo, run.UserFolder());
    EXPECT_TRUE(FolderExists(run.UserFolder()));
}

TEST(HeadlessProgram, PreferencesBesideTheProgramMakeItTheSaveFolder)
{
    HeadlessRun run;
    ASSERT_TRUE(ReplaceFile(run.gameDir.Folder() + "Dravelock.prefs", ""));
    ASSERT_TRUE(Startup(run.program));
    EXPECT_EQ(run.program.saveTo, run.gameDir.Folder());
    EXPECT_FALSE(FolderExists(run.home.Folder() + "data"));

    Dispatch(run.program, ShortcutEvent(0));
    EXPECT_EQ(FilesIn(run.gameDir.Folder(), "Dravelock ", ".png").size(), 1u);
}

TEST(HeadlessProgram, CtrlSSavesExactlyTheCanvasInEveryPicture)
{
    HeadlessRun run;
    ASSERT_TRUE(Startup(run.program));
    Program& program = run.program;
    // Mark the canvas so the picture is not one flat colour.
    FillBox(program.canvas, 0, 0, 3, 2, {1, 2, 3});
    SetPixel(program.canvas, 959, 539, {250, 0, 7});

    for (int step = 0; step < 3; ++step) {
        for (const std::string& name : FilesIn(program.saveTo, "Dravelock ")) std::filesystem::remove(program.saveTo + name);
        const ScreenState before = program.screenState;
        Dispatch(program, ShortcutEvent(0));
        Dispatch(program, ShortcutEvent(1));  // other menu items are ignored
        EXPECT_EQ(program.screenState, before);

        const std::vector<std::string> shots = FilesIn(program.saveTo, "Dravelock ", ".png");
        ASSERT_EQ(shots.size(), 1u);
        EXPECT_EQ(shots[0].size(), std::string("Dravelock 09-12-2024 14-05-33.png").size());
        const std::optional<std::string> bytes = ReadWholeFile(program.saveTo + shots[0], 1 << 24);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(static_cast<uint8_t>((*bytes)[25]), 2);  // RGB, no alpha
        EXPECT_EQ(static_cast<uint8_t>((*bytes)[28]), 0);  // not interlaced
        const std::optional<Image> shot = DecodePng(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size());
        ASSERT_TRUE(shot);
        EXPECT_EQ(shot->width, program.canvas.width);
        EXPECT_EQ(shot->height, program.canvas.height);
        EXPECT_TRUE(shot->pixels == program.canvas.pixels) << "step " << step;
        Dispatch(program, TimerEvent(kSplashTimer));
    }
}

TEST(HeadlessProgram, AScreenshotIntoAMissingFolderLogsFailure)
{
    HeadlessRun run;
    ASSERT_TRUE(Startup(run.program));
    run.OpenTestLog();
    run.program.saveTo = run.home.Folder() + "gone/";
    Dispatch(run.program, ShortcutEvent(0));
    run.program.saveTo = run.UserFolder();
    Dispatch(run.program, ShortcutEvent(0));
    EXPECT_EQ(run.LogText(), "Dravelock\r\nSaving screenshot:\tFAILED\r\nSaving screenshot:\tOK\r\n");
    EXPECT_FALSE(FolderExists(run.home.Folder() + "gone"));
}

TEST(HeadlessProgram, AWindowThatCannotOpenShowsTheErrorBoxAndQuits)
{
    HeadlessRun run;
    run.program.platform.videoDrivers = "no_such_driver";
    run.OpenTestLog();
    EXPECT_FALSE(Startup(run.program));
    ASSERT_EQ(run.program.shownMessages.size(), 1u);
    EXPECT_EQ(run.program.shownMessages[0].title.substr(0, 11), "Dravelock::");
    EXPECT_TRUE(run.LogText().ends_with("Load language (en_GB):\tFAILED\r\nOpenWindow:\tFAILED\r\n\r\nQUIT\r\n"));
    EXPECT_EQ(RunProgram(run.program), 0);
}

}  // namespace

namespace {

TEST(HeadlessProgram, APictureThatDoesNotDecodeEndsStartupWithTheAssetErrorBox)
{
    const uint8_t garbage[] = "definitely not a PNG file";
    struct Case {
        AssetBytes EmbeddedAssets::*asset;
        const char* name;
        bool windowOpened;
    };
    const Case cases[] = {
        {&EmbeddedAssets::flag, "flag.png", false},
        {&EmbeddedAssets::mine, "mine.png", false},
        {&EmbeddedAssets::logo, "brackenwold.png", true},
        {&EmbeddedAssets::title, "title.png", true},
        {&EmbeddedAssets::explosion, "explosion.png", true},
    };
    for (const Case& c : cases) {
        HeadlessRun run;
        run.program.platform.assets.*c.asset = {garbage, sizeof garbage};
        run.OpenTestLog();
        EXPECT_FALSE(Startup(run.program)) << c.name;
        EXPECT_EQ(run.program.window.handle != nullptr, c.windowOpened) << c.name;
        ASSERT_EQ(run.program.shownMessages.size(), 1u) << c.name;
        EXPECT_EQ(run.program.shownMessages[0].title.substr(0, 11), "Dravelock::");
        // Nothing follows the failure: no QUIT, nothing saved.
        EXPECT_TRUE(run.LogText().ends_with(std::string("Prepare asset (") + c.name + "):\tFAILED\r\n")) << run.LogText();
        EXPECT_EQ(RunProgram(run.program), 0);
        EXPECT_FALSE(FileExists(run.UserFolder() + "Dravelock.prefs"));
    }
}

}  // namespace
