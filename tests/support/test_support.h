// Small helpers shared by the tests: temporary folders, environment overrides, file listings.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A fresh folder below the temporary folder, removed with everything in it at the end.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dravelock-test-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // The folder as the program spells folders: ending in "/".
    std::string Folder() const { return path.string() + "/"; }
};

// Sets (or, with nullopt, removes) an environment variable for the scope.
struct ScopedEnvironment {
    std::string name;
    std::optional<std::string> previous;
    ScopedEnvironment(std::string variable, const std::optional<std::string>& value) : name(std::move(variable))
    {
        if (const char* old = std::getenv(name.c_str())) previous = old;
        if (value) setenv(name.c_str(), value->c_str(), 1);
        else unsetenv(name.c_str());
    }
    ~ScopedEnvironment()
    {
        if (previous) setenv(name.c_str(), previous->c_str(), 1);
        else unsetenv(name.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
};

// Names of the files directly in a folder whose names start with prefix and end with suffix.
inline std::vector<std::string> FilesIn(const std::string& folder, const std::string& prefix = "",
                                        const std::string& suffix = "")
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(suffix)) names.push_back(name);
    }
    return names;
}
