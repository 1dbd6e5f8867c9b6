#include <gtest/gtest.h>

#include "settings/game_settings.h"

namespace {

TEST(GameSettings, PresetsHaveTheirOwnMineCount)
{
    GameSettings settings;  // Easy with 100 in `mines`
    EXPECT_EQ(MineCountFor(settings), 60);
    settings.difficulty = Medium;
    EXPECT_EQ(MineCountFor(settings), 80);
    settings.difficulty = Hard;
    EXPECT_EQ(MineCountFor(settings), 110);
    settings.difficulty = Custom;
    EXPECT_EQ(MineCountFor(settings), 100);
}

TEST(GameSettings, HandEditedValuesAreBroughtIntoRange)
{
    struct Case {
        GameSettings in;
        GameSettings out;
    };
    const auto make = [](int32_t box, int32_t difficulty, int32_t columns, int32_t rows, int32_t mines, int32_t centre,
                         int32_t sound) { return GameSettings{"en_GB", box, difficulty, columns, rows, mines, centre, sound}; };
    const Case cases[] = {
        {make(1, 0, 29, 15, 100, 1, 0), make(1, 0, 29, 15, 100, 1, 0)},
        {make(-3, -1, 0, 0, 0, -7, 9), make(0, 0, 29, 15, 5, 0, 1)},
        {make(7, 4, 200, 200, 99999, 2, -1), make(6, 3, 58, 30, 300, 1, 0)},
        {make(3, 3, 40, 20, 47, 1, 0), make(3, 3, 40, 20, 45, 1, 0)},
    };
    for (const Case& c : cases) {
        GameSettings settings = c.in;
        ClampSettings(settings);
        EXPECT_EQ(settings, c.out) << c.in.boxSize << " " << c.in.columns << " " << c.in.mines;
    }
}

}  // namespace
