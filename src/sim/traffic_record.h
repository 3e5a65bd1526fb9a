// Every feature report that reached a simulated device, in either direction.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/device_services.h"

namespace nuv::sim {

enum class Direction { Set, Get };

struct TrafficEntry {
    uint32_t tick = 0;
    DeviceHandle handle = 0;
    int device = -1;                     // index of the simulated device
    Direction direction = Direction::Set;
    bool ok = false;                     // false: the transfer failed
    std::array<uint8_t, 64> report{};    // byte 0 the report ID; a Get holds the answer
    uint8_t reportId() const { return report[0]; }
    uint8_t payload(int n) const { return report[static_cast<size_t>(n) + 1]; }
};

class TrafficRecord {
public:
    void Add(const TrafficEntry& entry);
    const std::vector<TrafficEntry>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }
    // Also writes each entry as one text line to the file from now on.
    bool WriteTo(const std::string& path);

    // The successful entries of one direction, optionally of one handle.
    std::vector<TrafficEntry> Successful(Direction direction, DeviceHandle handle = 0) const;

private:
    std::vector<TrafficEntry> entries_;
    std::ofstream file_;
};

std::string FormatTrafficLine(const TrafficEntry& entry);

}  // namespace nuv::sim
