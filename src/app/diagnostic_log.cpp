#include "app/diagnostic_log.h"

static void WriteRaw(std::FILE* file, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), file);
    std::fwrite("\r\n", 1, 2, file);
}

bool OpenLog(DiagnosticLog& log, const std::string& path, std::string_view firstLine)
{
    log.file.reset(std::fopen(path.c_str(), "wb"));
    if (!log.file) return false;
    WriteRaw(log.file.get(), firstLine);
    return true;
}

void EnableLog(DiagnosticLog& log) { log.enabled = log.file != nullptr; }

void WriteLogLine(DiagnosticLog& log, std::string_view text)
{
    if (!log.enabled) return;
    if (!log.file) {
        log.enabled = false;
        return;
    }
    WriteRaw(log.file.get(), text);
}

void WriteLogField(DiagnosticLog& log, std::string_view label, std::string_view value)
{
    if (!log.enabled) return;
    std::string line(label);
    line += '\t';
    line += value;
    WriteLogLine(log, line);
}

void WriteLogOutcome(DiagnosticLog& log, std::string_view label, bool ok) { WriteLogField(log, label, ok ? "OK" : "FAILED"); }

void CloseLog(DiagnosticLog& log)
{
    log.file.reset();
    log.enabled = false;
}
