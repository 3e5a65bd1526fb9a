#include <initializer_list>
#include <string>

#include "app/program.h"
#include "device/discovery.h"

namespace nuv {

namespace {

struct Pair {
    uint16_t usagePage;
    uint16_t usage;
};

// Walks the interfaces with a handle of its own and stops at the first one
// that matches any of the pairs, tried in the order given.
bool ProbeFamily(Program& program, std::initializer_list<Pair> pairs) {
    HostDeviceServices& services = program.host.devices;
    bool found = false;
    WalkHidInterfaces(program, InterfaceSetUse::PerWalk, [&](int32_t, const std::string& path) {
        const DeviceHandle handle = services.OpenDevice(path);
        if (handle == 0) return true;
        for (const Pair& pair : pairs) {
            if (MatchHidDevice(program, handle, pair.usagePage, pair.usage)) {
                found = true;
                break;
            }
        }
        services.CloseDevice(handle);
        return !found;
    });
    return found;
}

}  // namespace

bool ProbeFF85(Program& program) { return ProbeFamily(program, {{0xFF85, 0x95}}); }

bool ProbeFF89(Program& program) {
    return ProbeFamily(program, {{0xFF89, 0x10}, {0xFF89, 0xDB}}) && program.settings.Ignore8910 == 0;
}

bool ProbeFF52(Program& program) { return ProbeFamily(program, {{0xFF52, 0x12}, {0xFF52, 0xDB}}); }

}  // namespace nuv
