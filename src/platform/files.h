// Files and folders: the program's folder, the per-user data folder, folder creation and
// whole-file reading and atomic replacement. Folder texts end in "/".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The folder of the running executable, links resolved; empty if it cannot be read.
std::string ProgramFolder();
// $XDG_DATA_HOME, else the home folder + ".local/share"; empty when there is no home folder.
std::string UserDataFolder();
std::string TemporaryFolder();

bool FolderExists(const std::string& path);
bool FileExists(const std::string& path);
// Creates the folder and every missing parent; true if it exists afterwards.
bool CreateFolders(const std::string& path);

// The whole file, or nothing if it cannot be read or is larger than maxBytes.
std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t maxBytes);
// At most the first maxBytes of the file, or nothing if it cannot be read.
std::optional<std::string> ReadFileStart(const std::string& path, uint64_t maxBytes);
// Writes bytes to a temporary file in the same folder, flushes it and renames it over path, so
// the old file stays whole if anything fails.
bool ReplaceFile(const std::string& path, const std::string& bytes);
