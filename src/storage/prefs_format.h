// The line format shared by the preferences file and the language files: groups, keys and
// values, read with case-insensitive names where the first occurrence wins, and written
// byte-exact (byte-order mark line, "; " comments, "[group]", "key = value", CR LF).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PrefsKey {
    std::string name;
    std::string value;  // as it stands after the "=", leading spaces and tabs removed
};

struct PrefsGroup {
    std::string name;
    std::vector<PrefsKey> keys;  // in file order
};

// Keys before the first group header belong to no group and are never read.
struct PrefsDocument {
    std::vector<PrefsGroup> groups;  // in file order, repeated names included
};

// Decodes the bytes (UTF-8 after a byte-order mark, else Latin-1) and splits them into lines.
PrefsDocument ParsePrefs(std::string_view bytes);
// The file at path, or nothing when it cannot be read.
std::optional<PrefsDocument> ReadPrefsFile(const std::string& path);

// The first group of that name, ignoring the case of A to Z; null when there is none.
const PrefsGroup* SelectGroup(const PrefsDocument& document, std::string_view name);
// The first key of that name in the group, trimmed of spaces and tabs; the default otherwise.
std::string ReadText(const PrefsGroup* group, std::string_view key, std::string_view fallback);
int32_t ReadInteger(const PrefsGroup* group, std::string_view key, int32_t fallback);
// An optional sign and decimal digits after white space, up to the first other character; no
// digits give 0. Values beyond the range are held at its ends.
int64_t ParseLeadingInteger(std::string_view text);
std::string TrimSpacesAndTabs(std::string_view text);

// Building a file's bytes in the order the lines are given.
struct PrefsWriter {
    std::string bytes;
};

PrefsWriter BeginPrefs();  // the byte-order mark line
void WriteComment(PrefsWriter& writer, std::string_view text);
void WriteGroup(PrefsWriter& writer, std::string_view name);
void WriteText(PrefsWriter& writer, std::string_view key, std::string_view value);
void WriteInteger(PrefsWriter& writer, std::string_view key, int64_t value);
