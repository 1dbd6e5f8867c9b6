// Whether a winning time earns a place, where it lands in the table, and the name as stored.
#include <gtest/gtest.h>

#include <vector>

#include "game/best_time_insert.h"

namespace {

// All eleven slots, in a form the test output can show.
std::vector<std::pair<std::string, int64_t>> Slots(const BestTimeTable& table)
{
    std::vector<std::pair<std::string, int64_t>> slots;
    for (const BestTimeEntry& entry : table.slots) slots.emplace_back(entry.name, entry.time);
    return slots;
}

// Ten different times 1000 to 10000, named s0 to s9.
BestTimeTable TenDifferentTimes()
{
    BestTimeTable table;
    for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) table.slots[slot] = {"s" + std::to_string(slot), 1000 * (slot + 1)};
    return table;
}

TEST(BestTimeQualification, OnlyATimeBelowTheTenthEntryAsItStandsQualifies)
{
    const BestTimeTable easy = DefaultBestTimeTables()[0];  // ten times 200000
    BestTimeTable zeroTenth = TenDifferentTimes();
    zeroTenth.slots[9].time = 0;  // as after a best-time file that ended early
    BestTimeTable unsorted = TenDifferentTimes();
    unsorted.slots[0].time = 50000;  // out of order: only the tenth entry counts

    struct Case {
        const char* what;
        const BestTimeTable& table;
        int64_t time;
        bool qualifies;
    };
    const Case cases[] = {
        {"one below the defaults", easy, 199999, true},
        {"equal to the tenth", easy, 200000, false},
        {"above the tenth", easy, 200001, false},
        {"tenth holds 0, time 0", zeroTenth, 0, false},
        {"tenth holds 0, time 1", zeroTenth, 1, false},
        {"below the tenth of an unsorted table", unsorted, 9999, true},
        {"equal to the tenth of an unsorted table", unsorted, 10000, false},
    };
    for (const Case& c : cases) EXPECT_EQ(QualifiesForTable(c.table, c.time), c.qualifies) << c.what;
}

TEST(BestTimeInsert, TheNewEntryLandsInOrderAfterEqualTimesAndTheSlowestDrops)
{
    const std::pair<std::string, int64_t> q{"Quillmarch", 200000};
    BestTimeTable unsorted = TenDifferentTimes();
    std::swap(unsorted.slots[0], unsorted.slots[7]);

    struct Case {
        const char* what;
        BestTimeTable table;
        BestTimeEntry entry;
        std::vector<std::pair<std::string, int64_t>> expected;  // all eleven slots
    };
    const Case cases[] = {
        {"a new best on the default easy table", DefaultBestTimeTables()[0], {"Ada", 199999},
         {{"Ada", 199999}, q, q, q, q, q, q, q, q, q, q}},
        {"equal to slot 4 goes after it", TenDifferentTimes(), {"new", 5000},
         {{"s0", 1000}, {"s1", 2000}, {"s2", 3000}, {"s3", 4000}, {"s4", 5000}, {"new", 5000}, {"s5", 6000},
          {"s6", 7000}, {"s7", 8000}, {"s8", 9000}, {"s9", 10000}}},
        {"equal to slot 0 goes second", TenDifferentTimes(), {"new", 1000},
         {{"s0", 1000}, {"new", 1000}, {"s1", 2000}, {"s2", 3000}, {"s3", 4000}, {"s4", 5000}, {"s5", 6000},
          {"s6", 7000}, {"s7", 8000}, {"s8", 9000}, {"s9", 10000}}},
        {"a table loaded out of order comes back sorted", unsorted, {"new", 9500},
         {{"s0", 1000}, {"s1", 2000}, {"s2", 3000}, {"s3", 4000}, {"s4", 5000}, {"s5", 6000}, {"s6", 7000},
          {"s7", 8000}, {"s8", 9000}, {"new", 9500}, {"s9", 10000}}},
    };
    for (Case c : cases) {
        InsertBestTime(c.table, c.entry.name, c.entry.time);
        EXPECT_EQ(Slots(c.table), c.expected) << c.what;
    }
}

TEST(BestTimeName, TrailingSpacesGoAndLeadingSpacesStay)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"    ", ""}, {"Ada", "Ada"}, {"  Ada  ", "  Ada"}, {"Ada Lind ", "Ada Lind"}, {" \x7f ", " \x7f"},
    };
    for (const auto& [typed, stored] : cases) EXPECT_EQ(TrimTrailingSpaces(typed), stored) << '"' << typed << '"';
}

TEST(BestTimeName, TypedCharactersBecomeUtf8)
{
    const std::pair<std::u32string, std::string> cases[] = {
        {U"", ""},
        {U"Ada \x7f", "Ada \x7f"},
        {U"Zo\u00eb \u0141ucja", "Zo\xc3\xab \xc5\x81ucja"},
        {U"\u20ac\uffff", "\xe2\x82\xac\xef\xbf\xbf"},
        {U"\U0001F600\U0010FFFF", "\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf"},
        {std::u32string{char32_t(0xD800), char32_t(0x110000)}, "\xef\xbf\xbd\xef\xbf\xbd"},  // no scalar values
    };
    for (const auto& [typed, utf8] : cases) EXPECT_EQ(Utf8FromUtf32(typed), utf8) << utf8;
}

}  // namespace
