// Facts about the machine for the diagnostic log's header.
#pragma once

#include <cstdint>
#include <string>

// The processor's brand string ("model name" of /proc/cpuinfo), leading spaces and tabs removed.
std::string ProcessorName();
int32_t ProcessorCount();           // processors the system offers
int32_t AvailableProcessorCount();  // processors this process may run on
int64_t TotalMemoryBytes();
int64_t AvailableMemoryBytes();
