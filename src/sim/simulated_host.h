// A virtual host whose device services are a simulated sensor hub running on
// the host's own virtual clock: what tests use to talk to a device.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/virtual/virtual_host.h"
#include "sim/device_services_relay.h"
#include "sim/simulated_hub.h"

namespace nuv::sim {

class SimulatedHost {
public:
    explicit SimulatedHost(std::string exeDir = "./", std::vector<std::string> args = {}, uint32_t startTick = 0)
        : virtualHost(std::move(exeDir), std::move(args), &relay_, startTick), hub(virtualHost.clock) {
        relay_.SetTarget(&hub);
    }
    SimulatedHost(const SimulatedHost&) = delete;
    SimulatedHost& operator=(const SimulatedHost&) = delete;

    Host& host() { return virtualHost.host; }

private:
    DeviceServicesRelay relay_;   // built before the host that refers to it

public:
    VirtualHost virtualHost;
    SimulatedSensorHub hub;
};

}  // namespace nuv::sim
