#include "platform/posix/posix_system_services.h"

#include <cstdio>

namespace nuv {

void PosixSystemServices::WriteStdout(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void PosixSystemServices::WriteStderr(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

}  // namespace nuv
