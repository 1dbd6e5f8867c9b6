#include "app/startup.h"

#include <SDL.h>

#include "app/dispatch.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "ui/canvas.h"

namespace {

constexpr Rgb kLogoPlaceholder{23, 120, 181};
constexpr int64_t kSplashPeriodMs = 1000;

void SetDefaults(Program& program)
{
    program.quit = false;
    program.settings = GameSettings{};
    program.workingSettings = program.settings;
    CreateBoard(program.board, program.settings.columns, program.settings.rows);
    program.palette = Palette{};
    program.hotspots = MakeHotspotRegistry();
    program.profiles = MakeBoxSizeProfiles();
    program.screenState = LogoSplash;
}

void FindFolders(Program& program)
{
    program.gameDir = program.platform.gameDir.empty() ? ProgramFolder() : program.platform.gameDir;
    if (!program.gameDir.empty() && program.gameDir.back() != '/') program.gameDir += '/';
    program.userDir = UserFolderFor(UserDataFolder());
    program.saveTo = program.gameDir;
    if (!FileExists(program.gameDir + kPreferencesFileName)) {
        if (!program.userDir.empty() && !FolderExists(program.userDir)) CreateFolders(program.userDir);
        program.saveTo = program.userDir;
    }
}

void RunWindowFailure(Program& program)
{
    WriteLogOutcome(program.log, "OpenWindow:", false);
    ShowErrorBox(program, Text(program.texts, "tErrorWINDOW"));
    WriteLogLine(program.log, "");
    WriteLogLine(program.log, "QUIT");
}

bool OpenGameWindow(Program& program, const CanvasSize& size)
{
    if (!StartVideo(program.window, program.platform.videoDrivers) ||
        !OpenWindow(program.window, kWindowTitle, size.width, size.height)) {
        return false;
    }
    WriteLogOutcome(program.log, "OpenWindow():", true);
    WriteLogField(program.log, "Windowwidth:", std::to_string(size.width));
    WriteLogField(program.log, "Windowheight:", std::to_string(size.height));
    return true;
}

// The studio logo and the title picture, fitted to the canvas.
void PrepareSplashPictures(Program& program, const CanvasSize& size)
{
    program.logoPicture = MakeImage(size.width, size.height, kLogoPlaceholder);
    program.titlePicture = MakeImage(size.width, size.height, program.palette.backdrop);
}

}  // namespace

std::string UserFolderFor(const std::string& dataFolder)
{
    if (dataFolder.empty()) return {};
    return dataFolder + "brackenwold game studio/Dravelock/";
}

void ShowErrorBox(Program& program, const std::string& message)
{
    const std::string title = "Dravelock::" + Text(program.texts, "tErrorERROR");
    program.shownMessages.push_back({title, message});
    if (program.platform.showMessageBoxes) ShowMessageBox(title, message);
}

bool Startup(Program& program)
{
    SDL_Init(SDL_INIT_EVENTS);
    SetDefaults(program);
    FindFolders(program);
    ClampSettings(program.settings);

    const CanvasSize size = CanvasSizeFor(program.settings.columns, program.settings.rows, ProfileInForce(program));
    if (!OpenGameWindow(program, size)) {
        RunWindowFailure(program);
        return false;
    }
    PrepareSplashPictures(program, size);
    program.canvas = MakeImage(size.width, size.height, {255, 255, 255});
    ShowPicture(program.window, program.canvas, program.logoPicture);
    program.screenSnapshot = MakeImage(size.width, size.height);
    ShowWindow(program.window);
    StartTimer(program.window.timers, kSplashTimer, kSplashPeriodMs, MonotonicMs());
    program.quit = false;
    return true;
}

void RunEventLoop(Program& program)
{
    while (!program.quit) Dispatch(program, WaitForEvent(program.window));
}

void Shutdown(Program& program)
{
    WriteLogLine(program.log, "");
    WriteLogLine(program.log, "[FINISHING GAME]");
    WriteLogLine(program.log, "");
    WriteLogLine(program.log, "QUIT");
}

void ReleasePlatform(Program& program)
{
    CloseWindow(program.window);
    CloseLog(program.log);
    SDL_Quit();
}

int RunProgram(Program& program)
{
    if (Startup(program)) {
        RunEventLoop(program);
        Shutdown(program);
    }
    ReleasePlatform(program);
    return 0;
}
