// The event loop's tables: event kind, then canvas event type, then for a left click the name of
// the hotspot under the mouse with the screen state it needs.
#pragma once

#include <string_view>

#include "app/program.h"
#include "platform/event.h"

enum class LeftClickAction {
    None,
    StartGame,
    StopGame,
    OpenSettings,
    OpenTopTen,
    OpenAbout,
    SettingsStep,
    ApplySettings,
    CancelSettings,
    CloseTopTen,
    ShowTopTenTable,
    CloseAbout,
    CloseGameOver,
    CloseWon,
    ConfirmName,
    UncoverCell,
};

// What a left click on the named hotspot does in the given state. The first row with an equal
// name decides; when its state test fails the click does nothing and goes no further.
LeftClickAction RouteLeftClick(std::string_view hotspot, ScreenState state);

// Handles one event to its end.
void Dispatch(Program& program, const Event& event);

// Timer 0: the logo gives way to the title picture, the title picture to the main screen.
void SplashStep(Program& program);
