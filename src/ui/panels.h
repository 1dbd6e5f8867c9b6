// The panels drawn over the middle of the main screen, apart from the settings panel: the top-ten
// panel with its three best-time tables, the about panel with the credits, and the three result
// panels that end a game (game won, name entry, game over). They share one frame: a `frame`
// rectangle with a title band, a `backdrop` body, texts in `bright` and captions in `caption`.
// The event loop calls the open, close and table-switch handlers; the game flow draws the result
// panels and the name entry redraws the typed name.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/program.h"
#include "settings/game_settings.h"
#include "storage/text_catalog.h"

enum class ResultPanel { GameWon, NameEntry, GameOver };

// A panel of the given size centred on a canvas (integer halves).
PanelPlacement CentredPanel(int32_t canvasWidth, int32_t canvasHeight, int32_t width, int32_t height);
// The shared frame: the whole panel in `frame`, then the body below the two-line title band in
// `backdrop`.
void DrawPanelFrame(Image& image, const PanelPlacement& panel, int32_t lineHeight, const Palette& palette);

// "topten" in Idle: the status-bar buttons disabled, the snapshot taken, then the panel on the
// easy table, its four buttons laid out; `ScreenState` becomes `TopTenPanel`.
void OpenTopTenPanel(Program& program);
// The body above the button band drawn again with the table of the given difficulty.
void ShowTopTenTable(Program& program, Difficulty table);
// The table a tab of the top-ten panel shows ("topten_easy", "topten_medium", "topten_hard");
// Easy for any other name.
Difficulty TopTenTabTable(std::string_view hotspot);
// "topten_ok": the snapshot back, the four hotspots cleared, Idle, the status-bar buttons normal.
void CloseTopTenPanel(Program& program);

// "about" in Idle and "about_ok" in AboutPanel, in the same manner as the top-ten panel.
void OpenAboutPanel(Program& program);
void CloseAboutPanel(Program& program);

// One centred line of the about panel: its line number and the text as drawn.
struct AboutLine {
    int32_t line = 0;
    std::string text;
};
// The ten lines of the about panel in the language of texts, upper-cased where they are shown so.
std::array<AboutLine, 10> AboutLines(const TextCatalog& texts);

// One of the panels that end a game, drawn over the board as the game left it. The caller has set
// the `ScreenState` already. The name-entry panel shows program.clock.elapsedTime and an empty name
// box, and empties the typed name.
void DrawResultPanel(Program& program, ResultPanel kind);
// The typed name centred in the name box of the name-entry panel, `bright` on `frame`; the box is
// filled first when clearFirst (after a character was removed).
void RedrawTypedName(Program& program, bool clearFirst);

// UTF-8 text with a-z, the Latin-1 letters and Latin Extended-A turned into capitals; every other
// character (ß included) as it was.
std::string UpperCaseText(std::string_view utf8);
