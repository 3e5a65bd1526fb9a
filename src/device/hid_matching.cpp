#include <cstdio>

#include "app/program.h"
#include "device/discovery.h"

namespace nuv {

namespace {

// The pairs of the application firmwares whose product ID MAINTARGETPID can pin.
bool ProductIdFiltered(uint16_t usagePage, uint16_t usage) {
    return (usagePage == 0xFF83 && usage == 0x80) || (usagePage == 0xFF85 && usage == 0x95) ||
           (usagePage == 0xFF89 && usage == 0x10);
}

}  // namespace

bool MatchHidDevice(Program& program, DeviceHandle handle, uint16_t usagePage, uint16_t usage) {
    HostDeviceServices& services = program.host.devices;
    LineLog& trace = program.form.DiagnosticTrace;
    PreparsedData preparsed = 0;
    if (!services.GetPreparsedData(handle, preparsed)) return false;
    HidCaps caps;
    const bool capsRead = services.GetCaps(preparsed, caps);
    services.FreePreparsedData(preparsed);
    if (!capsRead || caps.usagePage != usagePage || caps.usage != usage) return false;

    char line[64];
    std::snprintf(line, sizeof line, "%04X , %04X", caps.usagePage, caps.usage);
    trace.Append(line);
    HidAttributes attributes;
    const bool attributesRead = services.GetAttributes(handle, attributes);
    if (attributesRead) {
        std::snprintf(line, sizeof line, "%04X  %04X  %04X", attributes.vendorId, attributes.productId,
                      attributes.versionNumber);
        trace.Append(line);
    }

    const int32_t wantedPid = program.settings.MainTargetPID;
    if (wantedPid == 0 || !ProductIdFiltered(usagePage, usage)) return true;
    if (attributesRead && attributes.productId == wantedPid) {
        trace.Append("Found the device with MainTargetPID");
        return true;
    }
    return false;
}

}  // namespace nuv
