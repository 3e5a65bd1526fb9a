// The program context: all process-wide state, created by the entry (or a
// test) and passed by reference to the program's procedures.
#pragma once

#include <cstdint>

#include "app/settings.h"
#include "device/device_table.h"
#include "image/image_stream.h"
#include "platform/host.h"
#include "protocol/device_state.h"
#include "ui/form_model.h"

namespace nuv {

struct Program {
    explicit Program(Host& h) : host(h) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Host& host;
    Settings settings;
    uint8_t ExitCode = 0;
    DeviceTable deviceTable;
    int32_t ConnectionState = kNeverConnected;
    DeviceKind deviceKind;
    PageMirror pageMirror{};
    ImageStream imageStream;
    int32_t AutoState = 0;
    int32_t StateCount = 0;
    int32_t CtrlHeld = 0;
    int32_t ProjectIndex = 0;
    Form1 form;
    bool StartupRunActive = false;   // a start-up sequencer run is in progress
};

}  // namespace nuv
