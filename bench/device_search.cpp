// Cost of one device search over MAXSCANDEVICE (256) indexes, done with a
// fresh HID interface set per index and with one set per walk: on the
// simulated hub (virtual milliseconds, with the enumeration cost Wine shows)
// and on the host's own device services (real time).
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "device/discovery.h"
#include "platform/native_host.h"
#include "sim/simulated_host.h"

namespace {

using nuv::InterfaceSetUse;

const char* Name(InterfaceSetUse use) {
    return use == InterfaceSetUse::PerIndex ? "fresh set per index" : "one set per walk   ";
}

double WallMs(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void SimulatedSearch(InterfaceSetUse use, uint32_t enumerationCostMs) {
    nuv::sim::SimulatedHost rig;
    rig.hub.SetEnumerationCost(enumerationCostMs);
    rig.hub.AddOtherInterface({});
    rig.hub.AddDevice({});
    rig.hub.AddDevice({});
    nuv::Program program(rig.host());
    const uint32_t startTick = rig.virtualHost.clock.TickCount();
    const auto start = std::chrono::steady_clock::now();
    nuv::OpenMatchingDevices(program, 0xFF83, 0x80, use);
    const double wall = WallMs(start);
    std::printf("  %s  %6u virtual ms  %4u interface sets  %8.3f ms of computing  %u found\n", Name(use),
                rig.virtualHost.clock.TickCount() - startTick, rig.hub.HidSetBuilds(), wall,
                program.deviceTable.MatchedCount);
    nuv::CloseAllDevices(program);
}

void NativeSearch(InterfaceSetUse use) {
    std::unique_ptr<nuv::NativeHost> native = nuv::MakeNativeHost({}, nullptr);
    nuv::Program program(native->host());
    const auto start = std::chrono::steady_clock::now();
    nuv::OpenMatchingDevices(program, 0xFF83, 0x80, use);
    const double wall = WallMs(start);
    std::printf("  %s  %10.3f ms  %u found\n", Name(use), wall, program.deviceTable.MatchedCount);
    nuv::CloseAllDevices(program);
}

}  // namespace

int main() {
    constexpr uint32_t kWineEnumerationMs = 3;
    std::printf("One search of 256 indexes on the simulated hub (%u ms per interface set):\n",
                kWineEnumerationMs);
    SimulatedSearch(InterfaceSetUse::PerIndex, kWineEnumerationMs);
    SimulatedSearch(InterfaceSetUse::PerWalk, kWineEnumerationMs);
    std::printf("One search of 256 indexes on the host's device services:\n");
    NativeSearch(InterfaceSetUse::PerIndex);
    NativeSearch(InterfaceSetUse::PerWalk);
    return 0;
}
