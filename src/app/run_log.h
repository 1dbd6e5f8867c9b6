// Opening the diagnostic log for "/LOG" and writing its header.
#pragma once

#include <string>
#include <vector>

#include "app/program.h"

// True when the first command-line parameter is "/LOG" in any letter case.
bool LogRequested(const std::vector<std::string>& arguments);
// Opens "Log <start time>.log" in SaveTo and writes the header; a failure leaves the log off.
void StartDiagnosticLog(Program& program);
// The languages found, then the start of the game proper.
void LogAvailableLanguages(Program& program);
