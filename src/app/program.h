// The one record of program-wide state, made of the subsystems' own records. Handlers take
// Program&; everything else takes the narrowest piece it needs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/diagnostic_log.h"
#include "app/screen_state.h"
#include "game/best_times.h"
#include "game/board.h"
#include "game/hit_map.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/window.h"
#include "settings/game_settings.h"
#include "storage/languages.h"
#include "storage/text_catalog.h"
#include "ui/artwork.h"
#include "ui/embedded_assets.h"
#include "ui/fonts.h"
#include "ui/hotspots.h"
#include "ui/metrics.h"
#include "ui/tiles.h"

// What differs between the game on a desktop and the same program in a headless test.
struct PlatformChoices {
    std::string videoDrivers = "x11,wayland";  // real displays only: never run invisibly
    bool showMessageBoxes = true;              // tests record the boxes instead
    std::string gameDir;                       // empty: the executable's folder
    std::optional<int64_t> fixedClockMs;       // tests set the monotonic clock by hand
    EmbeddedAssets assets = BuiltInAssets();   // tests hand in bytes that do not decode
};

// The clock of a game, in readings of the monotonic millisecond clock.
struct GameClock {
    int64_t startTime = 0;
    int64_t endTime = 0;
    int64_t minimisedAt = 0;
    int32_t elapsedTime = 0;  // the winning time
};

// Where the panel drawn last stands; the table switch and the name redraw draw into it.
struct PanelPlacement {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct ShownMessage {
    std::string title;
    std::string text;
};

struct Program {
    PlatformChoices platform;
    std::vector<std::string> arguments;  // command-line parameters after the program name

    std::string gameDir;
    std::string userDir;
    std::string saveTo;

    GameSettings settings;         // in force
    GameSettings workingSettings;  // edited by the settings panel
    int32_t languageIndex = 0;
    TextCatalog texts;
    LanguageCatalog languages;
    BestTimeTables bestTimes;

    ScreenState screenState = LogoSplash;
    Board board;
    GameClock clock;
    PanelPlacement panel;
    std::u32string typedName;  // the name being entered for a new best time
    CellPositionGrid cellPositions;
    Image hitMap;
    HotspotRegistry hotspots;
    std::string hoveredHotspot;

    BoxSizeProfileTable profiles{};
    Palette palette;
    Fonts fonts;
    Tiles tiles;
    Glyphs glyphs;
    Artwork artwork;

    Window window;
    Image canvas;
    Image screenSnapshot;

    DiagnosticLog log;
    RandomSource random;
    bool quit = false;
    std::vector<ShownMessage> shownMessages;
};

// The monotonic clock in milliseconds (or the time a test has set).
int64_t Now(const Program& program);
// The profile row of the box size in force.
const BoxSizeProfile& ProfileInForce(const Program& program);
