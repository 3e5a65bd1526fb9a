#include "platform/win32/win32_error_text.h"

#include <windows.h>

namespace nuv {

std::string SystemErrorText(uint32_t error) {
    char buffer[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, error, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    const std::string number = "error " + std::to_string(error);
    return text.empty() ? number : text + " (" + number + ")";
}

}  // namespace nuv
