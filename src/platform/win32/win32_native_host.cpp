// The real Windows host. The arguments arrive as the C runtime split the
// ANSI command line (__argv), which is the platform's own splitting.
#include <utility>

#include "platform/native_host.h"
#include "platform/win32/registry_record_store.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_device_services.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_profile_reader.h"
#include "platform/win32/win32_system_services.h"

namespace nuv {

namespace {

class Win32NativeHost : public NativeHost {
public:
    Win32NativeHost(std::vector<std::string> args, HostDeviceServices* devices)
        : loop_(clock_),
          host_{clock_, loop_, profiles_, records_, system_, devices ? *devices : devices_,
                std::move(args), ExecutableFolder(), WorkingFolder()} {}

    Host& host() override { return host_; }

private:
    Win32Clock clock_;
    Win32EventLoop loop_;
    Win32ProfileReader profiles_;
    RegistryRecordStore records_;
    Win32SystemServices system_;
    Win32DeviceServices devices_;
    Host host_;
};

}  // namespace

std::unique_ptr<NativeHost> MakeNativeHost(std::vector<std::string> args, HostDeviceServices* devices) {
    return std::make_unique<Win32NativeHost>(std::move(args), devices);
}

}  // namespace nuv
