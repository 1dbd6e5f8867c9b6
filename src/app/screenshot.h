// Ctrl+S: the canvas as it is, saved as a PNG in the SaveTo folder.
#pragma once

#include <string>

#include "app/program.h"
#include "platform/clock.h"

// "Dravelock DD-MM-YYYY HH-MM-SS.png" in the given folder.
std::string ScreenshotPath(const std::string& folder, const LocalDateTime& time);
void TakeScreenshot(Program& program);
