#include <gtest/gtest.h>

#include <random>

#include "../support/test_support.h"
#include "platform/files.h"
#include "storage/best_time_file.h"

namespace {

std::string SixtyLines()
{
    std::string bytes;
    for (int table = 0; table < 3; ++table) {
        for (int slot = 0; slot < 10; ++slot) {
            bytes += (slot == 3 ? std::string() : " Name " + std::to_string(table * 10 + slot) + " ") + "\r\n";
            bytes += std::to_string(1000 * (slot + 1) - (slot == 5 ? 7000 : 0)) + "\r\n";
        }
    }
    return bytes;
}

TEST(BestTimeFile, WithoutAFileEveryTableHasItsDefaults)
{
    ScratchFolder folder;
    const BestTimeTables tables = LoadBestTimes(folder.Folder());
    const BestTimeEntry expected[] = {{"Quillmarch", 200000}, {"Valmoren", 400000}, {"Tarquel", 2278899}};
    for (int table = 0; table < 3; ++table) {
        for (int slot = 0; slot < 10; ++slot) EXPECT_EQ(tables[table].slots[slot], expected[table]);
        EXPECT_EQ(tables[table].slots[10], BestTimeEntry{});
    }
}

TEST(BestTimeFile, AnUnchangedRunWritesBackTheFileItReadByteForByte)
{
    ScratchFolder folder;
    const std::string original = SixtyLines();
    ASSERT_TRUE(ReplaceFile(folder.Folder() + "Dravelock.scores", original));
    const BestTimeTables tables = LoadBestTimes(folder.Folder());
    EXPECT_EQ(tables[0].slots[0].name, " Name 0 ");  // spaces kept
    EXPECT_EQ(tables[1].slots[3].name, "");
    EXPECT_EQ(tables[2].slots[5].time, -1000);
    ASSERT_TRUE(SaveBestTimes(tables, folder.Folder()));
    EXPECT_EQ(ReadWholeFile(folder.Folder() + "Dravelock.scores", 1 << 16), original);
}

TEST(BestTimeFile, ShortFilesGarbageTimesAndAByteOrderMark)
{
    const BestTimeTables shortFile = ParseBestTimes("Ann\r\n5000\r\nBo\n 6000xyz\rCy\r\nabc");
    EXPECT_EQ(shortFile[0].slots[0], (BestTimeEntry{"Ann", 5000}));
    EXPECT_EQ(shortFile[0].slots[1], (BestTimeEntry{"Bo", 6000}));
    EXPECT_EQ(shortFile[0].slots[2], (BestTimeEntry{"Cy", 0}));
    EXPECT_EQ(shortFile[0].slots[3], BestTimeEntry{});
    EXPECT_EQ(shortFile[2].slots[9], BestTimeEntry{});

    const BestTimeTables marked = ParseBestTimes("\xEF\xBB\xBFZoe\r\n+42\r\n");
    EXPECT_EQ(marked[0].slots[0], (BestTimeEntry{"\xEF\xBB\xBFZoe", 42}));
}

TEST(BestTimeFile, AFailedSaveLeavesTheOldFile)
{
    ScratchFolder folder;
    EXPECT_FALSE(SaveBestTimes(DefaultBestTimeTables(), folder.Folder() + "missing/"));
    ASSERT_TRUE(CreateFolders(folder.Folder() + "Dravelock.scores/x"));
    EXPECT_FALSE(SaveBestTimes(DefaultBestTimeTables(), folder.Folder()));
    EXPECT_TRUE(FolderExists(folder.Folder() + "Dravelock.scores/x"));
}

TEST(BestTimeFile, RandomAndTruncatedBytesNeverCrash)
{
    std::mt19937 random(777);
    const std::string sample = SixtyLines();
    for (int round = 0; round < 500; ++round) {
        std::string bytes = sample.substr(0, random() % sample.size());
        for (int i = 0; i < 30 && !bytes.empty(); ++i) bytes[random() % bytes.size()] ^= static_cast<char>(random());
        const BestTimeTables tables = ParseBestTimes(bytes);
        const std::string written = BestTimesBytes(tables);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 60);
    }
}

}  // namespace
