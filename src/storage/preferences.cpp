#include "storage/preferences.h"

#include "platform/files.h"
#include "storage/prefs_format.h"

namespace {

// The integer settings with their keys, in the order they are read and written.
struct IntegerKey {
    const char* key;
    int32_t GameSettings::*field;
};

constexpr IntegerKey kIntegerKeys[] = {
    {"Boxsize", &GameSettings::boxSize}, {"Difficulty", &GameSettings::difficulty},
    {"Columns", &GameSettings::columns}, {"Rows", &GameSettings::rows},
    {"Mines", &GameSettings::mines},     {"Center", &GameSettings::centerWindow},
    {"Sound", &GameSettings::sound},
};

constexpr const char* kGroup = "General";

}  // namespace

bool LoadPreferences(GameSettings& settings, const std::string& folder)
{
    const std::optional<PrefsDocument> document = ReadPrefsFile(folder + kPreferencesFile);
    if (!document) return false;
    const PrefsGroup* general = SelectGroup(*document, kGroup);
    const GameSettings defaults;
    settings.language = ReadText(general, "Language", defaults.language);
    for (const IntegerKey& entry : kIntegerKeys) {
        settings.*entry.field = ReadInteger(general, entry.key, defaults.*entry.field);
    }
    return true;
}

std::string PreferencesBytes(const GameSettings& settings)
{
    PrefsWriter writer = BeginPrefs();
    WriteComment(writer, "Dravelock 2.0 Preferences");
    WriteGroup(writer, kGroup);
    WriteText(writer, "Language", settings.language);
    for (const IntegerKey& entry : kIntegerKeys) WriteInteger(writer, entry.key, settings.*entry.field);
    return writer.bytes;
}

bool SavePreferences(const GameSettings& settings, const std::string& folder)
{
    return ReplaceFile(folder + kPreferencesFile, PreferencesBytes(settings));
}
