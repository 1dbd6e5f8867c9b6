#include "game/name_entry.h"

#include "game/best_time_insert.h"
#include "platform/event.h"
#include "ui/main_screen.h"
#include "ui/panels.h"

void NameEntryKeyDown(Program& program, int32_t keyCode)
{
    if (keyCode != kKeyBackspace || program.typedName.empty()) return;
    program.typedName.pop_back();
    RedrawTypedName(program, true);
}

void NameEntryCharacter(Program& program, char32_t character)
{
    if (character < 32 || program.typedName.size() >= kMaxTypedName) return;
    program.typedName.push_back(character);
    RedrawTypedName(program, false);
}

void ConfirmName(Program& program)
{
    ClearHotspot(program.hotspots, "entername_ok");
    const int32_t difficulty = program.settings.difficulty;
    if (difficulty == Easy || difficulty == Medium || difficulty == Hard) {
        InsertBestTime(program.bestTimes[static_cast<size_t>(difficulty)],
                       TrimTrailingSpaces(Utf8FromUtf32(program.typedName)), program.clock.elapsedTime);
    }
    program.typedName.clear();
    MainScreenDraw(program);
    program.screenState = Idle;
}
