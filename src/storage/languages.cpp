#include "storage/languages.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/files.h"
#include "storage/prefs_format.h"

namespace {

constexpr std::string_view kExtension = ".language";
// Language files are a few kilobytes. Entries are read into memory, never written to disk under
// their own names, and an archive cannot make the program read without end.
constexpr int64_t kMaxEntryBytes = 1 << 20;
constexpr int32_t kMaxArchiveEntries = 1024;

struct ArchiveCloser {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
using ArchiveReader = std::unique_ptr<archive, ArchiveCloser>;

ArchiveReader OpenArchive(const std::string& path)
{
    ArchiveReader reader(archive_read_new());
    if (!reader) return nullptr;
    archive_read_support_format_zip(reader.get());
    if (archive_read_open_filename(reader.get(), path.c_str(), 1 << 16) != ARCHIVE_OK) return nullptr;
    return reader;
}

bool Succeeded(int status) { return status == ARCHIVE_OK || status == ARCHIVE_WARN; }

std::optional<std::string> ReadEntryData(archive* reader, archive_entry* entry)
{
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > kMaxEntryBytes) return std::nullopt;
    std::string data;
    char buffer[16384];
    for (;;) {
        const la_ssize_t n = archive_read_data(reader, buffer, sizeof buffer);
        if (n < 0) return std::nullopt;
        if (n == 0) return data;
        if (static_cast<int64_t>(data.size()) + n > kMaxEntryBytes) return std::nullopt;
        data.append(buffer, static_cast<size_t>(n));
    }
}

std::string EntryName(archive_entry* entry)
{
    const char* name = archive_entry_pathname_utf8(entry);
    if (!name) name = archive_entry_pathname(entry);
    return name ? name : "";
}

// The file's name without its folder and its last extension.
std::string LanguageIdFromName(const std::string& name)
{
    const std::filesystem::path path(name);
    return path.filename().has_extension() ? path.stem().string() : path.filename().string();
}

void AddLanguage(LanguageCatalog& catalog, const PrefsDocument& document, const std::string& id)
{
    const PrefsGroup* header = SelectGroup(document, "LANGUAGE FILE");
    const std::string name = ReadText(header, "tLangFileNAME", "");
    LanguageEntry& entry = catalog.entries[name];
    entry.displayName = name;
    entry.id = id;
    entry.version = ReadText(header, "tLangFileVERSION", "");
    entry.date = ReadText(header, "tLangFileDATE", "");
    entry.author = ReadText(header, "tLangFileAUTHOR", "");
    entry.languageIdentifier = ReadText(header, "tLangFileLANGID", "");
    entry.software = ReadText(header, "tLangFileSOFTWARE", "");
}

bool ScanFolder(LanguageCatalog& catalog, const std::string& folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = item.path().filename().string();
        if (name.size() > kExtension.size() && name.ends_with(kExtension) && item.is_regular_file(error)) {
            files.push_back(item.path());
        }
    }
    if (error) return false;
    // Listing order varies between file systems; sorted, the later of two same-named files is fixed.
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
        if (const std::optional<PrefsDocument> document = ReadPrefsFile(file.string())) {
            AddLanguage(catalog, *document, LanguageIdFromName(file.filename().string()));
        }
    }
    return true;
}

bool ScanArchive(LanguageCatalog& catalog, const std::string& path)
{
    const ArchiveReader reader = OpenArchive(path);
    if (!reader) return false;
    archive_entry* entry = nullptr;
    for (int32_t count = 0; count < kMaxArchiveEntries && Succeeded(archive_read_next_header(reader.get(), &entry));
         ++count) {
        if (archive_entry_filetype(entry) != AE_IFREG) continue;
        const std::string name = EntryName(entry);
        if (name.empty()) continue;
        if (const std::optional<std::string> data = ReadEntryData(reader.get(), entry)) {
            AddLanguage(catalog, ParsePrefs(*data), LanguageIdFromName(name));
        }
    }
    return true;
}

std::optional<std::string> ReadArchiveEntry(const std::string& path, const std::string& wanted)
{
    const ArchiveReader reader = OpenArchive(path);
    if (!reader) return std::nullopt;
    archive_entry* entry = nullptr;
    for (int32_t count = 0; count < kMaxArchiveEntries && Succeeded(archive_read_next_header(reader.get(), &entry));
         ++count) {
        if (archive_entry_filetype(entry) == AE_IFREG && EntryName(entry) == wanted) {
            return ReadEntryData(reader.get(), entry);
        }
    }
    return std::nullopt;
}

}  // namespace

bool ScanLanguages(LanguageCatalog& catalog, const std::string& path)
{
    bool listed = false;
    if (FolderExists(path)) listed = ScanFolder(catalog, path);
    else if (FileExists(path)) listed = ScanArchive(catalog, path);
    if (!listed) return false;
    catalog.list.clear();
    for (const auto& [name, entry] : catalog.entries) catalog.list.push_back({entry.id, entry.displayName});
    return true;
}

bool LoadLanguage(TextCatalog& texts, const std::string& path, const std::string& id)
{
    const std::string fileName = id + std::string(kExtension);
    std::optional<PrefsDocument> document;
    if (FolderExists(path)) {
        document = ReadPrefsFile(path + "/" + fileName);
    } else if (FileExists(path)) {
        if (const std::optional<std::string> data = ReadArchiveEntry(path, fileName)) document = ParsePrefs(*data);
    }
    if (!document) return false;
    for (const PrefsGroup& group : document->groups) {
        for (const PrefsKey& key : group.keys) texts.texts[key.name] = TrimSpacesAndTabs(key.value);
    }
    return true;
}

int32_t FindLanguageIndex(const LanguageCatalog& catalog, const std::string& id)
{
    const auto found = std::find_if(catalog.list.begin(), catalog.list.end(),
                                    [&](const LanguageListItem& item) { return item.id == id; });
    return found == catalog.list.end() ? 0 : static_cast<int32_t>(found - catalog.list.begin());
}

bool HasLanguage(const LanguageCatalog& catalog, const std::string& id)
{
    return std::any_of(catalog.list.begin(), catalog.list.end(), [&](const LanguageListItem& item) { return item.id == id; });
}

std::string UserLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value) continue;
        std::string locale(value);
        locale = locale.substr(0, locale.find_first_of(".@"));
        if (locale == "C" || locale == "POSIX") return {};
        std::replace(locale.begin(), locale.end(), '-', '_');
        return locale;
    }
    return {};
}
