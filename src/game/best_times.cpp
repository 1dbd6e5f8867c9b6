#include "game/best_times.h"

BestTimeTables DefaultBestTimeTables()
{
    const BestTimeEntry defaults[kBestTimeTableCount] = {{"Quillmarch", 200000}, {"Valmoren", 400000}, {"Tarquel", 2278899}};
    BestTimeTables tables;
    for (int32_t table = 0; table < kBestTimeTableCount; ++table) {
        for (int32_t slot = 0; slot < kBestTimeSlots; ++slot) tables[table].slots[slot] = defaults[table];
    }
    return tables;
}
