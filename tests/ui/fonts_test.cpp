#include <gtest/gtest.h>

#include <filesystem>

#include "ui/fonts.h"

namespace {

TEST(Fonts, GameFaceResolvesToAFontFile)
{
    const FontFace& face = GameFontFace();
    EXPECT_TRUE(std::filesystem::is_regular_file(face.file)) << face.file;
    EXPECT_EQ(&GameFontFace(), &face) << "resolved once per process";
    EXPECT_EQ(face.substituted, face.family != kGameFontFamily) << face.family;
}

TEST(Fonts, SizesFollowTheProfileRow)
{
    struct Row {
        int32_t text, large, number;
    };
    constexpr Row kRows[kBoxSizeCount] = {{9, 18, 14},  {12, 24, 19}, {15, 30, 24}, {18, 36, 29},
                                          {21, 42, 34}, {24, 48, 38}, {27, 54, 43}};
    const BoxSizeProfileTable profiles = MakeBoxSizeProfiles();
    Fonts fonts;
    int32_t previousHeight = 0;
    for (int32_t box = 0; box < kBoxSizeCount; ++box) {
        const BoxSizeProfile& profile = profiles[static_cast<size_t>(box)];
        const Row& row = kRows[box];
        ASSERT_TRUE(LoadFonts(fonts, profile)) << box;
        ASSERT_TRUE(LoadNumberFont(fonts.numberFont, profile.cellSize)) << box;
        EXPECT_EQ(fonts.textFont.points, row.text) << box;
        EXPECT_EQ(fonts.largeFont.points, row.large) << box;
        EXPECT_EQ(NumberFontPoints(profile.cellSize), row.number) << box;
        EXPECT_EQ(fonts.numberFont.points, row.number) << box;

        // The fonts really are of those sizes: taller rows, and the large font above the text font.
        const int32_t height = MeasureText(fonts.textFont, "Start").height;
        EXPECT_GT(height, previousHeight) << box;
        EXPECT_GT(MeasureText(fonts.largeFont, "Start").height, height) << box;
        previousHeight = height;
    }
}

TEST(Fonts, LoadingAnotherRowReplacesTheFonts)
{
    const BoxSizeProfileTable profiles = MakeBoxSizeProfiles();
    Fonts fonts;
    ASSERT_TRUE(LoadFonts(fonts, profiles[6]));
    const TextSize large = MeasureText(fonts.textFont, "Start");
    ASSERT_TRUE(LoadFonts(fonts, profiles[0]));
    EXPECT_LT(MeasureText(fonts.textFont, "Start").width, large.width);
    EXPECT_EQ(fonts.largeFont.points, 18);
}

}  // namespace
