#include "platform/win32/win32_profile_reader.h"

#include <windows.h>

#include <vector>

namespace nuv {

std::string Win32ProfileReader::ReadString(const std::string& filePath, const std::string& section,
                                           const std::string& key, const std::string& defaultText) {
    std::vector<char> buffer(kBufferSize, '\0');
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultText.c_str(),
                                                    buffer.data(), kBufferSize, filePath.c_str());
    return std::string(buffer.data(), length < kBufferSize ? length : kBufferSize - 1);
}

}  // namespace nuv
