#include "app/run_log.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/system_facts.h"
#include "platform/window.h"

namespace {

constexpr int32_t kOperatingSystemCode = 200;  // any system other than the listed Windows versions

void WriteHeader(Program& program, const std::string& startTime)
{
    DiagnosticLog& log = program.log;
    const GameSettings& settings = program.settings;
    WriteLogLine(log, startTime);
    WriteLogLine(log, "");
    WriteLogLine(log, "[SYSTEM DETAILS]");
    WriteLogField(log, "CPU Name:", ProcessorName());
    WriteLogField(log, "Total CPU cores:", std::to_string(ProcessorCount()));
    WriteLogField(log, "Available CPU cores:", std::to_string(AvailableProcessorCount()));
    WriteLogField(log, "Total physical memory:", std::to_string(TotalMemoryBytes()));
    WriteLogField(log, "Free physical memory:", std::to_string(AvailableMemoryBytes()));
    WriteLogField(log, "Number of desktops:", std::to_string(DisplayCount()));
    WriteLogField(log, "Operating system:", std::to_string(kOperatingSystemCode));
    WriteLogLine(log, "");
    WriteLogLine(log, "[GAME DETAILS]");
    WriteLogField(log, "Title:", "Dravelock");
    WriteLogField(log, "Family:", "Lanternix");
    WriteLogField(log, "Version:", "2.0");
    WriteLogField(log, "Directory:", "brackenwold game studio\\Dravelock");
    WriteLogField(log, "Bit:", "(x86)");
    WriteLogLine(log, "");
    WriteLogLine(log, "[CODE SUBSYSTEMS]");
    WriteLogField(log, "Language:", "2.0");
    WriteLogField(log, "Log:", "1.2");
    WriteLogLine(log, "");
    WriteLogLine(log, "[PATHS]");
    WriteLogField(log, "GameDir:", program.gameDir);
    WriteLogField(log, "UserDir:", program.userDir);
    WriteLogField(log, "SaveTo:", program.saveTo);
    WriteLogLine(log, "");
    WriteLogLine(log, "[INITIAL SETTINGS]");
    WriteLogField(log, "Language:", settings.language);
    WriteLogField(log, "Boxsize:", std::to_string(settings.boxSize));
    WriteLogField(log, "Difficulty:", std::to_string(settings.difficulty));
    WriteLogField(log, "Columns:", std::to_string(settings.columns));
    WriteLogField(log, "Rows:", std::to_string(settings.rows));
    WriteLogField(log, "Mines:", std::to_string(settings.mines));
    WriteLogField(log, "Sound:", std::to_string(settings.sound));
    WriteLogField(log, "CenterWindow:", std::to_string(settings.centerWindow));
}

}  // namespace

bool LogRequested(const std::vector<std::string>& arguments)
{
    if (arguments.empty()) return false;
    const std::string& first = arguments.front();
    return first.size() == 4 && std::equal(first.begin(), first.end(), "/LOG", [](char a, char b) {
               return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b;
           });
}

void StartDiagnosticLog(Program& program)
{
    if (!LogRequested(program.arguments)) return;
    const std::string startTime = FormatDateTime("%yyyy-%mm-%dd--%hh-%ii-%ss", LocalNow());
    if (!OpenLog(program.log, program.saveTo + "Log " + startTime + ".log", "Dravelock")) return;
    EnableLog(program.log);
    WriteHeader(program, startTime);
}

void LogAvailableLanguages(Program& program)
{
    WriteLogLine(program.log, "");
    WriteLogLine(program.log, "[AVAILABLE LANGUAGES]");
    for (const LanguageListItem& item : program.languages.list) WriteLogField(program.log, "Language:", item.displayName);
    WriteLogLine(program.log, "");
    WriteLogLine(program.log, "[STARTING GAME]");
}
