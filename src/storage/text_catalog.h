// The display texts of the language in force, by key. A missing key reads as the empty text.
#pragma once

#include <map>
#include <string>
#include <string_view>

struct TextCatalog {
    std::map<std::string, std::string, std::less<>> texts;
};

const std::string& Text(const TextCatalog& catalog, std::string_view key);
