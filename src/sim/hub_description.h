// The simulated machine described by an INI file: the hubs, their flash
// files and faults, the traffic record file and the link's timing.
#pragma once

#include <string>
#include <vector>

#include "sim/hub_config.h"

namespace nuv::sim {

class SimulatedSensorHub;

struct HubDescription {
    std::string file;                      // the description itself
    std::vector<HubConfig> devices;
    std::vector<std::string> flashFiles;   // per device, resolved; empty: none
    std::string trafficFile;               // resolved; empty: none
    uint32_t latencyMs = 0;
    uint32_t enumerationCostMs = 0;
    uint32_t otherInterfaces = 0;          // plain HID interfaces ahead of the hubs
};

// Reads and checks the whole description, flash files included. On failure
// error holds one line naming the file, the key and the value.
bool LoadHubDescription(const std::string& file, HubDescription& description, std::string& error);

// Builds the described machine on an empty hub.
bool SetUpHub(const HubDescription& description, SimulatedSensorHub& hub, std::string& error);

// Writes each device's flash back to its file, so a later run sees it.
bool SaveHubFlash(const HubDescription& description, SimulatedSensorHub& hub, std::string& error);

}  // namespace nuv::sim
