#include "platform/win32/registry_record_store.h"

#include <windows.h>

#include "platform/win32/win32_error_text.h"

namespace nuv {

bool RegistryRecordStore::WriteString(const std::string& keyPath, const std::string& valueName,
                                      const std::string& value, std::string& reason) {
    HKEY key = nullptr;
    LONG status = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        reason = SystemErrorText(static_cast<uint32_t>(status));
        return false;
    }
    // REG_SZ data carries its terminating zero.
    status = ::RegSetValueExA(key, valueName.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        reason = SystemErrorText(static_cast<uint32_t>(status));
        return false;
    }
    return true;
}

}  // namespace nuv
