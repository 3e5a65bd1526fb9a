// What a simulated sensor hub is: its family, the mode it starts in, its USB
// identity, its memory map and the faults it is told to show.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace nuv::sim {

enum class Family { Default, FF85, FF89, FF52 };

// Which firmware shows an interface: the application firmware, the flash
// mode, or none (unplugged, or between two modes).
enum class HubMode { Application, Flash, Absent };

// Faults, all deterministic: counts are taken per device, and the rate is
// drawn from the seed.
struct FaultPlan {
    uint32_t seed = 1;
    uint32_t failEvery = 0;              // every n-th transfer fails (0: never)
    uint32_t failBurstAt = 0;            // first failing transfer of a burst, counted from 1
    uint32_t failBurstLength = 0;
    uint32_t failRatePercent = 0;        // share of transfers that fail
    uint32_t wrongChecksumEvery = 0;     // every n-th page-buffer sum is off by one
    std::vector<uint32_t> stuckPages;    // 1 KB pages (any address inside) whose programming does not take
    uint32_t wrongEchoEvery = 0;         // every n-th memory read echoes a wrong address
    bool noFlashEntry = false;           // the flash-mode request is ignored
    bool noReturn = false;               // after the finishing request nothing comes back
    uint32_t unplugAfter = 0;            // unplugged after this many transfers (0: never)
    uint32_t dockRemoveAfterMs = 0;      // docking: taken away this long after returning (0: never)
    uint32_t dockNextAfterMs = 0;        // docking: the next unit comes this long after the removal
    uint32_t dockUnits = 1;              // docking: units docked in turn, the first included
};

struct HubConfig {
    Family family = Family::Default;
    HubMode mode = HubMode::Application;
    uint16_t flashUsage = 0xDB;          // flash-mode usage of the default and FF85 families: 0xDB, 0xD0, 0xDD
    uint16_t vendorId = 0x1EE9;
    uint16_t productId = 0x5150;         // application firmware
    uint16_t revision = 0x0100;
    uint16_t flashProductId = 0x51DB;    // flash mode
    uint16_t flashRevision = 0x0100;
    uint8_t reportId = 0x5A;             // the one report ID the application firmware answers
    uint32_t flashEntryDelayMs = 800;    // flash-mode request until the flash-mode interface shows
    uint32_t returnDelayMs = 800;        // finishing request until the application interface shows

    uint32_t flashSize = 0x20000;
    std::vector<uint8_t> flash;          // initial content; shorter than flashSize: the rest is 0xFF
    uint32_t ramAddress = 0x200000;
    uint32_t ramSize = 0x2000;
    std::array<uint8_t, 3> identification{0x81, 0x75, 0x00};   // at 0xF02000
    uint32_t parameterFlashAddress = 0x1FC00;
    uint32_t parameterBufferAddress = 0x201000;
    uint8_t parameterLength = 200;

    FaultPlan faults;

    // Host-service failures of this device's interfaces, for discovery tests.
    bool openFails = false;
    bool capsFail = false;
    bool attributesFail = false;
};

// A family's usual identity: usage pairs follow the family, identification
// bytes give the chip class that family usually has.
HubConfig DefaultHubConfig(Family family, HubMode mode = HubMode::Application);

struct UsagePair {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

UsagePair ApplicationUsage(const HubConfig& config);
UsagePair FlashUsage(const HubConfig& config);

// A HID interface that is not a sensor hub (keyboard, touch screen, ...).
struct OtherInterface {
    uint16_t usagePage = 0x0001;
    uint16_t usage = 0x0006;
    uint16_t vendorId = 0x045E;
    uint16_t productId = 0x07A5;
    uint16_t revision = 0x0100;
    bool openFails = false;
    bool capsFail = false;
    bool attributesFail = false;
};

// Failures of the device-installation services, for maintenance tests.
struct ServiceFaults {
    bool hidSetFails = false;
    bool allDevicesSetFails = false;
    int propertyFailsAtMember = -1;      // hardware-ID read of that member fails
    uint32_t propertyError = 5;          // ERROR_ACCESS_DENIED
    int enumFailsAtMember = -1;          // enumeration stops there with enumError
    uint32_t enumError = 5;
    bool removeFails = false;
    uint32_t cmConnectResult = 0;
    uint32_t cmLocateResult = 0;
    uint32_t cmReenumerateResult = 0;
};

}  // namespace nuv::sim
