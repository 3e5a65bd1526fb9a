#include <iostream>
#include <string>
#include <vector>

#include "app/program_options.h"
#include "platform/native_host.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return static_cast<int>(nuv::RunWithProgramOptions(std::move(args), nuv::MakeNativeHost, std::cerr));
}
