#include <gtest/gtest.h>

#include <set>

#include "platform/files.h"
#include "storage/languages.h"
#include "storage/prefs_format.h"

namespace {

const char* const kTextKeys[] = {
    "tMainSTART", "tMainSTOP", "tMainSETTINGS", "tMainTOPTEN", "tMainABOUT", "tMainMINES", "tMainTIME",
    "tMainBESTTIME", "tSettingsLANGUAGE", "tSettingsBOXSIZE", "tSettingsDIFFICULTY", "tSettingsCOLUMNS",
    "tSettingsROWS", "tSettingsMINES", "tSettingsSOUND", "tSettingsSOUNDON", "tSettingsSOUNDOFF",
    "tSettingsCENTERWINDOW", "tSettingsCENTERWINDOWON", "tSettingsCENTERWINDOWOFF", "tSettingsEASY",
    "tSettingsMEDIUM", "tSettingsHARD", "tSettingsCUSTOM", "tRequesterOK", "tRequesterCANCEL",
    "tAboutCODEANDDESIGN", "tABoutCONTRIBUTORS", "tAboutEXPLOSIONART", "tAboutEXPLOSIONSOUND",
    "tWellDoneWELLDONE", "tWellDoneFOUNDALL", "tEnterNameCONGRATS", "tEnterNameNEWTOPTEN", "tEnterNameYOURTIME",
    "tEnterNameENTERNAME", "tGameOverGAMEOVER", "tGameOverSTEPPEDONMINE", "tErrorERROR", "tErrorASSET",
    "tErrorWINDOW",
};

const char* const kShipped[] = {"en_GB", "de_DE", "fr_FR", "es_ES", "it_IT", "nl_NL", "pl_PL"};

TEST(ShippedLanguages, EveryLanguageHasEveryTextInBothForms)
{
    const std::string folder = ProgramFolder() + "Dravelock.lang";
    const std::string archive = ProgramFolder() + "lang-zip/Dravelock.lang";
    LanguageCatalog fromFolder, fromArchive;
    ASSERT_TRUE(ScanLanguages(fromFolder, folder));
    ASSERT_TRUE(ScanLanguages(fromArchive, archive));
    EXPECT_EQ(fromFolder.list, fromArchive.list);
    EXPECT_EQ(fromFolder.list.size(), std::size(kShipped));

    for (const char* id : kShipped) {
        ASSERT_TRUE(HasLanguage(fromFolder, id)) << id;
        TextCatalog texts, archived;
        ASSERT_TRUE(LoadLanguage(texts, folder, id)) << id;
        ASSERT_TRUE(LoadLanguage(archived, archive, id)) << id;
        EXPECT_EQ(texts.texts, archived.texts) << id;
        for (const char* key : kTextKeys) EXPECT_FALSE(Text(texts, key).empty()) << id << " lacks " << key;
        // Nothing but the header and the keys the program reads.
        EXPECT_EQ(texts.texts.size(), std::size(kTextKeys) + 6) << id;
    }
}

TEST(ShippedLanguages, FilesAreWrittenInTheFormatTheProgramWrites)
{
    for (const char* id : kShipped) {
        const std::optional<std::string> bytes =
            ReadWholeFile(ProgramFolder() + "Dravelock.lang/" + id + ".language", 1 << 20);
        ASSERT_TRUE(bytes) << id;
        EXPECT_TRUE(bytes->starts_with("\xEF\xBB\xBF\r\n")) << id;
        for (size_t i = 0; i < bytes->size(); ++i) {
            if ((*bytes)[i] == '\n') {
                ASSERT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << id << " at " << i;
            }
            if ((*bytes)[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes->size() && (*bytes)[i + 1] == '\n') << id << " at " << i;
            }
        }
    }
}

}  // namespace
