// "Dravelock.prefs": the eight settings in force, read at start-up and written at shutdown.
#pragma once

#include <string>

#include "settings/game_settings.h"

inline constexpr const char* kPreferencesFile = "Dravelock.prefs";

// Reads folder + "Dravelock.prefs" into the settings; false (settings untouched) when the file
// cannot be read. Values are taken as they stand; the caller brings them into range.
bool LoadPreferences(GameSettings& settings, const std::string& folder);
// The file's bytes for these settings.
std::string PreferencesBytes(const GameSettings& settings);
// Replaces folder + "Dravelock.prefs" as a whole; false leaves the old file as it was.
bool SavePreferences(const GameSettings& settings, const std::string& folder);
