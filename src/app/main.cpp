#include <memory>
#include <string>
#include <vector>

#include "app/entry.h"
#include "platform/native_host.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::unique_ptr<nuv::NativeHost> native = nuv::MakeNativeHost(std::move(args), nullptr);
    return static_cast<int>(nuv::RunProgram(native->host()));
}
