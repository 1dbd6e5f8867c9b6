#include "platform/files.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

static std::string WithSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string ProgramFolder()
{
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return WithSeparator(executable.parent_path().string());
}

static std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

std::string UserDataFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // Only an absolute XDG_DATA_HOME counts; a relative one is to be ignored.
    if (dataHome && dataHome[0] == '/') return WithSeparator(dataHome);
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    return WithSeparator(home) + ".local/share/";
}

std::string TemporaryFolder()
{
    std::error_code error;
    const fs::path folder = fs::temp_directory_path(error);
    return error ? std::string("/tmp/") : WithSeparator(folder.string());
}

bool FolderExists(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool CreateFolders(const std::string& path)
{
    std::error_code error;
    fs::create_directories(path, error);
    return FolderExists(path);
}

std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t maxBytes)
{
    std::optional<std::string> bytes = ReadFileStart(path, maxBytes + 1);
    if (bytes && bytes->size() > maxBytes) return std::nullopt;
    return bytes;
}

std::optional<std::string> ReadFileStart(const std::string& path, uint64_t maxBytes)
{
    if (!FileExists(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<size_t>(std::min<uint64_t>(maxBytes, 1 << 16)), '\0');
    size_t filled = 0;
    while (filled < maxBytes) {
        if (filled == bytes.size()) bytes.resize(static_cast<size_t>(std::min<uint64_t>(maxBytes, bytes.size() * 2)));
        in.read(bytes.data() + filled, static_cast<std::streamsize>(bytes.size() - filled));
        filled += static_cast<size_t>(in.gcount());
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    bytes.resize(filled);
    return bytes;
}

// Read once: umask can only be read by setting it.
static mode_t ProcessUmask()
{
    static const mode_t mask = [] {
        const mode_t current = umask(022);
        umask(current);
        return current;
    }();
    return mask;
}

bool ReplaceFile(const std::string& path, const std::string& bytes)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    const bool complete = written == bytes.size() && fsync(fd) == 0;
    fchmod(fd, 0666 & ~ProcessUmask());  // mkstemp makes 0600; give the usual permissions
    const bool closed = close(fd) == 0;
    if (complete && closed && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}
