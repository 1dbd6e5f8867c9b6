#include "platform/system_facts.h"

#include <sched.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace {

// The value after "key:" on the first line of the file that starts with key.
std::string ProcField(const char* file, const std::string& key)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) != 0) continue;
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const size_t start = line.find_first_not_of(" \t", colon + 1);
        return start == std::string::npos ? std::string() : line.substr(start);
    }
    return {};
}

int64_t MemoryField(const std::string& key)
{
    const std::string value = ProcField("/proc/meminfo", key + ":");
    return std::strtoll(value.c_str(), nullptr, 10) * 1024;  // given in kB
}

}  // namespace

std::string ProcessorName() { return ProcField("/proc/cpuinfo", "model name"); }

int32_t ProcessorCount() { return static_cast<int32_t>(sysconf(_SC_NPROCESSORS_CONF)); }

int32_t AvailableProcessorCount()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) != 0) return ProcessorCount();
    return CPU_COUNT(&set);
}

int64_t TotalMemoryBytes() { return MemoryField("MemTotal"); }

int64_t AvailableMemoryBytes() { return MemoryField("MemAvailable"); }
