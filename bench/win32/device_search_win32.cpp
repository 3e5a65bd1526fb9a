// Cost of one device search on the host's real HID services: a fresh
// interface set for every index against one set for the whole walk.
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/program.h"
#include "device/discovery.h"
#include "platform/native_host.h"

namespace {

using nuv::InterfaceSetUse;

double MsPerSearch(nuv::Program& program, InterfaceSetUse use, int searches) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < searches; ++i) {
        nuv::CloseAllDevices(program);
        nuv::OpenMatchingDevices(program, 0xFF83, 0x80, use);
    }
    nuv::CloseAllDevices(program);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / searches;
}

}  // namespace

int main() {
    std::unique_ptr<nuv::NativeHost> native = nuv::MakeNativeHost({}, nullptr);
    nuv::Program program(native->host());
    const int searches = 5;
    std::printf("device search over %d indexes, real host services, %d searches each\n",
                program.settings.MaxScanDevice, searches);
    const double perIndex = MsPerSearch(program, InterfaceSetUse::PerIndex, searches);
    const double perWalk = MsPerSearch(program, InterfaceSetUse::PerWalk, searches);
    std::printf("  fresh interface set per index: %8.2f ms per search\n", perIndex);
    std::printf("  one interface set per walk:    %8.2f ms per search\n", perWalk);
    std::printf("  matched: %d\n", static_cast<int>(program.deviceTable.MatchedCount));
    return 0;
}
