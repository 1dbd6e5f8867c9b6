#include "storage/text_catalog.h"

const std::string& Text(const TextCatalog& catalog, std::string_view key)
{
    static const std::string empty;
    const auto found = catalog.texts.find(key);
    return found == catalog.texts.end() ? empty : found->second;
}
