#include <gtest/gtest.h>

#include <random>

#include "storage/prefs_format.h"

namespace {

struct ReadCase {
    const char* name;
    std::string file;
    std::string key;
    std::string expectedText;  // what ReadText gives, "<none>" for the default
    int32_t expectedInteger;   // what ReadInteger gives with the default -1
};

TEST(PrefsFormat, ReadingRules)
{
    const std::string bom = "\xEF\xBB\xBF";
    const ReadCase cases[] = {
        {"plain", "[General]\r\nColumns = 40\r\n", "Columns", "40", 40},
        {"case of group and key", "[general]\r\ncolumns=41\r\n", "COLUMNS", "41", 41},
        {"no spaces", "[General]\nBoxsize=3\n", "Boxsize", "3", 3},
        {"spaces and tabs", "[General]\n \t Boxsize \t=\t  3 \t\n", "Boxsize", "3", 3},
        {"trailing text", "[General]\nColumns = 40abc\n", "Columns", "40abc", 40},
        {"no digits", "[General]\nColumns = abc\n", "Columns", "abc", 0},
        {"sign", "[General]\nColumns = -12\n", "Columns", "-12", -12},
        {"too large", "[General]\nColumns = 99999999999999999999\n", "Columns", "99999999999999999999", INT32_MAX},
        {"missing key", "[General]\nRows = 15\n", "Columns", "<none>", -1},
        {"no group at all", "Columns = 40\n", "Columns", "<none>", -1},
        {"key before the group", "Columns = 40\n[General]\n", "Columns", "<none>", -1},
        {"other group", "[Other]\nColumns = 40\n", "Columns", "<none>", -1},
        {"first group wins", "[General]\nRows = 1\n[General]\nColumns = 40\n", "Columns", "<none>", -1},
        {"first key wins", "[General]\nColumns = 40\ncolumns = 50\n", "Columns", "40", 40},
        {"CR line ends", "[General]\rColumns = 33\rRows = 2", "Columns", "33", 33},
        {"comment", "; Columns = 1\n[General]\n;Columns = 2\nColumns = 3\n", "Columns", "3", 3},
        {"header without bracket end", "[General\nColumns = 44\n", "Columns", "44", 44},
        {"text after the bracket", "[General] trailing\nColumns = 45\n", "Columns", "45", 45},
        {"line without equals", "[General]\nColumns\nColumns = 46\n", "Columns", "46", 46},
        {"Latin-1", "[General]\nLanguage = caf\xE9\n", "Language", "caf\xC3\xA9", 0},
        {"UTF-8 after the mark", bom + "[General]\nLanguage = caf\xC3\xA9\n", "Language", "caf\xC3\xA9", 0},
        {"mark only", bom, "Language", "<none>", -1},
        {"equals in the value", "[General]\nLanguage = a=b\n", "Language", "a=b", 0},
    };
    for (const ReadCase& c : cases) {
        const PrefsDocument document = ParsePrefs(c.file);
        const PrefsGroup* general = SelectGroup(document, "General");
        EXPECT_EQ(ReadText(general, c.key, "<none>"), c.expectedText) << c.name;
        EXPECT_EQ(ReadInteger(general, c.key, -1), c.expectedInteger) << c.name;
    }
}

TEST(PrefsFormat, GroupsAndKeysKeepFileOrder)
{
    const PrefsDocument document = ParsePrefs("[B]\nk2 = 2\nk1 = 1\n[A]\nk3 = 3\n[B]\nk4 = 4\n");
    ASSERT_EQ(document.groups.size(), 3u);
    EXPECT_EQ(document.groups[0].name, "B");
    ASSERT_EQ(document.groups[0].keys.size(), 2u);
    EXPECT_EQ(document.groups[0].keys[0].name, "k2");
    EXPECT_EQ(document.groups[0].keys[1].name, "k1");
    EXPECT_EQ(document.groups[1].name, "A");
    EXPECT_EQ(document.groups[2].keys[0].value, "4");
}

TEST(PrefsFormat, WritingIsByteExact)
{
    PrefsWriter writer = BeginPrefs();
    WriteComment(writer, "note");
    WriteGroup(writer, "General");
    WriteText(writer, "Language", "de_DE");
    WriteInteger(writer, "Mines", -15);
    WriteText(writer, "Broken", "a\r\nb");
    EXPECT_EQ(writer.bytes, "\xEF\xBB\xBF\r\n; note\r\n[General]\r\nLanguage = de_DE\r\nMines = -15\r\nBroken = ab\r\n");
}

TEST(PrefsFormat, RandomAndTruncatedBytesNeverCrash)
{
    std::mt19937 random(12345);
    const std::string sample = "\xEF\xBB\xBF[General]\r\nLanguage = de_DE\r\n; c\r\n[x\r\n=\r\n";
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = sample.substr(0, random() % (sample.size() + 1));
        for (int i = 0; i < 40; ++i) bytes += static_cast<char>(random() % 256);
        const PrefsDocument document = ParsePrefs(bytes);
        for (const PrefsGroup& group : document.groups) {
            for (const PrefsKey& key : group.keys) EXPECT_EQ(ReadText(&group, key.name, "?").find('\n'), std::string::npos);
        }
    }
}

}  // namespace
