#include <gtest/gtest.h>

#include <archive.h>
#include <archive_entry.h>

#include <random>

#include "../support/test_support.h"
#include "platform/files.h"
#include "storage/languages.h"

namespace {

std::string LanguageFile(const std::string& displayName, const std::string& start, const std::string& extra = "")
{
    return "\xEF\xBB\xBF\r\n[LANGUAGE FILE]\r\ntLangFileNAME = " + displayName +
           "\r\ntLangFileVERSION = 2.0\r\ntLangFileAUTHOR = Team\r\n[MAIN]\r\ntMainSTART = " + start + "\r\n" + extra;
}

struct ZipEntry {
    std::string name;
    std::string data;
    bool folder = false;
};

void WriteZip(const std::string& path, const std::vector<ZipEntry>& entries)
{
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    ASSERT_EQ(archive_write_open_filename(writer, path.c_str()), ARCHIVE_OK);
    for (const ZipEntry& item : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname_utf8(entry, item.name.c_str());
        archive_entry_set_filetype(entry, item.folder ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(item.data.size()));
        archive_write_header(writer, entry);
        if (!item.data.empty()) archive_write_data(writer, item.data.data(), item.data.size());
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
}

TEST(Languages, ScanningAFolderTakesOnlyLanguageFiles)
{
    ScratchFolder folder;
    const std::string lang = folder.Folder() + "Dravelock.lang/";
    ASSERT_TRUE(CreateFolders(lang + "sub.language"));  // a folder, not a file
    ASSERT_TRUE(ReplaceFile(lang + "en_GB.language", LanguageFile("English", "Start")));
    ASSERT_TRUE(ReplaceFile(lang + "de_DE.language", LanguageFile("Deutsch", "Los")));
    ASSERT_TRUE(ReplaceFile(lang + "readme.txt", LanguageFile("Readme", "x")));
    ASSERT_TRUE(ReplaceFile(lang + "headless.language", "[MAIN]\r\ntMainSTART = y\r\n"));  // no display name

    LanguageCatalog catalog;
    ASSERT_TRUE(ScanLanguages(catalog, folder.Folder() + "Dravelock.lang"));
    const std::vector<LanguageListItem> expected = {{"headless", ""}, {"de_DE", "Deutsch"}, {"en_GB", "English"}};
    EXPECT_EQ(catalog.list, expected);
    EXPECT_EQ(catalog.entries.at("English").version, "2.0");
    EXPECT_EQ(catalog.entries.at("English").author, "Team");
    EXPECT_EQ(FindLanguageIndex(catalog, "en_GB"), 2);
    EXPECT_EQ(FindLanguageIndex(catalog, "xx_XX"), 0);
    EXPECT_TRUE(HasLanguage(catalog, "de_DE"));
    EXPECT_FALSE(HasLanguage(catalog, "de_de"));

    LanguageCatalog none;
    EXPECT_FALSE(ScanLanguages(none, folder.Folder() + "missing"));
    EXPECT_TRUE(none.list.empty());
}

TEST(Languages, TwoFilesWithOneDisplayNameMakeOneEntryFromTheLaterFile)
{
    ScratchFolder folder;
    ASSERT_TRUE(ReplaceFile(folder.Folder() + "a_A.language", LanguageFile("Same", "1")));
    ASSERT_TRUE(ReplaceFile(folder.Folder() + "b_B.language", LanguageFile("Same", "2")));
    LanguageCatalog catalog;
    ASSERT_TRUE(ScanLanguages(catalog, folder.Folder()));
    EXPECT_EQ(catalog.list, (std::vector<LanguageListItem>{{"b_B", "Same"}}));
}

TEST(Languages, ScanningAnArchiveReadsEntriesInMemoryAndSafely)
{
    ScratchFolder folder;
    const std::string zip = folder.Folder() + "Dravelock.lang";
    WriteZip(zip, {
                      {"langs/", "", true},
                      {"en_GB.language", LanguageFile("English", "Start")},
                      {"notes.txt", LanguageFile("Notes", "n")},  // every file entry counts
                      {"../evil.language", LanguageFile("Evil", "e")},
                      {"\xC3\xA9t\xC3\xA9.language", LanguageFile("Fran\xC3\xA7" "ais", "Jouer")},
                      {"dup1.language", LanguageFile("Dup", "1")},
                      {"dup2.language", LanguageFile("Dup", "2")},
                      {"huge.language", LanguageFile("Huge", std::string(3 << 20, 'x'))},
                  });
    LanguageCatalog catalog;
    ASSERT_TRUE(ScanLanguages(catalog, zip));
    const std::vector<LanguageListItem> expected = {
        {"dup2", "Dup"}, {"en_GB", "English"}, {"evil", "Evil"}, {"\xC3\xA9t\xC3\xA9", "Fran\xC3\xA7" "ais"}, {"notes", "Notes"}};
    EXPECT_EQ(catalog.list, expected);
    // Nothing was written anywhere under an entry's name.
    EXPECT_FALSE(FileExists(folder.path.parent_path().string() + "/evil.language"));
    EXPECT_FALSE(FileExists(TemporaryFolder() + "evil.language"));
    EXPECT_EQ(FilesIn(folder.Folder()).size(), 1u);

    TextCatalog texts;
    EXPECT_TRUE(LoadLanguage(texts, zip, "en_GB"));
    EXPECT_EQ(Text(texts, "tMainSTART"), "Start");
    EXPECT_FALSE(LoadLanguage(texts, zip, "notes"));  // the load looks for "notes.language"
    EXPECT_FALSE(LoadLanguage(texts, zip, "huge"));
}

TEST(Languages, LoadingAddsTrimmedTextsAndKeepsWhatTheNewLanguageLacks)
{
    ScratchFolder folder;
    ASSERT_TRUE(ReplaceFile(folder.Folder() + "en_GB.language",
                            LanguageFile("English", "Start", "tMainSTOP = \t Stop \t\r\ntMainSTOP = Halt\r\n")));
    ASSERT_TRUE(ReplaceFile(folder.Folder() + "de_DE.language", LanguageFile("Deutsch", "Los", "tmainstop = klein\r\n")));
    TextCatalog texts;
    ASSERT_TRUE(LoadLanguage(texts, folder.Folder(), "en_GB"));
    EXPECT_EQ(Text(texts, "tMainSTOP"), "Halt");  // the last occurrence wins
    ASSERT_TRUE(LoadLanguage(texts, folder.Folder(), "de_DE"));
    EXPECT_EQ(Text(texts, "tMainSTART"), "Los");
    EXPECT_EQ(Text(texts, "tMainSTOP"), "Halt");  // keys are case-sensitive in the catalog
    EXPECT_EQ(Text(texts, "tmainstop"), "klein");
    EXPECT_EQ(Text(texts, "tLangFileNAME"), "Deutsch");
    EXPECT_EQ(Text(texts, "tNoSuchKey"), "");

    const TextCatalog before = texts;
    EXPECT_FALSE(LoadLanguage(texts, folder.Folder(), "fr_FR"));
    EXPECT_EQ(texts.texts, before.texts);
}

TEST(Languages, UserLocaleNameFromTheEnvironment)
{
    struct Case {
        std::optional<std::string> all, messages, lang;
        std::string expected;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, "de_DE.UTF-8", "de_DE"},
        {"fr_FR@euro", std::nullopt, "de_DE.UTF-8", "fr_FR"},
        {"", "nl-NL", "de_DE", "nl_NL"},
        {std::nullopt, std::nullopt, "C.UTF-8", ""},
        {std::nullopt, std::nullopt, "POSIX", ""},
        {std::nullopt, std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        ScopedEnvironment all("LC_ALL", c.all), messages("LC_MESSAGES", c.messages), lang("LANG", c.lang);
        EXPECT_EQ(UserLocaleName(), c.expected);
    }
}

TEST(Languages, RandomAndTruncatedArchivesNeverCrashOrHang)
{
    ScratchFolder folder;
    const std::string zip = folder.Folder() + "good.zip";
    WriteZip(zip, {{"en_GB.language", LanguageFile("English", "Start")}, {"de_DE.language", LanguageFile("Deutsch", "Los")}});
    const std::string good = *ReadWholeFile(zip, 1 << 20);
    std::mt19937 random(99);
    const std::string path = folder.Folder() + "Dravelock.lang";
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good.substr(0, random() % (good.size() + 1));
        for (int i = 0; i < 8 && !bytes.empty(); ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
        ASSERT_TRUE(ReplaceFile(path, bytes));
        LanguageCatalog catalog;
        ScanLanguages(catalog, path);
        TextCatalog texts;
        LoadLanguage(texts, path, "en_GB");
        EXPECT_LE(catalog.list.size(), 2u);
    }
}

}  // namespace
