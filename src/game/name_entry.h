// Typing the player's name into the name-entry panel after a new best time, and confirming it.
// The event loop calls these in `NameEntryPanel` only.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/program.h"

// Longest typed name, in characters.
constexpr size_t kMaxTypedName = 30;

// A key went down: backspace (key code 8) removes the last character of a name that is not empty
// and redraws the cleared box; every other key does nothing.
void NameEntryKeyDown(Program& program, int32_t keyCode);
// A character was typed: appended while the name is shorter than 30 characters (codes below 32
// never belong to a name), then the name redrawn over the old one.
void NameEntryCharacter(Program& program, char32_t character);
// "entername_ok": the button cleared, the name (trailing spaces removed) and the winning time put
// into the table of the difficulty in force, the main screen drawn afresh, Idle.
void ConfirmName(Program& program);
