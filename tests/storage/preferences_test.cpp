#include <gtest/gtest.h>

#include "../support/test_support.h"
#include "platform/files.h"
#include "storage/preferences.h"

namespace {

TEST(Preferences, AreWrittenByteForByte)
{
    GameSettings settings;
    settings.language = "en_GB";
    EXPECT_EQ(PreferencesBytes(settings), "\xEF\xBB\xBF\r\n"
                                          "; Dravelock 2.0 Preferences\r\n"
                                          "[General]\r\n"
                                          "Language = en_GB\r\n"
                                          "Boxsize = 1\r\n"
                                          "Difficulty = 0\r\n"
                                          "Columns = 29\r\n"
                                          "Rows = 15\r\n"
                                          "Mines = 100\r\n"
                                          "Center = 1\r\n"
                                          "Sound = 0\r\n");
}

TEST(Preferences, SaveAndLoadRoundTrip)
{
    ScratchFolder folder;
    GameSettings saved{"de_DE", 4, Custom, 45, 22, 135, 0, 1};
    ASSERT_TRUE(SavePreferences(saved, folder.Folder()));
    GameSettings loaded;
    ASSERT_TRUE(LoadPreferences(loaded, folder.Folder()));
    EXPECT_EQ(loaded, saved);
}

TEST(Preferences, MissingFileChangesNothingAndAnEmptyFileCountsAsFound)
{
    ScratchFolder folder;
    GameSettings settings{"fr_FR", 3, Hard, 29, 15, 100, 1, 1};
    const GameSettings before = settings;
    EXPECT_FALSE(LoadPreferences(settings, folder.Folder()));
    EXPECT_EQ(settings, before);

    ASSERT_TRUE(ReplaceFile(folder.Folder() + "Dravelock.prefs", ""));
    EXPECT_TRUE(LoadPreferences(settings, folder.Folder()));
    EXPECT_EQ(settings, GameSettings{});  // every key missing: all defaults, language empty
}

TEST(Preferences, EachKeyIsReadByItself)
{
    ScratchFolder folder;
    ASSERT_TRUE(ReplaceFile(folder.Folder() + "Dravelock.prefs",
                            "[GENERAL]\nlanguage=nl_NL\nDIFFICULTY = 3\nColumns = 40abc\nRows = abc\nSound=1\n"));
    GameSettings settings;
    ASSERT_TRUE(LoadPreferences(settings, folder.Folder()));
    EXPECT_EQ(settings, (GameSettings{"nl_NL", 1, Custom, 40, 0, 100, 1, 1}));
}

}  // namespace
