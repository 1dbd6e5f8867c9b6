#include "app/dispatch.h"

#include <optional>

#include "app/screenshot.h"
#include "platform/timers.h"
#include "ui/buttons.h"
#include "ui/canvas.h"
#include "ui/main_screen.h"

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

void RunLeftClick(Program& program, LeftClickAction action)
{
    switch (action) {
    default:
        // The game, the settings and the panels attach their handlers here as they are built.
        break;
    }
    (void)program;
}

void DispatchCanvas(Program& program, const Event& event)
{
    switch (event.canvasType) {
    case CanvasEventType::LeftClick:
        RunLeftClick(program, RouteLeftClick(HotspotAt(program.hotspots, event.x, event.y), program.screenState));
        break;
    case CanvasEventType::MouseMove:
        HoverFeedback(program, event.x, event.y);
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
    if (nameMatched) return None;
    return state == Playing ? UncoverCell : None;
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
