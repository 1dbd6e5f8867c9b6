#include "app/dispatch.h"

#include <optional>

#include "app/screenshot.h"
#include "game/game_flow.h"
#include "game/name_entry.h"
#include "platform/timers.h"
#include "ui/buttons.h"
#include "ui/canvas.h"
#include "ui/main_screen.h"
#include "ui/panels.h"

namespace {

struct LeftClickRow {
    std::string_view hotspot;
    std::optional<ScreenState> state;  // none: no state test
    LeftClickAction action;
};

using enum LeftClickAction;

// In the order the names are compared. "start" has a row for each of its two states.
constexpr LeftClickRow kLeftClickRows[] = {
    {"start", Idle, StartGame},
    {"start", Playing, StopGame},
    {"settings", Idle, OpenSettings},
    {"topten", Idle, OpenTopTen},
    {"about", Idle, OpenAbout},
    {"settings_language_minus", SettingsPanel, SettingsStep},
    {"settings_language_plus", SettingsPanel, SettingsStep},
    {"settings_boxsize_minus", SettingsPanel, SettingsStep},
    {"settings_boxsize_plus", SettingsPanel, SettingsStep},
    {"settings_difficulty_minus", SettingsPanel, SettingsStep},
    {"settings_difficulty_plus", SettingsPanel, SettingsStep},
    {"settings_columns_minus", SettingsPanel, SettingsStep},
    {"settings_columns_plus", SettingsPanel, SettingsStep},
    {"settings_rows_minus", SettingsPanel, SettingsStep},
    {"settings_rows_plus", SettingsPanel, SettingsStep},
    {"settings_mines_minus", SettingsPanel, SettingsStep},
    {"settings_mines_plus", SettingsPanel, SettingsStep},
    {"settings_sound_plus", SettingsPanel, SettingsStep},
    {"settings_sound_minus", SettingsPanel, SettingsStep},
    {"settings_centerwindow_plus", SettingsPanel, SettingsStep},
    {"settings_centerwindow_minus", SettingsPanel, SettingsStep},
    {"settings_ok", SettingsPanel, ApplySettings},
    {"settings_cancel", SettingsPanel, CancelSettings},
    {"topten_ok", TopTenPanel, CloseTopTen},
    // These have rectangles only while the top-ten panel shows, so they need no state test.
    {"topten_easy", std::nullopt, ShowTopTenTable},
    {"topten_medium", std::nullopt, ShowTopTenTable},
    {"topten_hard", std::nullopt, ShowTopTenTable},
    {"about_ok", AboutPanel, CloseAbout},
    {"gameover_ok", GameOverPanel, CloseGameOver},
    {"welldone_ok", WonPanel, CloseWon},
    {"entername_ok", NameEntryPanel, ConfirmName},
};

void RunLeftClick(Program& program, const Event& event)
{
    const std::string hotspot(HotspotAt(program.hotspots, event.x, event.y));
    switch (RouteLeftClick(hotspot, program.screenState)) {
    case StartGame: ::StartGame(program); break;
    case StopGame: ::StopGame(program); break;
    case OpenTopTen: OpenTopTenPanel(program); break;
    case ShowTopTenTable:
        ::ShowTopTenTable(program, TopTenTabTable(hotspot));
        break;
    case CloseTopTen: CloseTopTenPanel(program); break;
    case OpenAbout: OpenAboutPanel(program); break;
    case CloseAbout: CloseAboutPanel(program); break;
    case CloseGameOver:
    case CloseWon: CloseResultPanel(program, hotspot); break;
    case ConfirmName: ::ConfirmName(program); break;
    case UncoverCell: UncoverAt(program, event.x, event.y); break;
    default:
        // The settings panel attaches its handlers here.
        break;
    }
}

void DispatchCanvas(Program& program, const Event& event)
{
    switch (event.canvasType) {
    case CanvasEventType::LeftClick:
        RunLeftClick(program, event);
        break;
    case CanvasEventType::RightClick:
        if (program.screenState == Playing) CycleMarkAt(program, event.x, event.y);
        break;
    case CanvasEventType::MouseMove:
        HoverFeedback(program, event.x, event.y);
        break;
    case CanvasEventType::KeyDown:
        if (program.screenState == NameEntryPanel) NameEntryKeyDown(program, event.keyCode);
        break;
    case CanvasEventType::Character:
        if (program.screenState == NameEntryPanel) NameEntryCharacter(program, event.character);
        break;
    default:
        break;
    }
}

}  // namespace

LeftClickAction RouteLeftClick(std::string_view hotspot, ScreenState state)
{
    bool nameMatched = false;
    for (const LeftClickRow& row : kLeftClickRows) {
        if (row.hotspot != hotspot) continue;
        if (!row.state || *row.state == state) return row.action;
        nameMatched = true;
    }
    if (nameMatched) return LeftClickAction::None;
    return state == Playing ? LeftClickAction::UncoverCell : LeftClickAction::None;
}

void SplashStep(Program& program)
{
    switch (program.screenState) {
    case LogoSplash:
        ShowPicture(program.window, program.canvas, program.artwork.title);
        program.screenState = TitleSplash;
        break;
    case TitleSplash:
        StopTimer(program.window.timers, kSplashTimer);
        program.screenState = Idle;
        MainScreenDraw(program);
        BuildGlyphs(program.glyphs, 4 * ProfileInForce(program).spacing, program.palette);
        break;
    default:
        // Past the splash the timer has no work left.
        StopTimer(program.window.timers, kSplashTimer);
        break;
    }
}

void Dispatch(Program& program, const Event& event)
{
    if (event.window != 0) return;
    switch (event.kind) {
    case EventKind::Timer:
        if (event.object == kSplashTimer) SplashStep(program);
        else if (event.object == kClockTimer) ClockTick(program);
        break;
    case EventKind::Minimised:
        WindowMinimised(program);
        break;
    case EventKind::Restored:
        WindowRestored(program);
        break;
    case EventKind::Shortcut:
        if (event.object == 0) TakeScreenshot(program);
        break;
    case EventKind::Canvas:
        if (event.object == 0) DispatchCanvas(program, event);
        break;
    case EventKind::Close:
        program.quit = true;
        break;
    default:
        break;
    }
}
