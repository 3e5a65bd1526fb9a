#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_record_store.h"
#include "platform/ini_profile_reader.h"
#include "platform/native_host.h"
#include "platform/null_device_services.h"
#include "platform/posix/posix_clock.h"
#include "platform/posix/posix_system_services.h"
#include "platform/timer_loop.h"

namespace nuv {

namespace {

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string ExecutableFolder() {
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return "./";
    const std::string exe(path.data(), static_cast<std::size_t>(length));
    const std::size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "./" : exe.substr(0, slash + 1);
}

std::string WorkingFolder() {
    std::vector<char> path(4096);
    if (!getcwd(path.data(), path.size())) return "./";
    return WithSeparator(path.data());
}

// $XDG_STATE_HOME/NUVDravFlasher/registry, else ~/.local/state/..., else beside the executable.
std::string RecordRoot(const std::string& exeDir) {
    const std::string tail = "NUVDravFlasher/registry/HKEY_LOCAL_MACHINE";
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        return WithSeparator(state) + tail;
    if (const char* home = std::getenv("HOME"); home && *home == '/')
        return WithSeparator(home) + ".local/state/" + tail;
    return exeDir + "registry/HKEY_LOCAL_MACHINE";
}

class PosixHost : public NativeHost {
public:
    PosixHost(std::vector<std::string> args, HostDeviceServices* devices)
        : loop_(clock_),
          records_(RecordRoot(ExecutableFolder())),
          host_{clock_, loop_, profiles_, records_, system_, devices ? *devices : noDevices_,
                std::move(args), ExecutableFolder(), WorkingFolder()} {}

    Host& host() override { return host_; }

private:
    PosixClock clock_;
    // Headless: timers and scheduled input only, so the loop sleeps until the next one.
    TimerLoop loop_;
    IniProfileReader profiles_;
    FileRecordStore records_;
    PosixSystemServices system_;
    NullDeviceServices noDevices_;
    Host host_;
};

}  // namespace

std::unique_ptr<NativeHost> MakeNativeHost(std::vector<std::string> args, HostDeviceServices* devices) {
    return std::make_unique<PosixHost>(std::move(args), devices);
}

}  // namespace nuv
