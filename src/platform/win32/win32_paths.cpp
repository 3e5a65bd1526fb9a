#include "platform/win32/win32_paths.h"

#include <windows.h>

#include <vector>

namespace nuv {

std::string ExecutableFolder() {
    // GetModuleFileNameA cuts the path to the buffer: grow until it fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            std::string path(buffer.data(), length);
            const size_t separator = path.find_last_of("\\/");
            return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string WorkingFolder() {
    const DWORD size = ::GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return {};
    std::vector<char> buffer(size, '\0');
    const DWORD length = ::GetCurrentDirectoryA(size, buffer.data());
    if (length == 0 || length >= size) return {};
    std::string folder(buffer.data(), length);
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

}  // namespace nuv
