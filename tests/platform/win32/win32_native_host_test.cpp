// What the real Windows host hands the program: folders, arguments, the
// keep-awake request and the hidden program launch.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/native_host.h"
#include "platform/null_device_services.h"
#include "platform/win32/win32_system_services.h"

namespace nuv {
namespace {

std::string ModulePath() {
    char buffer[MAX_PATH * 4] = {};
    ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return buffer;
}

TEST(Win32NativeHostTest, FoldersEndInASeparatorAndArgumentsPassThrough) {
    NullDeviceServices simulated;
    auto native = MakeNativeHost({"/S", "/Ffw.bin"}, &simulated);
    Host& host = native->host();
    const std::string module = ModulePath();
    EXPECT_EQ(host.exeDir, module.substr(0, module.find_last_of('\\') + 1));
    ASSERT_FALSE(host.workDir.empty());
    EXPECT_EQ(host.workDir.back(), '\\');
    EXPECT_EQ(host.workDir, std::filesystem::current_path().string() + "\\");
    EXPECT_EQ(host.args, (std::vector<std::string>{"/S", "/Ffw.bin"}));
    EXPECT_EQ(&host.devices, &simulated);
}

TEST(Win32NativeHostTest, KeepAwakeRequestReachesTheSystem) {
    Win32SystemServices system;
    system.SetExecutionState(0x80000043);
    // The system answers the next request with the state that was in force.
    EXPECT_EQ(::SetThreadExecutionState(ES_CONTINUOUS), static_cast<EXECUTION_STATE>(0x80000043));
    system.SetExecutionState(0x80000000);
    EXPECT_EQ(::SetThreadExecutionState(ES_CONTINUOUS), static_cast<EXECUTION_STATE>(0x80000000));
}

TEST(Win32NativeHostTest, LaunchStartsTheProgramWithItsParameters) {
    const std::filesystem::path marker =
        std::filesystem::temp_directory_path() / ("nuv-launch-" + std::to_string(::GetCurrentProcessId()));
    std::filesystem::remove(marker);
    char system32[MAX_PATH] = {};
    ::GetSystemDirectoryA(system32, MAX_PATH);
    Win32SystemServices().LaunchProgram(std::string(system32) + "\\cmd.exe",
                                        "/c echo launched> \"" + marker.string() + "\"");
    // The launch is not waited for: poll for its trace, bounded.
    for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i) ::Sleep(50);
    EXPECT_TRUE(std::filesystem::exists(marker));
    ::Sleep(50);
    std::filesystem::remove(marker);
}

}  // namespace
}  // namespace nuv
