// Typing a name into the name-entry panel and confirming it, on a headless program at the default
// box size: the name box redraws (text positions from the measured widths), the limits, and the
// new entry in the table of the difficulty in force.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "../support/headless_run.h"
#include "game/best_time_insert.h"
#include "game/name_entry.h"
#include "ui/panels.h"

namespace {

// The name box of the name-entry panel (640 x 288 at (160, 126)) and the top of its line 10.
constexpr Rect kNameBox{170, 297, 620, 36};
constexpr int32_t kNameTop = 126 + 10 * 18;

// A program with the shipped languages, brought to the name-entry panel of a won game.
struct NameRun : HeadlessRun {
    Image idle;  // the main screen before the panel

    // Idle, then the panel of a new best time as a won game of that difficulty leaves it.
    void OpenNameEntry(int32_t difficulty = Easy, int32_t elapsed = 199999)
    {
        InstallLanguages();
        StartToIdle();
        idle = program.canvas;
        program.settings.difficulty = difficulty;
        program.clock.elapsedTime = elapsed;
        program.screenState = NameEntryPanel;
        DrawResultPanel(program, ResultPanel::NameEntry);
    }
};

void Type(Program& program, std::u32string_view characters)
{
    for (char32_t c : characters) {
        Event event = CanvasEvent(CanvasEventType::Character);
        event.character = c;
        Dispatch(program, event);
    }
}

void PressKey(Program& program, int32_t keyCode)
{
    Event event = CanvasEvent(CanvasEventType::KeyDown);
    event.keyCode = keyCode;
    Dispatch(program, event);
}

// All eleven slots, in a form the test output can show.
std::vector<std::pair<std::string, int64_t>> Slots(const BestTimeTable& table)
{
    std::vector<std::pair<std::string, int64_t>> slots;
    for (const BestTimeEntry& entry : table.slots) slots.emplace_back(entry.name, entry.time);
    return slots;
}

std::string FirstDifference(const Image& actual, const Image& expected)
{
    for (int32_t y = 0; y < actual.height; ++y) {
        for (int32_t x = 0; x < actual.width; ++x) {
            if (GetPixel(actual, x, y) != GetPixel(expected, x, y)) {
                std::ostringstream where;
                where << "at (" << x << ", " << y << ")";
                return where.str();
            }
        }
    }
    return actual.width == expected.width && actual.height == expected.height ? "" : "sizes differ";
}

// The canvas as it must be: unchanged but for the name box, which holds only the name, centred.
Image WithNameBox(const Program& program, const Image& around, std::u32string_view name)
{
    Image expected = around;
    const Palette& palette = program.palette;
    FillBox(expected, kNameBox.x, kNameBox.y, kNameBox.width, kNameBox.height, palette.frame);
    const std::string text = Utf8FromUtf32(name);
    const int32_t width = MeasureText(program.fonts.textFont, text).width;
    DrawTextOn(expected, program.fonts.textFont, 160 + 320 - width / 2, kNameTop, text, palette.bright, palette.frame);
    return expected;
}

TEST(NameEntry, TheNameStaysCentredWhileItGrowsAndABackspaceLeavesNoRemnant)
{
    NameRun run;
    ASSERT_NO_FATAL_FAILURE(run.OpenNameEntry());
    Program& program = run.program;
    const Image panel = program.canvas;

    // Growing from narrow to wide characters, then shrinking from wide to narrow ones.
    const std::u32string name = U"il Zo\u00eb WWW";
    for (size_t length = 1; length <= name.size(); ++length) {
        Type(program, name.substr(length - 1, 1));
        EXPECT_EQ(FirstDifference(program.canvas, WithNameBox(program, panel, name.substr(0, length))), "") << length;
    }
    for (size_t length = name.size(); length-- > 0;) {
        PressKey(program, kKeyBackspace);
        EXPECT_EQ(program.typedName, name.substr(0, length));
        EXPECT_EQ(FirstDifference(program.canvas, WithNameBox(program, panel, name.substr(0, length))), "") << length;
    }
    EXPECT_EQ(FirstDifference(program.canvas, panel), "");
}

TEST(NameEntry, TheNameTakesThirtyCharactersAndOtherKeysDoNothing)
{
    NameRun run;
    ASSERT_NO_FATAL_FAILURE(run.OpenNameEntry());
    Program& program = run.program;
    const Image empty = program.canvas;

    // Backspace on the empty name, Enter and Escape, and codes below 32 change nothing.
    PressKey(program, kKeyBackspace);
    PressKey(program, 13);
    PressKey(program, 27);
    Type(program, U"\r\n\t\x1f");
    EXPECT_EQ(program.typedName, U"");
    EXPECT_EQ(FirstDifference(program.canvas, empty), "");

    const std::u32string thirty = U"\x7f" U"bcdefghijklmnopqrstuvwxyz0123";  // 127 counts like any other
    ASSERT_EQ(thirty.size(), kMaxTypedName);
    Type(program, thirty);
    EXPECT_EQ(program.typedName, thirty);
    const Image full = program.canvas;
    Type(program, U"X");
    EXPECT_EQ(program.typedName, thirty);
    EXPECT_EQ(FirstDifference(program.canvas, full), "");
    PressKey(program, 13);
    EXPECT_EQ(program.typedName, thirty);

    PressKey(program, kKeyBackspace);
    EXPECT_EQ(program.typedName, thirty.substr(0, 29));
    EXPECT_EQ(program.screenState, NameEntryPanel);
}

TEST(NameEntry, ConfirmingStoresTheNameInTheTableInForceAndReturnsToIdle)
{
    struct Case {
        int32_t difficulty;
        std::u32string typed;
        std::string stored;
    };
    const Case cases[] = {
        {Easy, U"  Ada  ", "  Ada"},
        {Medium, U"    ", ""},
        {Hard, U"Zo\u00eb", "Zo\xc3\xab"},
        {Custom, U"Nobody", ""},
    };
    for (const Case& c : cases) {
        NameRun run;
        ASSERT_NO_FATAL_FAILURE(run.OpenNameEntry(c.difficulty, 199999));
        Program& program = run.program;
        Type(program, c.typed);
        const Hotspot ok = FindHotspot(program.hotspots, "entername_ok");
        ASSERT_NE(ok, Hotspot{});

        Dispatch(program, CanvasEvent(CanvasEventType::LeftClick, ok.x + 1, ok.y + 1));

        EXPECT_EQ(program.screenState, Idle) << c.difficulty;
        EXPECT_EQ(FindHotspot(program.hotspots, "entername_ok"), Hotspot{});
        EXPECT_EQ(FirstDifference(program.canvas, run.idle), "") << c.difficulty;  // the main screen afresh
        BestTimeTables expected = DefaultBestTimeTables();
        if (c.difficulty != Custom) {
            BestTimeTable& table = expected[static_cast<size_t>(c.difficulty)];
            std::shift_right(table.slots.begin(), table.slots.end(), 1);
            table.slots[0] = {c.stored, 199999};
        }
        for (int32_t t = 0; t < kBestTimeTableCount; ++t) {
            EXPECT_EQ(Slots(program.bestTimes[t]), Slots(expected[t])) << "difficulty " << c.difficulty << ", table " << t;
        }
    }
}

}  // namespace
