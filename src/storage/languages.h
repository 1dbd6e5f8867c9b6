// The languages beside the program ("Dravelock.lang": a folder of ".language" files or a ZIP
// archive of them): scanning them into the LanguageCatalog and the language list, loading one
// into the TextCatalog, and the user's locale name.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "storage/text_catalog.h"

inline constexpr const char* kLanguageFolder = "Dravelock.lang";
inline constexpr const char* kFallbackLanguage = "en_GB";

struct LanguageEntry {
    std::string displayName;
    std::string id;
    std::string version;
    std::string date;
    std::string author;
    std::string languageIdentifier;
    std::string software;
};

struct LanguageListItem {
    std::string id;
    std::string displayName;
    bool operator==(const LanguageListItem&) const = default;
};

// Keyed by display name: two files with the same name make one entry, the later one winning.
struct LanguageCatalog {
    std::map<std::string, LanguageEntry> entries;
    std::vector<LanguageListItem> list;  // one item per entry, in the catalog's order, fixed for the run
};

// Fills the catalog from the folder or archive at path; false when neither could be read.
bool ScanLanguages(LanguageCatalog& catalog, const std::string& path);
// Adds every key of the language's file to the text catalog; false when the file was not read.
bool LoadLanguage(TextCatalog& texts, const std::string& path, const std::string& id);
// The position of the first list item with that id, 0 when there is none.
int32_t FindLanguageIndex(const LanguageCatalog& catalog, const std::string& id);
bool HasLanguage(const LanguageCatalog& catalog, const std::string& id);
// "de_DE" for a locale such as "de_DE.UTF-8" from LC_ALL, LC_MESSAGES or LANG; empty for none, "C"
// or "POSIX".
std::string UserLocaleName();
