// Start-up and shutdown with files: where the preferences come from and go to, the choice of the
// language, hand-edited values, the best times, and the diagnostic log of a whole run.
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/headless_run.h"
#include "app/run_log.h"
#include "storage/best_time_file.h"
#include "storage/preferences.h"

namespace {


TEST(StartupFiles, AFirstStartSpeaksTheUsersLanguageAndSavesIntoTheUserFolder)
{
    for (bool asArchive : {false, true}) {
        HeadlessRun run;
        run.InstallLanguages(asArchive);
        ScopedEnvironment locale("LANG", "de_DE.UTF-8");
        ASSERT_TRUE(Startup(run.program));
        EXPECT_EQ(run.program.settings.language, "de_DE");
        EXPECT_EQ(Text(run.program.texts, "tMainSETTINGS"), "Einstellungen");
        EXPECT_EQ(run.program.languages.list[run.program.languageIndex].id, "de_DE");
        EXPECT_EQ(run.program.languages.list.size(), 7u);
        Shutdown(run.program);
        GameSettings saved;
        ASSERT_TRUE(LoadPreferences(saved, run.UserFolder()));
        EXPECT_EQ(saved.language, "de_DE");
        EXPECT_TRUE(FileExists(run.UserFolder() + "Dravelock.scores"));
        EXPECT_FALSE(FileExists(run.gameDir.Folder() + "Dravelock.prefs"));
    }
}

TEST(StartupFiles, ALocaleWithoutItsLanguageFallsBackToEnglish)
{
    HeadlessRun run;
    run.InstallLanguages();
    ScopedEnvironment locale("LANG", "sv_FI.UTF-8");
    ASSERT_TRUE(Startup(run.program));
    EXPECT_EQ(run.program.settings.language, "en_GB");
    EXPECT_EQ(Text(run.program.texts, "tMainSETTINGS"), "Settings");
}

TEST(StartupFiles, PreferencesBesideTheProgramWithoutALanguageGiveEnglishNotTheLocale)
{
    HeadlessRun run;
    run.InstallLanguages();
    ScopedEnvironment locale("LANG", "de_DE.UTF-8");
    ASSERT_TRUE(ReplaceFile(run.gameDir.Folder() + "Dravelock.prefs", "[General]\r\nSound = 1\r\n"));
    run.program.arguments = {"/LOG"};
    run.RunToTheEnd();
    EXPECT_EQ(run.program.settings.language, "en_GB");
    EXPECT_EQ(run.program.settings.sound, 1);
    EXPECT_FALSE(FolderExists(run.home.Folder() + "data"));

    // Everything lands beside the program: preferences, best times and the log.
    GameSettings saved;
    ASSERT_TRUE(LoadPreferences(saved, run.gameDir.Folder()));
    EXPECT_EQ(saved.language, "en_GB");
    EXPECT_TRUE(FileExists(run.gameDir.Folder() + "Dravelock.scores"));
    const std::vector<std::string> logs = FilesIn(run.gameDir.Folder(), "Log ", ".log");
    ASSERT_EQ(logs.size(), 1u);
    const std::string log = *ReadWholeFile(run.gameDir.Folder() + logs[0], 1 << 20);
    EXPECT_NE(log.find("[INITIAL SETTINGS]\r\nLanguage:\t\r\n"), std::string::npos);
    EXPECT_NE(log.find("Load language (en_GB):\tOK\r\n"), std::string::npos);
}

TEST(StartupFiles, TheWindowErrorBoxSpeaksTheChosenLanguage)
{
    HeadlessRun run;
    run.InstallLanguages();
    ScopedEnvironment locale("LANG", "fr_FR.UTF-8");
    run.program.platform.videoDrivers = "no_such_driver";
    EXPECT_FALSE(Startup(run.program));
    ASSERT_EQ(run.program.shownMessages.size(), 1u);
    EXPECT_EQ(run.program.shownMessages[0].title, "Dravelock::" + Text(run.program.texts, "tErrorERROR"));
    EXPECT_EQ(run.program.shownMessages[0].text, Text(run.program.texts, "tErrorWINDOW"));
    EXPECT_EQ(Text(run.program.texts, "tLangFileNAME"), "Fran\xC3\xA7" "ais");
    EXPECT_FALSE(FileExists(run.UserFolder() + "Dravelock.prefs"));  // nothing is saved
}

TEST(StartupFiles, HandEditedValuesAreBroughtIntoRangeBeforeUse)
{
    HeadlessRun run;
    ASSERT_TRUE(CreateFolders(run.UserFolder()));
    ASSERT_TRUE(ReplaceFile(run.UserFolder() + "Dravelock.prefs",
                            "[General]\nBoxsize = 9\nDifficulty = 7\nColumns = 0\nRows = 200\nMines = 99999\n"
                            "Center = 5\nSound = -1\n"));
    ASSERT_TRUE(Startup(run.program));
    const GameSettings& settings = run.program.settings;
    EXPECT_EQ(settings, (GameSettings{"en_GB", 6, Custom, 29, 30, 300, 1, 0}));
    EXPECT_EQ(run.program.window.innerWidth, 29 * 73 + 3);
    EXPECT_EQ(run.program.window.innerHeight, 30 * 73 + 90 + 5);
}

TEST(StartupFiles, BestTimesComeFromTheSaveFolderAndGoBackThere)
{
    HeadlessRun run;
    ASSERT_TRUE(CreateFolders(run.UserFolder()));
    BestTimeTables tables = DefaultBestTimeTables();
    tables[1].slots[0] = {"Mira", 12345};
    ASSERT_TRUE(ReplaceFile(run.UserFolder() + "Dravelock.scores", BestTimesBytes(tables)));
    run.RunToTheEnd();
    EXPECT_EQ(run.program.bestTimes[1].slots[0], (BestTimeEntry{"Mira", 12345}));
    EXPECT_EQ(ReadWholeFile(run.UserFolder() + "Dravelock.scores", 1 << 16), BestTimesBytes(tables));
}

TEST(StartupFiles, SavesThatFailAreLoggedAndTheRunStillEnds)
{
    HeadlessRun run;
    run.program.arguments = {"/LOG"};
    run.StartToIdle();
    // Folders standing where the two files go make both saves fail, even for root.
    ASSERT_TRUE(CreateFolders(run.UserFolder() + "Dravelock.prefs/inside"));
    ASSERT_TRUE(CreateFolders(run.UserFolder() + "Dravelock.scores/inside"));
    Dispatch(run.program, CloseEvent());
    Shutdown(run.program);
    ReleasePlatform(run.program);
    const std::vector<std::string> logs = FilesIn(run.UserFolder(), "Log ", ".log");
    ASSERT_EQ(logs.size(), 1u);
    const std::string log = *ReadWholeFile(run.UserFolder() + logs[0], 1 << 20);
    EXPECT_TRUE(log.ends_with("[FINISHING GAME]\r\nSaving TopTen:\tFAILED\r\nSaving Preferences:\tFAILED\r\n\r\nQUIT\r\n"));
    EXPECT_TRUE(FolderExists(run.UserFolder() + "Dravelock.prefs/inside"));
    EXPECT_EQ(FilesIn(run.UserFolder(), "Dravelock.").size(), 2u);  // no temporary file left behind
}

TEST(StartupFiles, TheLogOfAWholeRun)
{
    HeadlessRun run;
    run.InstallLanguages();
    run.program.arguments = {"/LOG", "ignored"};
    run.RunToTheEnd();
    const std::vector<std::string> logs = FilesIn(run.UserFolder(), "Log ", ".log");
    ASSERT_EQ(logs.size(), 1u);
    ASSERT_EQ(logs[0].size(), std::string("Log 2017-05-01--13-45-10.log").size());
    const std::string startTime = logs[0].substr(4, 20);
    const std::string text = *ReadWholeFile(run.UserFolder() + logs[0], 1 << 20);
    EXPECT_EQ(text.find("\xEF\xBB\xBF"), std::string::npos);

    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    // Each expected line: the exact text, or a label whose value depends on the machine.
    const std::string dir = run.gameDir.Folder(), user = run.UserFolder();
    const std::vector<std::string> expected = {
        "Dravelock", startTime, "", "[SYSTEM DETAILS]", "CPU Name:\t*", "Total CPU cores:\t*",
        "Available CPU cores:\t*", "Total physical memory:\t*", "Free physical memory:\t*", "Number of desktops:\t*",
        "Operating system:\t200", "", "[GAME DETAILS]", "Title:\tDravelock", "Family:\tLanternix", "Version:\t2.0",
        "Directory:\tbrackenwold game studio\\Dravelock", "Bit:\t(x86)", "", "[CODE SUBSYSTEMS]", "Language:\t2.0",
        "Log:\t1.2", "", "[PATHS]", "GameDir:\t" + dir, "UserDir:\t" + user, "SaveTo:\t" + user, "",
        "[INITIAL SETTINGS]", "Language:\ten_GB", "Boxsize:\t1", "Difficulty:\t0", "Columns:\t29", "Rows:\t15",
        "Mines:\t100", "Sound:\t0", "CenterWindow:\t1", "", "[AVAILABLE LANGUAGES]", "Language:\tDeutsch",
        "Language:\tEnglish (UK)", "Language:\tEspañol", "Language:\tFrançais", "Language:\tItaliano",
        "Language:\tNederlands", "Language:\tPolski", "", "[STARTING GAME]", "Load language (en_GB):\tOK",
        "OpenWindow():\tOK", "Windowwidth:\t960", "Windowheight:\t540", "", "[FINISHING GAME]", "Saving TopTen:\tOK",
        "Saving Preferences:\tOK", "", "QUIT"};
    ASSERT_EQ(lines.size(), expected.size()) << text;
    for (size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].ends_with("\t*")) {
            EXPECT_TRUE(lines[i].starts_with(expected[i].substr(0, expected[i].size() - 1))) << i << ": " << lines[i];
            EXPECT_GT(lines[i].size(), expected[i].size() - 1) << i;
        } else {
            EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
        }
    }
}

TEST(StartupFiles, OnlyAFirstParameterOfLogInAnyCaseAsksForTheLog)
{
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"/LOG"}, true}, {{"/log"}, true}, {{"/LoG", "x"}, true}, {{}, false},
        {{"/LOGX"}, false}, {{"-LOG"}, false}, {{"x", "/LOG"}, false}, {{"LOG"}, false},
    };
    for (const auto& [arguments, wanted] : cases) EXPECT_EQ(LogRequested(arguments), wanted) << arguments.size();

    HeadlessRun run;
    run.program.arguments = {"/log"};
    run.RunToTheEnd();
    EXPECT_EQ(FilesIn(run.UserFolder(), "Log ", ".log").size(), 1u);

    HeadlessRun without;
    without.program.arguments = {"/LOGX", "/LOG"};
    without.RunToTheEnd();
    EXPECT_TRUE(FilesIn(without.UserFolder(), "Log ").empty());
}

}  // namespace
