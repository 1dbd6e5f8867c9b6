// Games played headless: the main screen, hover, start and stop, uncovering and marking, the
// clock, winning and losing, and the best times they leave behind.
#include <gtest/gtest.h>

#include "../support/headless_run.h"
#include "game/duration.h"
#include "game/game_flow.h"
#include "storage/best_time_file.h"
#include "ui/main_screen.h"

namespace {

struct GameRun : HeadlessRun {
    GameRun()
    {
        InstallLanguages();
        program.platform.fixedClockMs = 1'000'000;
        SeedRandom(program.random, 20261211);
    }
    const Palette& palette() const { return program.palette; }
    const Font& font() const { return program.fonts.textFont; }
    bool FieldShows(std::string_view hotspot, std::string_view text, Rgb colour)
    {
        const Hotspot spot = FindHotspot(program.hotspots, hotspot);
        return ShowsText(program.canvas, font(), spot.x, spot.y, text, colour, palette().bar);
    }
    bool CellShows(int32_t column, int32_t row, const Image& tile)
    {
        const CellPosition& position = PositionOf(program.cellPositions, column, row);
        return ShowsImage(program.canvas, position.x, position.y, tile);
    }
    // Every safe cell uncovered by clicks, the clock set to the given time before the last one.
    void UncoverAllSafeCells(int64_t finishAt)
    {
        const Board& board = program.board;
        for (int32_t c = 1; c <= board.columns; ++c) {
            for (int32_t r = 1; r <= board.rows; ++r) {
                if (Mine(board, c, r) || State(board, c, r) == Uncovered) continue;
                if (board.safeCellsLeft == 1) program.platform.fixedClockMs = finishAt;
                ClickCell(c, r);
            }
        }
    }
    CellRef FirstMine() const
    {
        for (int32_t c = 1; c <= program.board.columns; ++c) {
            for (int32_t r = 1; r <= program.board.rows; ++r) {
                if (Mine(program.board, c, r)) return {c, r};
            }
        }
        return {};
    }
};

TEST(MainScreen, TheDefaultLayoutToThePixel)
{
    GameRun run;
    run.StartToIdle();
    const Program& program = run.program;
    const Image& canvas = program.canvas;
    EXPECT_EQ(GetPixel(canvas, 500, 37), run.palette().bar);
    EXPECT_EQ(GetPixel(canvas, 0, 38), run.palette().frame);
    EXPECT_EQ(GetPixel(canvas, 959, 39), run.palette().frame);
    EXPECT_EQ(GetPixel(canvas, 0, 40), run.palette().backdrop);
    EXPECT_EQ(PositionOf(program.cellPositions, 1, 1), (CellPosition{2, 43}));
    EXPECT_EQ(PositionOf(program.cellPositions, 29, 15), (CellPosition{926, 505}));
    EXPECT_TRUE(ShowsImage(canvas, 2, 43, program.tiles.covered));
    EXPECT_TRUE(ShowsImage(canvas, 926, 505, program.tiles.covered));
    EXPECT_EQ(GetPixel(canvas, 958, 537), run.palette().backdrop);  // margin after (957, 536)
    EXPECT_EQ(GetPixel(canvas, 34, 60), run.palette().backdrop);    // gap between columns 1 and 2
    EXPECT_EQ(CellAt(program.hitMap, 34, 60), std::nullopt);
    EXPECT_EQ(CellAt(program.hitMap, 2 + 2 * 33 + 5, 43 + 6 * 33 + 5), (CellRef{3, 7}));

    // The bar, laid out from measured texts.
    const auto width = [&](const char* key) { return MeasureText(run.font(), Text(program.texts, key)).width; };
    const int32_t top = (40 - MeasureText(run.font(), " ").height) / 2;
    const int32_t clockWidth = MeasureText(run.font(), "0:00:00").width;
    struct Expected {
        const char* hotspot;
        int32_t x;
    };
    const int32_t settingsX = 7 + width("tMainSTART") + 10;
    const int32_t bestX = 960 - 5 - clockWidth - 2 - 5 - width("tMainBESTTIME");
    const Expected bar[] = {
        {"start", 7},
        {"settings", settingsX},
        {"topten", settingsX + width("tMainSETTINGS") + 10},
        {"val_besttime", 960 - 5 - clockWidth - 2},
        {"besttime", bestX},
        {"val_time", bestX - 10 - clockWidth},
    };
    for (const Expected& e : bar) {
        const Hotspot spot = FindHotspot(program.hotspots, e.hotspot);
        EXPECT_EQ(spot.x, e.x) << e.hotspot;
        EXPECT_EQ(spot.y, top) << e.hotspot;
    }
    EXPECT_TRUE(run.FieldShows("start", Text(program.texts, "tMainSTART"), run.palette().caption));
    EXPECT_TRUE(run.FieldShows("val_mines", "000", run.palette().bright));
    EXPECT_TRUE(run.FieldShows("besttime", Text(program.texts, "tMainBESTTIME"), run.palette().bright));
}

TEST(MainScreen, TheBarAloneCanBeRedrawnInTheCaptionColourIntoTheSnapshot)
{
    GameRun run;
    run.StartToIdle();
    Program& program = run.program;
    FillImage(program.screenSnapshot, {1, 2, 3});
    const std::vector<uint8_t> canvas = program.canvas.pixels;
    StatusBarDraw(program, program.screenSnapshot);
    EXPECT_EQ(program.canvas.pixels, canvas);
    const Hotspot mines = FindHotspot(program.hotspots, "val_mines");
    EXPECT_TRUE(ShowsText(program.screenSnapshot, run.font(), mines.x, mines.y, "000", run.palette().caption, run.palette().bar));
    EXPECT_EQ(GetPixel(program.screenSnapshot, 5, 38), run.palette().frame);
    EXPECT_EQ(GetPixel(program.screenSnapshot, 5, 40), (Rgb{1, 2, 3}));  // the board part untouched
}

TEST(Hover, HighlightsLiveButtonsWithTheHand)
{
    GameRun run;
    run.StartToIdle();
    Program& program = run.program;
    const auto moveTo = [&](std::string_view hotspot) {
        const Hotspot spot = FindHotspot(program.hotspots, hotspot);
        Dispatch(program, CanvasEvent(CanvasEventType::MouseMove, spot.x + 2, spot.y + 2));
    };
    const std::string settings = Text(program.texts, "tMainSETTINGS");
    const std::string topten = Text(program.texts, "tMainTOPTEN");

    moveTo("settings");
    EXPECT_TRUE(run.FieldShows("settings", settings, run.palette().bright));
    EXPECT_EQ(program.window.pointer, Pointer::Hand);
    // Straight onto the next button: the first keeps its highlight, the second gets none.
    moveTo("topten");
    EXPECT_TRUE(run.FieldShows("settings", settings, run.palette().bright));
    EXPECT_TRUE(run.FieldShows("topten", topten, run.palette().caption));
    // Resting on empty space settles both.
    Dispatch(program, CanvasEvent(CanvasEventType::MouseMove, 480, 300));
    EXPECT_TRUE(run.FieldShows("settings", settings, run.palette().caption));
    EXPECT_EQ(program.window.pointer, Pointer::Arrow);
    EXPECT_TRUE(program.hoveredHotspot.empty());

    // The edge pixel of a button is not on it.
    const Hotspot spot = FindHotspot(program.hotspots, "about");
    Dispatch(program, CanvasEvent(CanvasEventType::MouseMove, spot.x, spot.y + 2));
    EXPECT_EQ(program.window.pointer, Pointer::Arrow);

    // During a game the disabled buttons stay plain; the stop caption lights up and settles back.
    run.ClickHotspot("start");
    moveTo("settings");
    EXPECT_EQ(program.window.pointer, Pointer::Arrow);
    EXPECT_TRUE(run.FieldShows("settings", settings, run.palette().disabled));
    moveTo("start");
    EXPECT_TRUE(run.FieldShows("start", Text(program.texts, "tMainSTOP"), run.palette().bright));
    Dispatch(program, CanvasEvent(CanvasEventType::MouseMove, 480, 20));
    EXPECT_TRUE(run.FieldShows("start", Text(program.texts, "tMainSTOP"), run.palette().caption));
}

TEST(GameFlow, StartStopAndStartAgain)
{
    GameRun run;
    run.StartToIdle();
    Program& program = run.program;
    run.ClickHotspot("start");
    EXPECT_EQ(program.screenState, Playing);
    EXPECT_TRUE(IsTimerRunning(program.window.timers, kClockTimer));
    EXPECT_TRUE(run.FieldShows("start", Text(program.texts, "tMainSTOP"), run.palette().caption));
    EXPECT_TRUE(run.FieldShows("about", Text(program.texts, "tMainABOUT"), run.palette().disabled));
    EXPECT_TRUE(run.FieldShows("val_mines", "060", run.palette().bright));
    EXPECT_TRUE(run.FieldShows("val_besttime", "0:03:20", run.palette().bright));
    EXPECT_EQ(program.board.minesLeft, 60);
    EXPECT_EQ(program.board.safeCellsLeft, 29 * 15 - 60);

    // Buttons that belong to Idle do nothing now.
    run.ClickHotspot("about");
    run.ClickHotspot("topten");
    EXPECT_EQ(program.screenState, Playing);

    const std::vector<int8_t> firstMines = program.board.mineGrid;
    run.ClickCell(1, 1, CanvasEventType::RightClick);
    run.ClickHotspot("start");
    EXPECT_EQ(program.screenState, Idle);
    EXPECT_FALSE(IsTimerRunning(program.window.timers, kClockTimer));
    EXPECT_TRUE(run.CellShows(1, 1, program.tiles.covered));
    EXPECT_TRUE(run.FieldShows("val_mines", "000", run.palette().bright));

    program.platform.fixedClockMs = 5'000'000;
    run.ClickHotspot("start");
    EXPECT_NE(program.board.mineGrid, firstMines);
    EXPECT_EQ(program.clock.startTime, 5'000'000);
    EXPECT_TRUE(run.FieldShows("val_time", "0:00:00", run.palette().bright));
}

TEST(GameFlow, TheClockIgnoresTimeSpentMinimised)
{
    GameRun run;
    run.StartToIdle();
    Program& program = run.program;
    run.ClickHotspot("start");
    program.platform.fixedClockMs = 1'000'000 + 10'000;
    Dispatch(program, Event{EventKind::Minimised});
    program.platform.fixedClockMs = 1'000'000 + 70'000;
    Dispatch(program, Event{EventKind::Restored});
    program.platform.fixedClockMs = 1'000'000 + 75'500;
    Dispatch(program, TimerEvent(kClockTimer));
    EXPECT_TRUE(run.FieldShows("val_time", "0:00:15", run.palette().bright));
    EXPECT_EQ(FormatDuration(3'725'000), "1:02:05");
    EXPECT_EQ(FormatDuration(3'599'999), "0:59:59");
}

TEST(GameFlow, MarksAndTheMinesCounter)
{
    GameRun run;
    run.StartToIdle();
    Program& program = run.program;
    run.ClickHotspot("start");
    run.ClickCell(4, 4, CanvasEventType::RightClick);
    EXPECT_TRUE(run.CellShows(4, 4, program.tiles.markedMine));
    EXPECT_TRUE(run.FieldShows("val_mines", "059", run.palette().bright));
    run.ClickCell(4, 4, CanvasEventType::RightClick);
    EXPECT_TRUE(run.CellShows(4, 4, program.tiles.markedFlag));
    EXPECT_TRUE(run.FieldShows("val_mines", "060", run.palette().bright));
    run.ClickCell(4, 4, CanvasEventType::RightClick);
    EXPECT_TRUE(run.CellShows(4, 4, program.tiles.covered));

    // A right click on a gap or the bar changes nothing; outside a game neither does one on a cell.
    const std::vector<uint8_t> before = program.canvas.pixels;
    Dispatch(program, CanvasEvent(CanvasEventType::RightClick, 34, 60));
    Dispatch(program, CanvasEvent(CanvasEventType::RightClick, 300, 20));
    EXPECT_EQ(program.canvas.pixels, before);
}

TEST(GameFlow, ALostGame)
{
    GameRun run;
    run.StartToIdle();
    Program& program = run.program;
    run.ClickHotspot("start");
    const CellRef mine = run.FirstMine();
    run.ClickCell(mine.column, mine.row);
    EXPECT_EQ(program.screenState, GameOverPanel);
    EXPECT_FALSE(IsTimerRunning(program.window.timers, kClockTimer));
    const int32_t side = ProfileInForce(program).cellSize - 4;
    const CellPosition& position = PositionOf(program.cellPositions, mine.column, mine.row);
    EXPECT_TRUE(ShowsImage(program.canvas, position.x + 2, position.y + 2,
                           ScaleImage(program.artwork.explosionFrames[63], side, side)));
    EXPECT_TRUE(run.FieldShows("start", Text(program.texts, "tMainSTOP"), run.palette().disabled));

    // Clicks on the board and on start do nothing now; OK ends the panel with a fresh screen.
    run.ClickHotspot("start");
    EXPECT_EQ(program.screenState, GameOverPanel);
    run.ClickHotspot("gameover_ok");
    EXPECT_EQ(program.screenState, Idle);
    EXPECT_EQ(FindHotspot(program.hotspots, "gameover_ok"), Hotspot{});
    EXPECT_TRUE(run.CellShows(mine.column, mine.row, program.tiles.covered));

    // A loss leaves the tables as they were.
    Dispatch(program, CloseEvent());
    Shutdown(program);
    const BestTimeTables saved = LoadBestTimes(run.UserFolder());
    EXPECT_EQ(BestTimesBytes(saved), BestTimesBytes(DefaultBestTimeTables()));
}

TEST(GameFlow, WinningAtOrUnderTheTenthTime)
{
    const std::pair<int64_t, ScreenState> cases[] = {{200'000, WonPanel}, {199'999, NameEntryPanel}};
    for (const auto& [time, expected] : cases) {
        GameRun run;
        run.StartToIdle();
        run.ClickHotspot("start");
        run.UncoverAllSafeCells(1'000'000 + time);
        EXPECT_EQ(run.program.screenState, expected) << time;
        EXPECT_TRUE(run.FieldShows("val_time", FormatDuration(time), run.palette().bright));
    }
}

TEST(GameFlow, ACustomGameNeverEntersATable)
{
    GameRun run;
    ASSERT_TRUE(CreateFolders(run.UserFolder()));
    ASSERT_TRUE(ReplaceFile(run.UserFolder() + "Dravelock.prefs", "[General]\nDifficulty = 3\nMines = 5\n"));
    run.StartToIdle();
    run.ClickHotspot("start");
    EXPECT_TRUE(run.FieldShows("val_mines", "005", run.palette().bright));
    EXPECT_TRUE(run.FieldShows("val_besttime", "0:00:00", run.palette().bright));
    run.UncoverAllSafeCells(1'000'000 + 1);
    EXPECT_EQ(run.program.screenState, WonPanel);
    run.ClickHotspot("welldone_ok");
    EXPECT_EQ(run.program.screenState, Idle);
    EXPECT_EQ(run.program.bestTimes[0].slots[0].time, 200'000);
}

TEST(GameFlow, ANewBestTimeIsNamedShownAndSaved)
{
    GameRun run;
    run.StartToIdle();
    Program& program = run.program;
    run.ClickHotspot("start");
    run.UncoverAllSafeCells(1'000'000 + 95'000);
    ASSERT_EQ(program.screenState, NameEntryPanel);
    for (char32_t c : U"Ann  ") Dispatch(program, [&] {
        Event typed = CanvasEvent(CanvasEventType::Character);
        typed.character = c;
        return typed;
    }());
    run.ClickHotspot("entername_ok");
    EXPECT_EQ(program.screenState, Idle);
    EXPECT_EQ(program.bestTimes[0].slots[0], (BestTimeEntry{"Ann", 95'000}));

    run.ClickHotspot("start");
    EXPECT_TRUE(run.FieldShows("val_besttime", "0:01:35", run.palette().bright));
    Dispatch(program, CloseEvent());
    Shutdown(program);
    const BestTimeTables saved = LoadBestTimes(run.UserFolder());
    EXPECT_EQ(saved[0].slots[0], (BestTimeEntry{"Ann", 95'000}));
    EXPECT_EQ(saved[0].slots[1].name, "Quillmarch");
}

}  // namespace
