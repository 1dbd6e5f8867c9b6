#include "ui/buttons.h"

#include <optional>

#include "ui/canvas.h"

namespace {

// A text button and the state in which it can be highlighted; "start" has a row for each of its
// two captions.
struct TextButton {
    std::string_view hotspot;
    ScreenState state;
    std::string_view captionKey;
    bool onBar;  // drawn on the status bar, else on a panel
};

constexpr TextButton kTextButtons[] = {
    {"start", Idle, "tMainSTART", true},
    {"start", Playing, "tMainSTOP", true},
    {"settings", Idle, "tMainSETTINGS", true},
    {"topten", Idle, "tMainTOPTEN", true},
    {"about", Idle, "tMainABOUT", true},
    {"settings_ok", SettingsPanel, "tRequesterOK", false},
    {"settings_cancel", SettingsPanel, "tRequesterCANCEL", false},
    {"topten_ok", TopTenPanel, "tRequesterOK", false},
    {"topten_easy", TopTenPanel, "tSettingsEASY", false},
    {"topten_medium", TopTenPanel, "tSettingsMEDIUM", false},
    {"topten_hard", TopTenPanel, "tSettingsHARD", false},
    {"about_ok", AboutPanel, "tRequesterOK", false},
    {"welldone_ok", WonPanel, "tRequesterOK", false},
    {"entername_ok", NameEntryPanel, "tRequesterOK", false},
    {"gameover_ok", GameOverPanel, "tRequesterOK", false},
};

bool IsButton(std::string_view hotspot)
{
    for (const TextButton& button : kTextButtons) {
        if (button.hotspot == hotspot) return true;
    }
    return false;
}

// The row of the button for the current state, if it can act in it.
std::optional<TextButton> LiveButton(std::string_view hotspot, ScreenState state)
{
    for (const TextButton& button : kTextButtons) {
        if (button.hotspot == hotspot && button.state == state) return button;
    }
    return std::nullopt;
}

void DrawButtonLook(Program& program, const TextButton& button, bool highlighted)
{
    const Palette& palette = program.palette;
    DrawTextButton(program, button.hotspot, Text(program.texts, button.captionKey),
                   highlighted ? palette.bright : palette.caption, button.onBar ? palette.bar : palette.backdrop);
}

}  // namespace

void DrawTextButton(Program& program, std::string_view hotspot, std::string_view text, Rgb colour, Rgb background)
{
    const Hotspot spot = FindHotspot(program.hotspots, hotspot);
    DrawTextOn(program.canvas, program.fonts.textFont, spot.x, spot.y, text, colour, background);
    PresentPass(program.window, program.canvas);
}

void DrawGlyphButton(Program& program, std::string_view hotspot, const Image& glyph)
{
    const Hotspot spot = FindHotspot(program.hotspots, hotspot);
    CopyImage(program.canvas, glyph, spot.x, spot.y);
    PresentPass(program.window, program.canvas);
}

void HoverFeedback(Program& program, int32_t x, int32_t y)
{
    const std::string_view hotspot = HotspotAt(program.hotspots, x, y);
    if (IsButton(hotspot)) {
        const std::optional<TextButton> button = LiveButton(hotspot, program.screenState);
        if (!button || program.window.pointer == Pointer::Hand) return;
        program.hoveredHotspot = std::string(hotspot);
        DrawButtonLook(program, *button, true);
        SetPointer(program.window, Pointer::Hand);
        return;
    }
    if (program.window.pointer == Pointer::Arrow) return;
    SetPointer(program.window, Pointer::Arrow);
    if (const std::optional<TextButton> button = LiveButton(program.hoveredHotspot, program.screenState)) {
        DrawButtonLook(program, *button, false);
    }
    program.hoveredHotspot.clear();
}
