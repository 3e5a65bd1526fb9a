// Options beyond the operator's switches: run against a simulated sensor hub
// described in a file, on real or on virtual time. They begin with "--", so
// no slash switch ever matches them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/native_host.h"

namespace nuv {

struct ProgramOptions {
    std::string simulateFile;   // --simulate=FILE
    bool virtualTime = false;   // --virtual-time
};

// Reads the "--" options; false with one line for an unknown or incomplete one.
bool ReadProgramOptions(const std::vector<std::string>& args, ProgramOptions& options, std::string& error);

using NativeHostFactory =
    std::function<std::unique_ptr<NativeHost>(std::vector<std::string> args, HostDeviceServices* devices)>;

// Runs the program as the options ask: on the host's own devices, or on the
// described simulated hub, whose flash is written back when the run ends. A
// bad option or description is refused with one line on errors before
// anything else happens. Returns the process exit code.
uint32_t RunWithProgramOptions(std::vector<std::string> args, const NativeHostFactory& makeHost,
                               std::ostream& errors);

// Exit code of a run refused because of its options or its simulated-device description.
constexpr uint32_t kOptionsRefused = 2;

}  // namespace nuv
