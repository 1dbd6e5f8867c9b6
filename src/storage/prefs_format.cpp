#include "storage/prefs_format.h"

#include <algorithm>
#include <limits>

#include "platform/files.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Preferences and language files are small; anything past this is not ours to read.
constexpr uint64_t kMaxPrefsFileBytes = 1 << 20;

std::string Latin1ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

void ParseLine(std::string_view line, PrefsDocument& document, bool& inGroup)
{
    while (!line.empty() && IsSpaceOrTab(line.front())) line.remove_prefix(1);
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[') {
        line.remove_prefix(1);
        document.groups.push_back({std::string(line.substr(0, line.find(']'))), {}});
        inGroup = true;
        return;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || !inGroup) return;  // not a key line, or outside every group
    std::string_view key = line.substr(0, equals);
    while (!key.empty() && IsSpaceOrTab(key.back())) key.remove_suffix(1);
    std::string_view value = line.substr(equals + 1);
    while (!value.empty() && IsSpaceOrTab(value.front())) value.remove_prefix(1);
    document.groups.back().keys.push_back({std::string(key), std::string(value)});
}

const PrefsKey* FindKey(const PrefsGroup* group, std::string_view key)
{
    if (!group) return nullptr;
    for (const PrefsKey& entry : group->keys) {
        if (SameNameIgnoringCase(entry.name, key)) return &entry;
    }
    return nullptr;
}

void WriteLine(PrefsWriter& writer, std::string_view line)
{
    writer.bytes += line;
    writer.bytes += "\r\n";
}

}  // namespace

PrefsDocument ParsePrefs(std::string_view bytes)
{
    const std::string text = bytes.size() > 2 && bytes.starts_with(kByteOrderMark)
                                 ? std::string(bytes.substr(kByteOrderMark.size()))
                                 : Latin1ToUtf8(bytes);
    PrefsDocument document;
    bool inGroup = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        ParseLine(std::string_view(text).substr(start, end - start), document, inGroup);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return document;
}

std::optional<PrefsDocument> ReadPrefsFile(const std::string& path)
{
    const std::optional<std::string> bytes = ReadFileStart(path, kMaxPrefsFileBytes);
    if (!bytes) return std::nullopt;
    return ParsePrefs(*bytes);
}

const PrefsGroup* SelectGroup(const PrefsDocument& document, std::string_view name)
{
    for (const PrefsGroup& group : document.groups) {
        if (SameNameIgnoringCase(group.name, name)) return &group;
    }
    return nullptr;
}

std::string TrimSpacesAndTabs(std::string_view text)
{
    while (!text.empty() && IsSpaceOrTab(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpaceOrTab(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string ReadText(const PrefsGroup* group, std::string_view key, std::string_view fallback)
{
    const PrefsKey* entry = FindKey(group, key);
    return entry ? TrimSpacesAndTabs(entry->value) : std::string(fallback);
}

int64_t ParseLeadingInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr int64_t kLimit = std::numeric_limits<int64_t>::max();
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value > (kLimit - digit) / 10 ? kLimit : value * 10 + digit;
    }
    return negative ? -value : value;
}

int32_t ReadInteger(const PrefsGroup* group, std::string_view key, int32_t fallback)
{
    const PrefsKey* entry = FindKey(group, key);
    if (!entry) return fallback;
    return static_cast<int32_t>(std::clamp<int64_t>(ParseLeadingInteger(entry->value),
                                                    std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

PrefsWriter BeginPrefs()
{
    PrefsWriter writer;
    WriteLine(writer, kByteOrderMark);
    return writer;
}

void WriteComment(PrefsWriter& writer, std::string_view text) { WriteLine(writer, "; " + std::string(text)); }

void WriteGroup(PrefsWriter& writer, std::string_view name) { WriteLine(writer, "[" + std::string(name) + "]"); }

void WriteText(PrefsWriter& writer, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + " = " + std::string(value);
    // A line break inside a value would split the line and corrupt the file.
    std::erase_if(line, [](char c) { return c == '\r' || c == '\n'; });
    WriteLine(writer, line);
}

void WriteInteger(PrefsWriter& writer, std::string_view key, int64_t value)
{
    WriteText(writer, key, std::to_string(value));
}
