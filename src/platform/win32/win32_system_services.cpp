#include "platform/win32/win32_system_services.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace nuv {

namespace {

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

}  // namespace

void Win32SystemServices::SetExecutionState(uint32_t flags) {
    ::SetThreadExecutionState(static_cast<EXECUTION_STATE>(flags));
}

void Win32SystemServices::LaunchProgram(const std::string& program, const std::string& parameters) {
    ::ShellExecuteA(nullptr, "open", program.c_str(), parameters.c_str(), nullptr, SW_HIDE);
}

void Win32SystemServices::WriteStdout(const std::string& text) { Write(stdout, text); }

void Win32SystemServices::WriteStderr(const std::string& text) { Write(stderr, text); }

}  // namespace nuv
