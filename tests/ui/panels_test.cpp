// The top-ten, about and result panels on a headless program at the default box size: where the
// frame, texts and buttons stand (to the pixel; text positions from the measured widths), what
// opening and closing do to the screen, the hotspots and the state, and the upper-casing of the
// about lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "../support/headless_run.h"
#include "game/duration.h"
#include "ui/panels.h"

namespace {

// Default box size: cell 32, spacing P 5, line L 18, panel 640 x 360 on a 960 x 540 canvas.
constexpr int32_t kP = 5;
constexpr int32_t kL = 18;

// A program with the shipped languages at Idle on the main screen, in the given locale.
struct PanelRun : HeadlessRun {
    ScopedEnvironment localeVariable;

    explicit PanelRun(const std::string& locale = "en_GB.UTF-8") : localeVariable("LANG", locale) {}

    void StartToIdle()
    {
        InstallLanguages();
        HeadlessRun::StartToIdle();
        ASSERT_EQ(program.canvas.width, 960);
        ASSERT_EQ(program.canvas.height, 540);
    }
    TextSize Measure(std::string_view text) const { return MeasureText(program.fonts.textFont, text); }
    const std::string& T(std::string_view key) const { return Text(program.texts, key); }
};

void Click(Program& program, std::string_view hotspot)
{
    const Hotspot spot = FindHotspot(program.hotspots, hotspot);
    Dispatch(program, CanvasEvent(CanvasEventType::LeftClick, spot.x + 1, spot.y + 1));
}

void MoveTo(Program& program, int32_t x, int32_t y) { Dispatch(program, CanvasEvent(CanvasEventType::MouseMove, x, y)); }

// Empty when the two images agree inside area, else where and how they first differ.
std::string FirstDifference(const Image& actual, const Image& expected, Rect area)
{
    if (actual.width != expected.width || actual.height != expected.height) return "sizes differ";
    for (int32_t y = area.y; y < area.y + area.height; ++y) {
        for (int32_t x = area.x; x < area.x + area.width; ++x) {
            const Rgb a = GetPixel(actual, x, y);
            const Rgb e = GetPixel(expected, x, y);
            if (a != e) {
                std::ostringstream text;
                text << "at (" << x << ", " << y << "): " << int(a.r) << "," << int(a.g) << "," << int(a.b) << " instead of "
                     << int(e.r) << "," << int(e.g) << "," << int(e.b);
                return text.str();
            }
        }
    }
    return "";
}

std::string FirstDifference(const Image& actual, const Image& expected)
{
    return FirstDifference(actual, expected, actual.Bounds());
}

// The four status-bar buttons as they look over Idle while a panel is shown.
void DrawDisabledBar(Image& image, const PanelRun& run)
{
    const std::pair<const char*, const char*> buttons[] = {
        {"start", "tMainSTART"}, {"settings", "tMainSETTINGS"}, {"topten", "tMainTOPTEN"}, {"about", "tMainABOUT"}};
    for (const auto& [hotspot, key] : buttons) {
        const Hotspot spot = FindHotspot(run.program.hotspots, hotspot);
        DrawTextOn(image, run.program.fonts.textFont, spot.x, spot.y, run.T(key), run.program.palette.disabled,
                   run.program.palette.bar);
    }
}

// An empty panel: the frame, the body below the two-line band, and the title.
void DrawExpectedFrame(Image& image, const PanelRun& run, Rect panel, std::string_view titleKey)
{
    FillBox(image, panel.x, panel.y, panel.width, panel.height, run.program.palette.frame);
    FillBox(image, panel.x + 2, panel.y + 2 * kL, panel.width - 4, panel.height - 2 * kL - 2, run.program.palette.backdrop);
    DrawText(image, run.program.fonts.textFont, panel.x + 2 * kP, panel.y + kL / 2, run.T(titleKey), run.program.palette.bright);
}

void DrawCaptionAt(Image& image, const PanelRun& run, Hotspot spot, std::string_view key)
{
    DrawText(image, run.program.fonts.textFont, spot.x, spot.y, run.T(key), run.program.palette.caption);
}

// The OK button of a panel: caption measures, 16 from the right edge and 8 from the bottom.
Hotspot ExpectedOk(const PanelRun& run, Rect panel)
{
    const TextSize ok = run.Measure(run.T("tRequesterOK"));
    return {panel.x + panel.width - ok.width - 16, panel.y + panel.height - ok.height - 8, ok.width, ok.height};
}

void DrawCentredLine(Image& image, const PanelRun& run, const Font& font, Rect panel, int32_t line, std::string_view text)
{
    DrawText(image, font, panel.x + panel.width / 2 - MeasureText(font, text).width / 2, panel.y + line * kL, text,
             run.program.palette.bright);
}

// ---------------------------------------------------------------------------------------------

TEST(PanelUpperCase, CapitalisesLatinLettersAndLeavesEverythingElse)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"abc xyz 0:09 @[`{", "ABC XYZ 0:09 @[`{"},
        {"\u00e0\u00e9\u00ee\u00f6\u00f8\u00fe", "\u00c0\u00c9\u00ce\u00d6\u00d8\u00de"},        // àéîöøþ
        {"\u00f7 \u00df \u00b5", "\u00f7 \u00df \u00b5"},                                            // ÷, ß, µ stay
        {"\u00ff", "\u0178"},                                                                        // ÿ
        {"\u0142\u017a\u0119\u015b\u0107\u017c\u0144\u0151", "\u0141\u0179\u0118\u015a\u0106\u017b\u0143\u0150"},  // łźęśćżńő
        {"\u0101\u0137\u013a\u0148\u014b\u0177\u017e", "\u0100\u0136\u0139\u0147\u014a\u0176\u017d"},  // ends of each run
        {"\u0131\u017f", "IS"},                                                                      // dotless i, long s
        {"\u0138\u0149\u0130\u0178", "\u0138\u0149\u0130\u0178"},                                    // no capital, or one already
        {"\u0432\u20ac\U0001F600", "\u0432\u20ac\U0001F600"},                                        // beyond Latin
        {"BRACKENWOLD Game", "BRACKENWOLD GAME"},
        {"a\xff" "b\xc3", "A\xff" "B\xc3"},                                                          // broken bytes kept
    };
    for (const auto& [text, capitals] : cases) EXPECT_EQ(UpperCaseText(text), capitals) << text;
}

TEST(PanelAboutLines, AreUpperCaseWhateverTheLanguageFileUses)
{
    TextCatalog texts;
    texts.texts = {{"tAboutCODEANDDESIGN", "kod i projekt"},
                   {"tABoutCONTRIBUTORS", "wsp\u00f3\u0142tw\u00f3rcy"},
                   {"tAboutEXPLOSIONART", "grafika:"},
                   {"tAboutEXPLOSIONSOUND", "d\u017awi\u0119k:"}};
    const auto lines = AboutLines(texts);
    std::vector<int32_t> numbers;
    for (const AboutLine& line : lines) {
        numbers.push_back(line.line);
        EXPECT_EQ(line.text, UpperCaseText(line.text)) << "line " << line.line;
    }
    EXPECT_EQ(numbers, (std::vector<int32_t>{3, 5, 6, 8, 9, 10, 12, 13, 14, 16}));
    EXPECT_EQ(lines[0].text, "DRAVELOCK 2.0");
    EXPECT_EQ(lines[1].text, "KOD I PROJEKT");
    EXPECT_EQ(lines[3].text, "WSP\u00d3\u0141TW\u00d3RCY");
    EXPECT_TRUE(lines[4].text.starts_with("GRAFIKA: ")) << lines[4].text;
    EXPECT_TRUE(lines[5].text.starts_with("D\u0179WI\u0118K: ")) << lines[5].text;
    EXPECT_EQ(lines[7].text, "BRACKENWOLD GAME STUDIO");
    EXPECT_EQ(lines[8].text, "QUILLMARCH INTERACTIVE");
    EXPECT_EQ(lines[9].text, "WWW.BRACKENWOLD.EXAMPLE");
    EXPECT_NE(lines[2].text, "");  // the author

    // The contributors' key has a capital B; the spelling of the other about keys finds nothing.
    texts.texts = {{"tAboutCONTRIBUTORS", "contributors"}};
    EXPECT_EQ(AboutLines(texts)[3].text, "");
}

TEST(PanelTopTen, OpensOnTheEasyTableOverADisabledBarWhateverTheDifficulty)
{
    PanelRun run;
    ASSERT_NO_FATAL_FAILURE(run.StartToIdle());
    Program& program = run.program;
    program.settings.difficulty = Hard;
    for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) {
        program.bestTimes[Easy].slots[slot] = {"Player " + std::to_string(slot), 61000 * slot + 999};
    }
    Image expected = program.canvas;

    Click(program, "topten");

    EXPECT_EQ(program.screenState, TopTenPanel);
    DrawDisabledBar(expected, run);
    EXPECT_EQ(FirstDifference(program.screenSnapshot, expected), "");

    const Rect panel{160, 90, 640, 360};
    DrawExpectedFrame(expected, run, panel, "tMainTOPTEN");
    DrawText(expected, program.fonts.textFont, 170, 144, run.T("tSettingsEASY"), program.palette.bright);
    for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) {
        const BestTimeEntry& entry = program.bestTimes[Easy].slots[slot];
        const int32_t y = 180 + slot * kL;  // the tenth name at 342
        const std::string time = FormatDuration(entry.time);
        DrawText(expected, program.fonts.textFont, 170, y, entry.name, program.palette.bright);
        DrawText(expected, program.fonts.textFont, 790 - run.Measure(time).width, y, time, program.palette.bright);
    }
    const Hotspot ok = ExpectedOk(run, panel);
    const TextSize easy = run.Measure(run.T("tSettingsEASY"));
    const TextSize medium = run.Measure(run.T("tSettingsMEDIUM"));
    const TextSize hard = run.Measure(run.T("tSettingsHARD"));
    const Hotspot tabs[] = {{168, 442 - easy.height, easy.width, easy.height},
                            {168 + easy.width + 3 * kP, 442 - medium.height, medium.width, medium.height},
                            {168 + easy.width + medium.width + 6 * kP, 442 - hard.height, hard.width, hard.height}};
    EXPECT_EQ(FindHotspot(program.hotspots, "topten_ok"), ok);
    EXPECT_EQ(FindHotspot(program.hotspots, "topten_easy"), tabs[0]);
    EXPECT_EQ(FindHotspot(program.hotspots, "topten_medium"), tabs[1]);
    EXPECT_EQ(FindHotspot(program.hotspots, "topten_hard"), tabs[2]);
    DrawCaptionAt(expected, run, ok, "tRequesterOK");
    DrawCaptionAt(expected, run, tabs[0], "tSettingsEASY");
    DrawCaptionAt(expected, run, tabs[1], "tSettingsMEDIUM");
    DrawCaptionAt(expected, run, tabs[2], "tSettingsHARD");
    EXPECT_EQ(FirstDifference(program.canvas, expected), "");
    EXPECT_EQ(program.panel.x, 160);
    EXPECT_EQ(program.panel.y, 90);
}

TEST(PanelTopTen, EachTableIsShownInFullWhileTheButtonBandKeepsItsLook)
{
    PanelRun run;
    ASSERT_NO_FATAL_FAILURE(run.StartToIdle());
    Program& program = run.program;
    // Long names on easy and short ones on hard, so that a table drawn over another without the
    // body cleared leaves remnants; medium as read from a best-time file that ended early.
    for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) {
        program.bestTimes[Easy].slots[slot] = {"Wilhelmina Quarterstaff " + std::to_string(slot), 3600000 * 11 + slot};
        program.bestTimes[Medium].slots[slot] = {"", 0};
        program.bestTimes[Hard].slots[slot] = {"Al", 1000 * slot};
    }
    Click(program, "topten");
    ASSERT_EQ(program.screenState, TopTenPanel);
    const Image opened = program.canvas;

    // A highlighted tab stays highlighted through the switches.
    const Hotspot hardTab = FindHotspot(program.hotspots, "topten_hard");
    MoveTo(program, hardTab.x + 1, hardTab.y + 1);
    ASSERT_EQ(program.hoveredHotspot, "topten_hard");
    const Image highlighted = program.canvas;
    ASSERT_NE(FirstDifference(highlighted, opened), "");

    const Rect body{162, 126, 636, 360 - 4 * kL - 2};
    const Rect band{160, body.y + body.height, 640, 450 - (body.y + body.height)};
    const Difficulty order[] = {Medium, Hard, Easy};
    for (const Difficulty table : order) {
        Click(program, table == Medium ? "topten_medium" : table == Hard ? "topten_hard" : "topten_easy");
        EXPECT_EQ(program.screenState, TopTenPanel);

        Image expected = highlighted;
        FillBox(expected, body.x, body.y, body.width, body.height, program.palette.backdrop);
        const char* subtitle = table == Easy ? "tSettingsEASY" : table == Medium ? "tSettingsMEDIUM" : "tSettingsHARD";
        DrawText(expected, program.fonts.textFont, 170, 144, run.T(subtitle), program.palette.bright);
        for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) {
            const BestTimeEntry& entry = program.bestTimes[table].slots[slot];
            const std::string time = table == Medium ? "0:00:00" : FormatDuration(entry.time);
            DrawText(expected, program.fonts.textFont, 170, 180 + slot * kL, entry.name, program.palette.bright);
            DrawText(expected, program.fonts.textFont, 790 - run.Measure(time).width, 180 + slot * kL, time,
                     program.palette.bright);
        }
        EXPECT_EQ(FirstDifference(program.canvas, expected), "") << "table " << table;
        EXPECT_EQ(FirstDifference(program.canvas, highlighted, band), "") << "table " << table;
    }
    // Back on easy the body is exactly as the panel opened.
    EXPECT_EQ(FirstDifference(program.canvas, opened, body), "");
}

TEST(PanelTopTenAndAbout, ClosingPutsTheScreenBackAndClearsTheHotspots)
{
    struct Case {
        const char* open;
        ScreenState state;
        const char* close;
        std::vector<const char*> panelHotspots;
    };
    const Case cases[] = {
        {"topten", TopTenPanel, "topten_ok", {"topten_ok", "topten_easy", "topten_medium", "topten_hard"}},
        {"about", AboutPanel, "about_ok", {"about_ok"}},
    };
    PanelRun run;
    ASSERT_NO_FATAL_FAILURE(run.StartToIdle());
    Program& program = run.program;
    const Image idle = program.canvas;
    for (const Case& c : cases) {
        Click(program, c.open);
        ASSERT_EQ(program.screenState, c.state) << c.open;
        for (const char* hotspot : c.panelHotspots) EXPECT_NE(FindHotspot(program.hotspots, hotspot), Hotspot{}) << hotspot;
        if (c.state == TopTenPanel) Click(program, "topten_hard");
        // The player points at OK (it lights up), clicks, and moves on.
        const Hotspot ok = FindHotspot(program.hotspots, c.close);
        MoveTo(program, ok.x + 1, ok.y + 1);
        ASSERT_EQ(program.hoveredHotspot, c.close);
        Click(program, c.close);
        EXPECT_EQ(program.screenState, Idle) << c.open;
        for (const char* hotspot : c.panelHotspots) EXPECT_EQ(FindHotspot(program.hotspots, hotspot), Hotspot{}) << hotspot;
        MoveTo(program, ok.x + 2, ok.y + 1);
        // Everything as before opening, the four bar buttons normal again.
        EXPECT_EQ(FirstDifference(program.canvas, idle), "") << c.open;
        // Where the OK button stood, a click does nothing now.
        Dispatch(program, CanvasEvent(CanvasEventType::LeftClick, ok.x + 1, ok.y + 1));
        EXPECT_EQ(program.screenState, Idle);
        EXPECT_EQ(FirstDifference(program.canvas, idle), "") << c.open;
    }
}

TEST(PanelTopTenAndAbout, WithoutRoomForTheSnapshotNeitherPanelOpens)
{
    PanelRun run;
    ASSERT_NO_FATAL_FAILURE(run.StartToIdle());
    Program& program = run.program;
    Image expected = program.canvas;
    DrawDisabledBar(expected, run);
    program.screenSnapshot = MakeImage(program.canvas.width - 1, program.canvas.height);
    for (const char* open : {"topten", "about"}) {
        Click(program, open);
        EXPECT_EQ(program.screenState, Idle) << open;
        EXPECT_EQ(FirstDifference(program.canvas, expected), "") << open;  // only the bar disabled
        for (const char* hotspot : {"topten_ok", "topten_easy", "topten_medium", "topten_hard", "about_ok"}) {
            EXPECT_EQ(FindHotspot(program.hotspots, hotspot), Hotspot{}) << hotspot;
        }
    }
}

TEST(PanelAbout, ShowsTheCentredLinesInCapitalsInEveryLanguage)
{
    for (const char* locale : {"en_GB.UTF-8", "pl_PL.UTF-8"}) {
        PanelRun run(locale);
        ASSERT_NO_FATAL_FAILURE(run.StartToIdle());
        Program& program = run.program;
        Image expected = program.canvas;

        Click(program, "about");

        EXPECT_EQ(program.screenState, AboutPanel) << locale;
        DrawDisabledBar(expected, run);
        EXPECT_EQ(FirstDifference(program.screenSnapshot, expected), "") << locale;
        const Rect panel{160, 90, 640, 360};
        DrawExpectedFrame(expected, run, panel, "tMainABOUT");
        const auto lines = AboutLines(program.texts);
        for (const AboutLine& line : lines) DrawCentredLine(expected, run, program.fonts.textFont, panel, line.line, line.text);
        const Hotspot ok = ExpectedOk(run, panel);
        EXPECT_EQ(FindHotspot(program.hotspots, "about_ok"), ok);
        DrawCaptionAt(expected, run, ok, "tRequesterOK");
        EXPECT_EQ(FirstDifference(program.canvas, expected), "") << locale;

        const std::string& contributors = lines[3].text;
        EXPECT_EQ(contributors, std::string(locale).starts_with("pl") ? "WSP\u00d3\u0141TW\u00d3RCY" : "CONTRIBUTORS");
    }
}

TEST(PanelResult, EachResultPanelStandsCentredOverTheBoardWithItsOkButton)
{
    struct Case {
        ResultPanel kind;
        const char* titleKey;
        const char* headlineKey;
        const char* ok;
        Rect panel;
    };
    const Case cases[] = {
        {ResultPanel::GameWon, "tWellDoneFOUNDALL", "tWellDoneWELLDONE", "welldone_ok", {160, 190, 640, 160}},
        {ResultPanel::NameEntry, "tEnterNameNEWTOPTEN", "tEnterNameCONGRATS", "entername_ok", {160, 126, 640, 288}},
        {ResultPanel::GameOver, "tGameOverSTEPPEDONMINE", "tGameOverGAMEOVER", "gameover_ok", {160, 190, 640, 160}},
    };
    for (const Case& c : cases) {
        PanelRun run;
        ASSERT_NO_FATAL_FAILURE(run.StartToIdle());
        Program& program = run.program;
        program.clock.elapsedTime = 3723999;  // 1:02:03
        program.typedName = U"left over";
        program.screenState = c.kind == ResultPanel::NameEntry ? NameEntryPanel : c.kind == ResultPanel::GameWon ? WonPanel : GameOverPanel;
        const ScreenState state = program.screenState;
        Image expected = program.canvas;

        DrawResultPanel(program, c.kind);

        EXPECT_EQ(program.screenState, state);
        DrawExpectedFrame(expected, run, c.panel, c.titleKey);
        DrawCentredLine(expected, run, program.fonts.largeFont, c.panel, 3, run.T(c.headlineKey));
        if (c.kind == ResultPanel::NameEntry) {
            DrawCentredLine(expected, run, program.fonts.textFont, c.panel, 6, run.T("tEnterNameYOURTIME") + " 1:02:03");
            DrawCentredLine(expected, run, program.fonts.textFont, c.panel, 8, run.T("tEnterNameENTERNAME"));
            FillBox(expected, 170, 297, 620, 36, program.palette.frame);
            EXPECT_EQ(program.typedName, U"");
        }
        const Hotspot ok = ExpectedOk(run, c.panel);
        EXPECT_EQ(FindHotspot(program.hotspots, c.ok), ok) << c.ok;
        DrawCaptionAt(expected, run, ok, "tRequesterOK");
        EXPECT_EQ(FirstDifference(program.canvas, expected), "") << c.ok;
        EXPECT_EQ(program.panel.x, c.panel.x);
        EXPECT_EQ(program.panel.y, c.panel.y);
        EXPECT_EQ(program.panel.width, c.panel.width);
        EXPECT_EQ(program.panel.height, c.panel.height);
    }
}

}  // namespace
