#include "app/screenshot.h"

#include "platform/files.h"
#include "platform/png.h"

std::string ScreenshotPath(const std::string& folder, const LocalDateTime& time)
{
    return folder + "Dravelock " + FormatDateTime("%dd-%mm-%yyyy %hh-%ii-%ss", time) + ".png";
}

void TakeScreenshot(Program& program)
{
    bool saved = false;
    if (const std::optional<std::string> png = EncodePng(program.canvas)) {
        saved = ReplaceFile(ScreenshotPath(program.saveTo, LocalNow()), *png);
    }
    WriteLogOutcome(program.log, "Saving screenshot:", saved);
}
