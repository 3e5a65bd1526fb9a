// A fresh program on virtual time talking to simulated sensor hubs, with a
// tap on the feature reports so tests can watch or spoil them in passing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/timer_loop.h"
#include "platform/virtual/virtual_host.h"
#include "sim/device_services_relay.h"
#include "sim/simulated_hub.h"

namespace nuv::testing {

class TappedServices : public sim::DeviceServicesRelay {
public:
    std::function<void(const uint8_t* report)> onSet;
    std::function<void(uint8_t* report)> afterGet;   // may change a successful answer

    bool SetFeature(DeviceHandle handle, const uint8_t* report, uint32_t length) override {
        if (onSet) onSet(report);
        return DeviceServicesRelay::SetFeature(handle, report, length);
    }
    bool GetFeature(DeviceHandle handle, uint8_t* report, uint32_t length) override {
        const bool ok = DeviceServicesRelay::GetFeature(handle, report, length);
        if (ok && afterGet) afterGet(report);
        return ok;
    }
};

// The event loop, counting how often the program lets pending events run.
class CountingLoop : public TimerLoop {
public:
    using TimerLoop::TimerLoop;
    std::function<void()> onPump;
    int pumps = 0;

    void HandlePendingEvents() override {
        ++pumps;
        if (onPump) onPump();
        TimerLoop::HandlePendingEvents();
    }
};

struct ProtocolRig {
    ProtocolRig() { services.SetTarget(&hub); }

    int AddHub(sim::Family family, sim::HubMode mode,
               const std::function<void(sim::HubConfig&)>& adjust = {}) {
        sim::HubConfig config = sim::DefaultHubConfig(family, mode);
        if (adjust) adjust(config);
        return hub.AddDevice(config);
    }

    uint32_t now() { return virtualHost.clock.TickCount(); }
    std::vector<std::string>& trace() { return program.form.DiagnosticTrace.lines; }
    const std::vector<sim::TrafficEntry>& traffic() { return hub.traffic().Entries(); }

    // Successful reports sent to the devices, as their first n payload bytes.
    std::vector<std::vector<uint8_t>> SentPayloads(int n) {
        std::vector<std::vector<uint8_t>> payloads;
        for (const sim::TrafficEntry& e : hub.traffic().Successful(sim::Direction::Set))
            payloads.emplace_back(e.report.begin() + 1, e.report.begin() + 1 + n);
        return payloads;
    }

    size_t CountTrace(const std::string& prefix) {
        size_t n = 0;
        for (const std::string& line : trace()) n += line.rfind(prefix, 0) == 0;
        return n;
    }

    TappedServices services;
    VirtualHost virtualHost{"./", {}, &services};
    CountingLoop loop{virtualHost.clock};
    Host host{virtualHost.clock, loop,   virtualHost.profiles, virtualHost.records, virtualHost.system,
              services,          {},     "./",                 "./"};
    sim::SimulatedSensorHub hub{virtualHost.clock};
    Program program{host};
};

}  // namespace nuv::testing
