// The program's entry and end: start-up in its fixed order, the event loop, and shutdown.
#pragma once

#include "app/program.h"

// The title of the one window.
inline constexpr const char* kWindowTitle = "Dravelock v2.0 (x86)";

// Runs start-up to the point where the event loop can begin. False when a fatal start-up path
// ran (its message box has been shown); the program then ends without the shutdown.
bool Startup(Program& program);
// Waits for events and dispatches them until the close event.
void RunEventLoop(Program& program);
// Writes what is kept between runs and logs the end.
void Shutdown(Program& program);
// Closes the window, the log and the platform layer; safe to call on every exit path.
void ReleasePlatform(Program& program);
// All of the above; the process exit code, which is always 0.
int RunProgram(Program& program);

// The per-user folder below the platform's data folder, or empty without one.
std::string UserFolderFor(const std::string& dataFolder);
// An embedded picture that does not decode: logged, the error box shown; start-up then ends
// without the shutdown. Always false, for the caller to return.
bool ReportAssetFailure(Program& program, const std::string& assetName);
// The error box of the fatal paths: "Dravelock::" and the error title, with the given message.
void ShowErrorBox(Program& program, const std::string& message);
