#include "app/startup.h"

#include <SDL.h>

#include <future>

#include "app/dispatch.h"
#include "app/run_log.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "storage/best_time_file.h"
#include "storage/preferences.h"
#include "ui/canvas.h"

namespace {

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
}

// Preferences beside the program make that folder the home of every file the program writes;
// otherwise the per-user folder is, and a first start there speaks the user's language.
void ReadPreferences(Program& program)
{
    if (LoadPreferences(program.settings, program.gameDir)) return;
    if (!program.userDir.empty() && !FolderExists(program.userDir)) CreateFolders(program.userDir);
    LoadPreferences(program.settings, program.userDir);
    program.saveTo = program.userDir;
    if (program.settings.language.empty()) program.settings.language = UserLocaleName();
    if (program.settings.language.empty()) program.settings.language = kFallbackLanguage;
}

void ChooseLanguage(Program& program)
{
    const std::string languagePath = program.gameDir + kLanguageFolder;
    ScanLanguages(program.languages, languagePath);
    LogAvailableLanguages(program);
    std::string& language = program.settings.language;
    if (!HasLanguage(program.languages, language)) language = kFallbackLanguage;
    const bool loaded = LoadLanguage(program.texts, languagePath, language);
    WriteLogOutcome(program.log, "Load language (" + language + "):", loaded);
    program.languageIndex = FindLanguageIndex(program.languages, language);
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
    if (!OpenWindow(program.window, kWindowTitle, size.width, size.height)) return false;
    WriteLogOutcome(program.log, "OpenWindow():", true);
    WriteLogField(program.log, "Windowwidth:", std::to_string(size.width));
    WriteLogField(program.log, "Windowheight:", std::to_string(size.height));
    return true;
}

// Decodes one embedded picture; a picture that does not decode ends the program.
bool PrepareAsset(Program& program, const AssetBytes& bytes, const char* name, Image& into)
{
    std::optional<Image> picture = DecodeAsset(bytes);
    if (!picture) return ReportAssetFailure(program, name);
    into = std::move(*picture);
    return true;
}

// The flag and the mine for the mark tiles, then every tile for the cell size in force.
bool PrepareTiles(Program& program)
{
    Artwork& artwork = program.artwork;
    if (!PrepareAsset(program, program.platform.assets.flag, "flag.png", artwork.flag) ||
        !PrepareAsset(program, program.platform.assets.mine, "mine.png", artwork.mine)) {
        return false;
    }
    const int32_t cellSize = ProfileInForce(program).cellSize;
    BuildCoveredTile(program.tiles, cellSize, program.palette);
    BuildCellTiles(program.tiles, program.fonts.numberFont, cellSize, program.palette, artwork.flag, artwork.mine);
    return true;
}

// The studio logo and the title picture fitted to the canvas, and the explosion's frames. The two
// big pictures are decoded side by side (they touch no program state) and fitted while they
// decode. Failures are reported in the order logo, title, explosion.
bool PrepareSplashPictures(Program& program, const CanvasSize& size)
{
    const EmbeddedAssets& assets = program.platform.assets;
    const auto decodeAndFit = [size](AssetBytes bytes) { return DecodeFitted(bytes, size.width, size.height); };
    std::future<std::optional<Image>> title = std::async(std::launch::async, decodeAndFit, assets.title);
    std::optional<Image> logo = decodeAndFit(assets.logo);
    std::optional<Image> explosion = DecodeAsset(assets.explosion);
    if (!logo) return ReportAssetFailure(program, "brackenwold.png");
    program.artwork.logo = std::move(*logo);
    std::optional<Image> fittedTitle = title.get();
    if (!fittedTitle) return ReportAssetFailure(program, "title.png");
    program.artwork.title = std::move(*fittedTitle);
    if (!explosion) return ReportAssetFailure(program, "explosion.png");
    program.artwork.explosionFrames = CutExplosionFrames(*explosion);
    return true;
}

void SetIcon(Program& program)
{
    const AssetBytes& icon = program.platform.assets.icon;
    if (const std::optional<RgbaPicture> picture = DecodePngRgba(icon.data, icon.size)) {
        SetWindowIcon(program.window, *picture);
    }
}

}  // namespace

std::string UserFolderFor(const std::string& dataFolder)
{
    if (dataFolder.empty()) return {};
    return dataFolder + "brackenwold game studio/Dravelock/";
}

bool ReportAssetFailure(Program& program, const std::string& assetName)
{
    WriteLogOutcome(program.log, "Prepare asset (" + assetName + "):", false);
    ShowErrorBox(program, Text(program.texts, "tErrorASSET"));
    return false;
}

void ShowErrorBox(Program& program, const std::string& message)
{
    const std::string title = "Dravelock::" + Text(program.texts, "tErrorERROR");
    program.shownMessages.push_back({title, message});
    if (program.platform.showMessageBoxes) ShowMessageBox(title, message);
}

// The steps run in a fixed order: each needs what the ones before it set up (the save folder
// needs the preferences, the error boxes the language, the window size the settings).
bool Startup(Program& program)
{
    SDL_Init(SDL_INIT_EVENTS);
    StartVideo(program.window, program.platform.videoDrivers);
    SetDefaults(program);
    FindFolders(program);
    ReadPreferences(program);
    ClampSettings(program.settings);
    program.workingSettings = program.settings;
    StartDiagnosticLog(program);
    ChooseLanguage(program);
    program.bestTimes = LoadBestTimes(program.saveTo);

    const CanvasSize size = CanvasSizeFor(program.settings.columns, program.settings.rows, ProfileInForce(program));
    LoadFonts(program.fonts, ProfileInForce(program));
    if (!PrepareTiles(program)) return false;
    if (!OpenGameWindow(program, size)) {
        RunWindowFailure(program);
        return false;
    }
    if (!PrepareSplashPictures(program, size)) return false;
    SetIcon(program);
    program.canvas = MakeImage(size.width, size.height, {255, 255, 255});
    ShowPicture(program.window, program.canvas, program.artwork.logo);
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
    WriteLogOutcome(program.log, "Saving TopTen:", SaveBestTimes(program.bestTimes, program.saveTo));
    WriteLogOutcome(program.log, "Saving Preferences:", SavePreferences(program.settings, program.saveTo));
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
