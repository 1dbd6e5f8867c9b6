#include "ui/main_screen.h"

#include <cstdio>
#include <iterator>

#include "ui/buttons.h"
#include "ui/canvas.h"

namespace {

constexpr const char* kZeroMines = "000";
constexpr const char* kZeroTime = "0:00:00";

struct BarButton {
    std::string_view hotspot;
    std::string_view captionKey;
};

// From the left; "start" shows "tMainSTOP" instead while a game runs.
constexpr BarButton kBarButtons[] = {
    {"start", "tMainSTART"}, {"settings", "tMainSETTINGS"}, {"topten", "tMainTOPTEN"}, {"about", "tMainABOUT"}};

std::string_view CaptionOf(size_t button, std::string_view startKey)
{
    return button == 0 ? startKey : kBarButtons[button].captionKey;
}

void SetToText(Program& program, std::string_view hotspot, int32_t x, int32_t y, std::string_view text)
{
    const TextSize size = MeasureText(program.fonts.textFont, text);
    SetHotspot(program.hotspots, hotspot, {x, y, size.width, size.height});
}

// Every status-bar text stands at this y.
int32_t StatusTextTop(const Program& program)
{
    return (ProfileInForce(program).barHeight - MeasureText(program.fonts.textFont, " ").height) / 2;
}

// The four buttons from the left, each as wide as its caption and 2P apart.
void LayOutButtons(Program& program, std::string_view startKey)
{
    const int32_t spacing = ProfileInForce(program).spacing;
    const int32_t top = StatusTextTop(program);
    int32_t x = spacing + 2;
    for (size_t i = 0; i < std::size(kBarButtons); ++i) {
        SetToText(program, kBarButtons[i].hotspot, x, top, Text(program.texts, CaptionOf(i, startKey)));
        x += FindHotspot(program.hotspots, kBarButtons[i].hotspot).width + 2 * spacing;
    }
}

// The six fields from the right edge leftwards, each as wide as what it shows.
void LayOutFields(Program& program)
{
    const int32_t spacing = ProfileInForce(program).spacing;
    const int32_t top = StatusTextTop(program);
    const Font& font = program.fonts.textFont;
    const auto width = [&](std::string_view text) { return MeasureText(font, text).width; };

    int32_t x = program.canvas.width - spacing - width(kZeroTime) - 2;
    SetToText(program, "val_besttime", x, top, kZeroTime);
    x -= spacing + width(Text(program.texts, "tMainBESTTIME"));
    SetToText(program, "besttime", x, top, Text(program.texts, "tMainBESTTIME"));
    x -= 2 * spacing + width(kZeroTime);
    SetToText(program, "val_time", x, top, kZeroTime);
    x -= spacing + width(Text(program.texts, "tMainTIME"));
    SetToText(program, "time", x, top, Text(program.texts, "tMainTIME"));
    x -= 2 * spacing + width(kZeroMines);
    SetToText(program, "val_mines", x, top, kZeroMines);
    x -= spacing + width(Text(program.texts, "tMainMINES"));
    SetToText(program, "mines", x, top, Text(program.texts, "tMainMINES"));
}

void DrawAt(Program& program, Image& target, std::string_view hotspot, std::string_view text, Rgb colour)
{
    const Hotspot spot = FindHotspot(program.hotspots, hotspot);
    DrawText(target, program.fonts.textFont, spot.x, spot.y, text, colour);
}

void DrawButtonCaptions(Program& program, Image& target, std::string_view startKey)
{
    for (size_t i = 0; i < std::size(kBarButtons); ++i) {
        DrawAt(program, target, kBarButtons[i].hotspot, Text(program.texts, CaptionOf(i, startKey)), program.palette.caption);
    }
}

void DrawFields(Program& program, Image& target, Rgb colour)
{
    DrawAt(program, target, "mines", Text(program.texts, "tMainMINES"), colour);
    DrawAt(program, target, "val_mines", kZeroMines, colour);
    DrawAt(program, target, "time", Text(program.texts, "tMainTIME"), colour);
    DrawAt(program, target, "val_time", kZeroTime, colour);
    DrawAt(program, target, "besttime", Text(program.texts, "tMainBESTTIME"), colour);
    DrawAt(program, target, "val_besttime", kZeroTime, colour);
}

// The bar's background and its two-pixel separator, from the left edge to width.
void DrawBarBackground(Program& program, Image& target, int32_t width)
{
    const int32_t barHeight = ProfileInForce(program).barHeight;
    FillBox(target, 0, 0, width, barHeight, program.palette.bar);
    FillBox(target, 0, barHeight - 2, width, 2, program.palette.frame);
}

void DrawStatusBar(Program& program, Image& target, Rgb fieldColour)
{
    DrawBarBackground(program, target, target.width);
    LayOutButtons(program, "tMainSTART");
    LayOutFields(program);
    DrawButtonCaptions(program, target, "tMainSTART");
    DrawFields(program, target, fieldColour);
}

}  // namespace

std::string MineCountText(int32_t count)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", static_cast<int>(count));
    return digits;
}

void MainScreenDraw(Program& program)
{
    Image& canvas = program.canvas;
    FillImage(canvas, program.palette.backdrop);
    DrawStatusBar(program, canvas, program.palette.bright);

    const BoxSizeProfile& profile = ProfileInForce(program);
    const int32_t columns = ClampBoardSide(program.settings.columns);
    const int32_t rows = ClampBoardSide(program.settings.rows);
    BuildCellPositionGrid(program.cellPositions, columns, rows, profile);
    for (int32_t c = 1; c <= columns; ++c) {
        for (int32_t r = 1; r <= rows; ++r) {
            const CellPosition& position = PositionOf(program.cellPositions, c, r);
            CopyImage(canvas, program.tiles.covered, position.x, position.y);
        }
    }
    PresentPass(program.window, canvas);
    PaintHitMap(program.hitMap, canvas.width, canvas.height, program.cellPositions, profile.cellSize);
}

void StatusBarDraw(Program& program, Image& target)
{
    DrawStatusBar(program, target, program.palette.caption);
    if (&target == &program.canvas) PresentPass(program.window, program.canvas);
}

void PlayingBarDraw(Program& program, int32_t mines, const std::string& bestTime)
{
    const Palette& palette = program.palette;
    Image& canvas = program.canvas;
    const Hotspot valMines = FindHotspot(program.hotspots, "val_mines");
    FillBox(canvas, valMines.x, valMines.y, valMines.width, FindHotspot(program.hotspots, "mines").height, palette.bar);
    DrawTextOn(canvas, program.fonts.textFont, valMines.x, valMines.y, MineCountText(mines), palette.bright, palette.bar);
    if (!bestTime.empty()) {
        const Hotspot valBest = FindHotspot(program.hotspots, "val_besttime");
        DrawTextOn(canvas, program.fonts.textFont, valBest.x, valBest.y, bestTime, palette.bright, palette.bar);
    }
    PresentPass(program.window, canvas);

    DrawBarBackground(program, canvas, FindHotspot(program.hotspots, "mines").x);
    LayOutButtons(program, "tMainSTOP");
    DrawButtonCaptions(program, canvas, "tMainSTOP");
    PresentPass(program.window, canvas);

    for (size_t i = 1; i < std::size(kBarButtons); ++i) {
        DrawTextButton(program, kBarButtons[i].hotspot, Text(program.texts, kBarButtons[i].captionKey), palette.disabled,
                       palette.bar);
    }
}

void DrawStatusButtons(Program& program, ButtonLook look, std::string_view startKey)
{
    const Palette& palette = program.palette;
    const Rgb colour = look == ButtonLook::Normal ? palette.caption : look == ButtonLook::Highlighted ? palette.bright : palette.disabled;
    for (size_t i = 0; i < std::size(kBarButtons); ++i) {
        DrawTextButton(program, kBarButtons[i].hotspot, Text(program.texts, CaptionOf(i, startKey)), colour, palette.bar);
    }
}

void DrawStatusField(Program& program, std::string_view hotspot, const std::string& text)
{
    DrawTextButton(program, hotspot, text, program.palette.bright, program.palette.bar);
}

void TakeSnapshot(Program& program)
{
    CopyImage(program.screenSnapshot, program.canvas, 0, 0);
    TakeDirty(program.screenSnapshot);
}

void ShowSnapshot(Program& program) { ShowPicture(program.window, program.canvas, program.screenSnapshot); }
