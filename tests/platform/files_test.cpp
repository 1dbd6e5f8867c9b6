#include <gtest/gtest.h>

#include <filesystem>

#include "../support/test_support.h"
#include "platform/files.h"

namespace {

TEST(Files, ReplaceWritesTheWholeFileAndLeavesNoTemporaryBehind)
{
    ScratchFolder folder;
    const std::string path = folder.Folder() + "Dravelock.scores";
    ASSERT_TRUE(ReplaceFile(path, "first"));
    ASSERT_TRUE(ReplaceFile(path, "second\r\n"));
    EXPECT_EQ(ReadWholeFile(path, 100), "second\r\n");
    EXPECT_EQ(FilesIn(folder.Folder()).size(), 1u);
}

TEST(Files, AFailedReplaceLeavesWhatWasThereAndNoTemporaryBehind)
{
    ScratchFolder folder;
    // A folder in the way makes the final rename fail, even for root.
    const std::string blocked = folder.Folder() + "Dravelock.prefs";
    ASSERT_TRUE(CreateFolders(blocked + "/inside"));
    EXPECT_FALSE(ReplaceFile(blocked, "new"));
    EXPECT_TRUE(FolderExists(blocked + "/inside"));
    EXPECT_EQ(FilesIn(folder.Folder()), std::vector<std::string>{"Dravelock.prefs"});

    EXPECT_FALSE(ReplaceFile(folder.Folder() + "missing/folder/file", "x"));
    EXPECT_FALSE(FileExists(folder.Folder() + "missing/folder/file"));
}

TEST(Files, ReadingRefusesFilesOverTheLimit)
{
    ScratchFolder folder;
    const std::string path = folder.Folder() + "big";
    ASSERT_TRUE(ReplaceFile(path, std::string(1000, 'x')));
    EXPECT_FALSE(ReadWholeFile(path, 999));
    EXPECT_EQ(ReadWholeFile(path, 1000)->size(), 1000u);
    EXPECT_FALSE(ReadWholeFile(folder.Folder() + "absent", 1000));
}

TEST(Files, CreateFoldersMakesEveryMissingParent)
{
    ScratchFolder folder;
    const std::string deep = folder.Folder() + "a/b c/d/";
    EXPECT_TRUE(CreateFolders(deep));
    EXPECT_TRUE(FolderExists(deep));
    EXPECT_TRUE(CreateFolders(deep));  // already there
}

TEST(Files, UserDataFolderFollowsXdgThenHome)
{
    struct Case {
        std::optional<std::string> dataHome;
        std::optional<std::string> home;
        std::string expected;
    };
    const Case cases[] = {
        {"/x/data", "/home/u", "/x/data/"},
        {"/x/data/", "/home/u", "/x/data/"},
        {std::nullopt, "/home/u", "/home/u/.local/share/"},
        {"", "/home/u", "/home/u/.local/share/"},
        {"relative/data", "/home/u", "/home/u/.local/share/"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment dataHome("XDG_DATA_HOME", c.dataHome);
        ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(UserDataFolder(), c.expected);
    }
}

TEST(Files, ProgramFolderIsTheExecutablesFolder)
{
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "dravelock_tests"));
}

}  // namespace
