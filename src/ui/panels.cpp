#include "ui/panels.h"

#include <iterator>

#include "game/best_time_insert.h"
#include "game/duration.h"
#include "ui/canvas.h"
#include "ui/main_screen.h"

namespace {

// The credits of the about panel that no language file translates.
constexpr const char* kProductLine = "Dravelock 2.0";
constexpr const char* kAuthor = "Henrike Vasselot";
constexpr const char* kExplosionArtist = "Tobiah Crennick";
constexpr const char* kSoundDesigner = "Ma\u00EBlle Orwenthal";
constexpr const char* kRightsLine = "\u00A9 2019-2026 Henrike Vasselot";
constexpr const char* kStudioName = "BRACKENWOLD GAME STUDIO";  // already in capitals, drawn as it is
constexpr const char* kCompanyName = "Quillmarch Interactive";
constexpr const char* kWebAddress = "www.brackenwold.example";

// The tabs of the top-ten panel, in the order of the tables.
struct TopTenTab {
    std::string_view hotspot;
    std::string_view captionKey;
};
constexpr TopTenTab kTopTenTabs[kBestTimeTableCount] = {
    {"topten_easy", "tSettingsEASY"}, {"topten_medium", "tSettingsMEDIUM"}, {"topten_hard", "tSettingsHARD"}};

struct ResultPanelLook {
    std::string_view titleKey;
    std::string_view headlineKey;
    std::string_view okHotspot;
    int32_t heightInCells;
};

const ResultPanelLook& LookOf(ResultPanel kind)
{
    static const ResultPanelLook looks[] = {
        {"tWellDoneFOUNDALL", "tWellDoneWELLDONE", "welldone_ok", 5},
        {"tEnterNameNEWTOPTEN", "tEnterNameCONGRATS", "entername_ok", 9},
        {"tGameOverSTEPPEDONMINE", "tGameOverGAMEOVER", "gameover_ok", 5},
    };
    return looks[static_cast<size_t>(kind)];
}

// The top of line k of the panel last drawn.
int32_t LineTop(const Program& program, int32_t line)
{
    return program.panel.y + line * ProfileInForce(program).lineHeight;
}

void DrawCentred(Program& program, const Font& font, int32_t line, std::string_view text)
{
    const PanelPlacement& panel = program.panel;
    const int32_t x = panel.x + panel.width / 2 - MeasureText(font, text).width / 2;
    DrawText(program.canvas, font, x, LineTop(program, line), text, program.palette.bright);
}

// Places the panel, remembers it, and draws its frame and title (one pass, opened by the caller).
void DrawPanelBase(Program& program, int32_t width, int32_t height, std::string_view titleKey)
{
    const BoxSizeProfile& profile = ProfileInForce(program);
    program.panel = CentredPanel(program.canvas.width, program.canvas.height, width, height);
    DrawPanelFrame(program.canvas, program.panel, profile.lineHeight, program.palette);
    DrawText(program.canvas, program.fonts.textFont, program.panel.x + 2 * profile.spacing,
             program.panel.y + profile.lineHeight / 2, Text(program.texts, titleKey), program.palette.bright);
}

void SetToCaption(Program& program, std::string_view hotspot, int32_t x, int32_t y, const TextSize& size)
{
    SetHotspot(program.hotspots, hotspot, {x, y, size.width, size.height});
}

void DrawCaption(Program& program, std::string_view hotspot, std::string_view text)
{
    const Hotspot spot = FindHotspot(program.hotspots, hotspot);
    DrawText(program.canvas, program.fonts.textFont, spot.x, spot.y, text, program.palette.caption);
}

// The OK button stands in the bottom right corner of every panel.
void SetOkHotspot(Program& program, std::string_view hotspot)
{
    const PanelPlacement& panel = program.panel;
    const TextSize size = MeasureText(program.fonts.textFont, Text(program.texts, "tRequesterOK"));
    SetToCaption(program, hotspot, panel.x + panel.width - size.width - 16, panel.y + panel.height - size.height - 8, size);
}

// The tabs stand in the bottom left corner, 3P apart.
void SetTabHotspots(Program& program)
{
    const PanelPlacement& panel = program.panel;
    int32_t x = panel.x + 8;
    for (const TopTenTab& tab : kTopTenTabs) {
        const TextSize size = MeasureText(program.fonts.textFont, Text(program.texts, tab.captionKey));
        SetToCaption(program, tab.hotspot, x, panel.y + panel.height - size.height - 8, size);
        x += size.width + 3 * ProfileInForce(program).spacing;
    }
}

// The difficulty name at line 3 and slots 0 to 9 at lines 5 to 14; the body is not cleared.
void DrawTopTenRows(Program& program, Difficulty table)
{
    const int32_t spacing = ProfileInForce(program).spacing;
    const Font& font = program.fonts.textFont;
    const Rgb bright = program.palette.bright;
    const int32_t left = program.panel.x + 2 * spacing;
    const int32_t right = program.panel.x + program.panel.width - 2 * spacing;
    DrawText(program.canvas, font, left, LineTop(program, 3), Text(program.texts, kTopTenTabs[table].captionKey), bright);
    const BestTimeTable& times = program.bestTimes[static_cast<size_t>(table)];
    for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) {
        const BestTimeEntry& entry = times.slots[static_cast<size_t>(slot)];
        const int32_t top = LineTop(program, slot + 5);
        const std::string time = FormatDuration(entry.time);
        DrawText(program.canvas, font, left, top, entry.name, bright);
        DrawText(program.canvas, font, right - MeasureText(font, time).width, top, time, bright);
    }
}

// The status-bar buttons disabled and the screen kept, before a panel opens over Idle. Without a
// snapshot of the canvas's size the panel could not be closed again, so it does not open; the
// buttons then stay disabled until the next redraw of the main screen.
bool PreparePanelOverIdle(Program& program)
{
    DrawStatusButtons(program, ButtonLook::Disabled, "tMainSTART");
    const Image& snapshot = program.screenSnapshot;
    if (snapshot.IsEmpty() || snapshot.width != program.canvas.width || snapshot.height != program.canvas.height) {
        return false;
    }
    TakeSnapshot(program);
    return true;
}

void ReturnToIdle(Program& program)
{
    program.screenState = Idle;
    DrawStatusButtons(program, ButtonLook::Normal, "tMainSTART");
}

// The name box of the name-entry panel.
Rect NameBox(const Program& program)
{
    const BoxSizeProfile& profile = ProfileInForce(program);
    const int32_t line = profile.lineHeight;
    return {program.panel.x + 2 * profile.spacing, program.panel.y + 10 * line - line / 2,
            20 * profile.cellSize - 4 * profile.spacing, 2 * line};
}

// The code point's capital where it has one of the same script range, else the code point.
char32_t UpperCaseOf(char32_t c)
{
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE) return c == 0xF7 ? c : c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c == 0x131) return U'I';  // dotless i
    if (c == 0x17F) return U'S';  // long s
    // Latin Extended-A pairs a capital with the small letter after it; three runs start on an
    // even code point, two (after the unpaired U+0138 and U+0149) on an odd one.
    const bool evenRun = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    const bool oddRun = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((evenRun && c % 2 == 1) || (oddRun && c % 2 == 0)) return c - 1;
    return c;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {  // every capital made here lies below U+0800
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

PanelPlacement CentredPanel(int32_t canvasWidth, int32_t canvasHeight, int32_t width, int32_t height)
{
    return {canvasWidth / 2 - width / 2, canvasHeight / 2 - height / 2, width, height};
}

void DrawPanelFrame(Image& image, const PanelPlacement& panel, int32_t lineHeight, const Palette& palette)
{
    FillBox(image, panel.x, panel.y, panel.width, panel.height, palette.frame);
    FillBox(image, panel.x + 2, panel.y + 2 * lineHeight, panel.width - 4, panel.height - 2 * lineHeight - 2,
            palette.backdrop);
}

void OpenTopTenPanel(Program& program)
{
    if (!PreparePanelOverIdle(program)) return;
    const BoxSizeProfile& profile = ProfileInForce(program);
    DrawPanelBase(program, profile.panelWidth, profile.panelHeight, "tMainTOPTEN");
    DrawTopTenRows(program, Easy);
    SetOkHotspot(program, "topten_ok");
    SetTabHotspots(program);
    DrawCaption(program, "topten_ok", Text(program.texts, "tRequesterOK"));
    for (const TopTenTab& tab : kTopTenTabs) DrawCaption(program, tab.hotspot, Text(program.texts, tab.captionKey));
    program.screenState = TopTenPanel;
    PresentPass(program.window, program.canvas);
}

void ShowTopTenTable(Program& program, Difficulty table)
{
    if (table < Easy || table > Hard) return;
    const int32_t line = ProfileInForce(program).lineHeight;
    const PanelPlacement& panel = program.panel;
    // The body above the band of the buttons, which keep their look (a highlight included).
    FillBox(program.canvas, panel.x + 2, panel.y + 2 * line, panel.width - 4, panel.height - 4 * line - 2,
            program.palette.backdrop);
    DrawTopTenRows(program, table);
    PresentPass(program.window, program.canvas);
}

Difficulty TopTenTabTable(std::string_view hotspot)
{
    for (size_t i = 0; i < std::size(kTopTenTabs); ++i) {
        if (kTopTenTabs[i].hotspot == hotspot) return static_cast<Difficulty>(i);
    }
    return Easy;
}

void CloseTopTenPanel(Program& program)
{
    ShowSnapshot(program);
    ClearHotspot(program.hotspots, "topten_ok");
    for (const TopTenTab& tab : kTopTenTabs) ClearHotspot(program.hotspots, tab.hotspot);
    ReturnToIdle(program);
}

std::array<AboutLine, 10> AboutLines(const TextCatalog& texts)
{
    const auto upper = [](std::string_view text) { return UpperCaseText(text); };
    const std::string space = " ";
    return {{
        {3, upper(kProductLine)},
        {5, upper(Text(texts, "tAboutCODEANDDESIGN"))},
        {6, upper(kAuthor)},
        {8, upper(Text(texts, "tABoutCONTRIBUTORS"))},
        {9, upper(Text(texts, "tAboutEXPLOSIONART") + space + kExplosionArtist)},
        {10, upper(Text(texts, "tAboutEXPLOSIONSOUND") + space + kSoundDesigner)},
        {12, upper(kRightsLine)},
        {13, kStudioName},
        {14, upper(kCompanyName)},
        {16, upper(kWebAddress)},
    }};
}

void OpenAboutPanel(Program& program)
{
    if (!PreparePanelOverIdle(program)) return;
    const BoxSizeProfile& profile = ProfileInForce(program);
    DrawPanelBase(program, profile.panelWidth, profile.panelHeight, "tMainABOUT");
    for (const AboutLine& line : AboutLines(program.texts)) DrawCentred(program, program.fonts.textFont, line.line, line.text);
    SetOkHotspot(program, "about_ok");
    DrawCaption(program, "about_ok", Text(program.texts, "tRequesterOK"));
    program.screenState = AboutPanel;
    PresentPass(program.window, program.canvas);
}

void CloseAboutPanel(Program& program)
{
    ShowSnapshot(program);
    ClearHotspot(program.hotspots, "about_ok");
    ReturnToIdle(program);
}

void DrawResultPanel(Program& program, ResultPanel kind)
{
    const ResultPanelLook& look = LookOf(kind);
    const BoxSizeProfile& profile = ProfileInForce(program);
    DrawPanelBase(program, 20 * profile.cellSize, look.heightInCells * profile.cellSize, look.titleKey);
    DrawCentred(program, program.fonts.largeFont, 3, Text(program.texts, look.headlineKey));
    if (kind == ResultPanel::NameEntry) {
        const Font& font = program.fonts.textFont;
        DrawCentred(program, font, 6, Text(program.texts, "tEnterNameYOURTIME") + " " + FormatDuration(program.clock.elapsedTime));
        DrawCentred(program, font, 8, Text(program.texts, "tEnterNameENTERNAME"));
        const Rect box = NameBox(program);
        FillBox(program.canvas, box.x, box.y, box.width, box.height, program.palette.frame);
    }
    SetOkHotspot(program, look.okHotspot);
    DrawCaption(program, look.okHotspot, Text(program.texts, "tRequesterOK"));
    PresentPass(program.window, program.canvas);
    if (kind == ResultPanel::NameEntry) program.typedName.clear();
}

void RedrawTypedName(Program& program, bool clearFirst)
{
    const Palette& palette = program.palette;
    if (clearFirst) {
        const Rect box = NameBox(program);
        FillBox(program.canvas, box.x, box.y, box.width, box.height, palette.frame);
    }
    const std::string name = Utf8FromUtf32(program.typedName);
    const Font& font = program.fonts.textFont;
    const int32_t x = program.panel.x + program.panel.width / 2 - MeasureText(font, name).width / 2;
    DrawTextOn(program.canvas, font, x, LineTop(program, 10), name, palette.bright, palette.frame);
    PresentPass(program.window, program.canvas);
}

std::string UpperCaseText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            AppendUtf8(out, UpperCaseOf(lead));
            continue;
        }
        // Every letter that has a capital here is a two-byte sequence; anything else is copied.
        const bool twoBytes = lead >= 0xC2 && lead <= 0xDF && i + 1 < utf8.size() &&
                              (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80;
        if (!twoBytes) {
            out += utf8[i];
            continue;
        }
        const char32_t c = static_cast<char32_t>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
        const char32_t capital = UpperCaseOf(c);
        if (capital == c) out.append(utf8.substr(i, 2));
        else AppendUtf8(out, capital);
        ++i;
    }
    return out;
}
