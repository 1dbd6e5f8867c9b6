#include <gtest/gtest.h>

#include "app/dispatch.h"

namespace {

using enum LeftClickAction;

TEST(Dispatch, LeftClicksRouteByNameThenState)
{
    struct Case {
        const char* hotspot;
        ScreenState state;
        LeftClickAction expected;
    };
    const Case cases[] = {
        {"start", Idle, StartGame},
        {"start", Playing, StopGame},
        {"start", SettingsPanel, None},  // a panel is shown
        {"settings", Idle, OpenSettings},
        {"settings", Playing, None},  // matched, state fails: not passed on to the board
        {"topten", Idle, OpenTopTen},
        {"topten", Playing, None},
        {"about", Idle, OpenAbout},
        {"about", Playing, None},
        {"settings_rows_plus", SettingsPanel, SettingsStep},
        {"settings_centerwindow_minus", SettingsPanel, SettingsStep},
        {"settings_rows_plus", Playing, None},
        {"settings_ok", SettingsPanel, ApplySettings},
        {"settings_cancel", SettingsPanel, CancelSettings},
        {"topten_ok", TopTenPanel, CloseTopTen},
        {"topten_ok", Playing, None},
        {"topten_medium", TopTenPanel, ShowTopTenTable},
        {"topten_hard", Playing, ShowTopTenTable},  // no state test: only its rectangle guards it
        {"about_ok", AboutPanel, CloseAbout},
        {"gameover_ok", GameOverPanel, CloseGameOver},
        {"welldone_ok", WonPanel, CloseWon},
        {"entername_ok", NameEntryPanel, ConfirmName},
        {"entername_ok", Playing, None},
        {"", Playing, UncoverCell},
        {"val_time", Playing, UncoverCell},  // fields are not buttons: the board handler looks
        {"mines", Playing, UncoverCell},
        {"", Idle, None},
        {"", LogoSplash, None},
        {"", TitleSplash, None},
        {"START", Idle, None},  // names compare exactly
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RouteLeftClick(c.hotspot, c.state), c.expected) << "'" << c.hotspot << "' in " << c.state;
    }
}

TEST(Dispatch, CloseSetsTheQuitFlagAndOtherWindowsAreIgnored)
{
    Program program;
    Event otherWindow = CloseEvent();
    otherWindow.window = 1;
    Dispatch(program, otherWindow);
    EXPECT_FALSE(program.quit);
    Dispatch(program, CloseEvent());
    EXPECT_TRUE(program.quit);
}

}  // namespace
