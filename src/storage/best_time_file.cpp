#include "storage/best_time_file.h"

#include "platform/files.h"
#include "storage/prefs_format.h"

namespace {

// Sixty short lines; a longer file holds nothing more that is read.
constexpr uint64_t kMaxBestTimeFileBytes = 1 << 20;

struct LineReader {
    std::string_view text;
    size_t position = 0;
};

// The next line without its ending (LF, CR or CR LF); the empty text at the end.
std::string_view NextLine(LineReader& reader)
{
    if (reader.position >= reader.text.size()) return {};
    size_t end = reader.text.find_first_of("\r\n", reader.position);
    if (end == std::string_view::npos) end = reader.text.size();
    const std::string_view line = reader.text.substr(reader.position, end - reader.position);
    reader.position = end + (reader.text.substr(end, 2) == "\r\n" ? 2 : 1);
    return line;
}

}  // namespace

BestTimeTables ParseBestTimes(std::string_view bytes)
{
    BestTimeTables tables;
    LineReader reader{bytes};
    for (BestTimeTable& table : tables) {
        for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) {
            table.slots[slot].name = std::string(NextLine(reader));
            table.slots[slot].time = ParseLeadingInteger(NextLine(reader));
        }
    }
    return tables;
}

std::string BestTimesBytes(const BestTimeTables& tables)
{
    std::string bytes;
    for (const BestTimeTable& table : tables) {
        for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) {
            bytes += table.slots[slot].name + "\r\n";
            bytes += std::to_string(table.slots[slot].time) + "\r\n";
        }
    }
    return bytes;
}

BestTimeTables LoadBestTimes(const std::string& folder)
{
    const std::optional<std::string> bytes = ReadFileStart(folder + kBestTimeFile, kMaxBestTimeFileBytes);
    return bytes ? ParseBestTimes(*bytes) : DefaultBestTimeTables();
}

bool SaveBestTimes(const BestTimeTables& tables, const std::string& folder)
{
    return ReplaceFile(folder + kBestTimeFile, BestTimesBytes(tables));
}
