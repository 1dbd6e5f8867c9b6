// "Dravelock.scores": slots 0 to 9 of the easy, medium and hard tables, a name line and a time
// line each, 60 lines in all.
#pragma once

#include <string>
#include <string_view>

#include "game/best_times.h"

inline constexpr const char* kBestTimeFile = "Dravelock.scores";

// The tables as the file holds them; lines past its end give empty names and time 0.
BestTimeTables ParseBestTimes(std::string_view bytes);
std::string BestTimesBytes(const BestTimeTables& tables);
// Reads folder + "Dravelock.scores", or gives the defaults when it cannot be read.
BestTimeTables LoadBestTimes(const std::string& folder);
// Replaces folder + "Dravelock.scores" as a whole; false leaves the old file as it was.
bool SaveBestTimes(const BestTimeTables& tables, const std::string& folder);
