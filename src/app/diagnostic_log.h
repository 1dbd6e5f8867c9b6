// The optional diagnostic log: label lines written through WriteLogLine, which does nothing
// while the log is off.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct DiagnosticLog {
    std::unique_ptr<std::FILE, FileCloser> file;
    bool enabled = false;
};

// Creates (or replaces) the file and writes the first line; the log is not enabled yet.
bool OpenLog(DiagnosticLog& log, const std::string& path, std::string_view firstLine);
void EnableLog(DiagnosticLog& log);
// Writes the text and CR LF when the log is on.
void WriteLogLine(DiagnosticLog& log, std::string_view text);
// "label<TAB>value"
void WriteLogField(DiagnosticLog& log, std::string_view label, std::string_view value);
void WriteLogOutcome(DiagnosticLog& log, std::string_view label, bool ok);
void CloseLog(DiagnosticLog& log);
