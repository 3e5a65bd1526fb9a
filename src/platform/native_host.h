// The host the program runs on for real: implemented once per platform
// (src/platform/win32, src/platform/posix). Only the entry uses this.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/host.h"

namespace nuv {

class NativeHost {
public:
    virtual ~NativeHost() = default;
    virtual Host& host() = 0;
};

// args: the command-line arguments after the program name, as the platform
// splits and unquotes them. devices: the device services to use instead of
// the host's own (the simulated sensor hub), or null.
std::unique_ptr<NativeHost> MakeNativeHost(std::vector<std::string> args, HostDeviceServices* devices);

}  // namespace nuv
