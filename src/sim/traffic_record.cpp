#include "sim/traffic_record.h"

#include <cstdio>

namespace nuv::sim {

void TrafficRecord::Add(const TrafficEntry& entry) {
    entries_.push_back(entry);
    if (file_.is_open()) file_ << FormatTrafficLine(entry) << '\n' << std::flush;
}

bool TrafficRecord::WriteTo(const std::string& path) {
    file_.open(path, std::ios::out | std::ios::trunc);
    return file_.is_open();
}

std::vector<TrafficEntry> TrafficRecord::Successful(Direction direction, DeviceHandle handle) const {
    std::vector<TrafficEntry> result;
    for (const TrafficEntry& entry : entries_) {
        if (entry.ok && entry.direction == direction && (handle == 0 || entry.handle == handle)) {
            result.push_back(entry);
        }
    }
    return result;
}

std::string FormatTrafficLine(const TrafficEntry& entry) {
    char head[80];
    std::snprintf(head, sizeof head, "%10u %6llu dev%d %s %s", entry.tick,
                  static_cast<unsigned long long>(entry.handle), entry.device,
                  entry.direction == Direction::Set ? "SET" : "GET", entry.ok ? "ok  " : "FAIL");
    std::string line = head;
    for (uint8_t byte : entry.report) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", byte);
        line += hex;
    }
    return line;
}

}  // namespace nuv::sim
