// The main screen: the status bar with its four buttons and three labelled fields, the board of
// covered tiles below it, and the hit map that turns a mouse position into a cell. Also the
// snapshot that the settings, top-ten and about panels put back when they close.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/program.h"

// How a status-bar button is drawn.
enum class ButtonLook { Normal, Highlighted, Disabled };

// The full redraw for a fresh board: status bar with "tMainSTART", "000" and "0:00:00", every cell
// covered, and the cell positions and the hit map made anew.
void MainScreenDraw(Program& program);
// The status bar alone, in the caption colour throughout, onto the canvas or the snapshot.
void StatusBarDraw(Program& program, Image& target);
// The bar when a game starts: the mine count, the best time (empty for a custom game), the stop
// caption, and the other three buttons disabled.
void PlayingBarDraw(Program& program, int32_t mines, const std::string& bestTime);

// The four buttons with the given look, "start" showing the caption of startKey.
void DrawStatusButtons(Program& program, ButtonLook look, std::string_view startKey);
// A value field of the bar ("val_mines", "val_time", "val_besttime") in bright on bar.
void DrawStatusField(Program& program, std::string_view hotspot, const std::string& text);
// Three digits with leading zeros, as the mines field shows a count.
std::string MineCountText(int32_t count);

void TakeSnapshot(Program& program);
void ShowSnapshot(Program& program);
