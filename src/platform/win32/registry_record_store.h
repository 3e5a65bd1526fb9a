// Version records as string values under HKEY_LOCAL_MACHINE.
#pragma once

#include "platform/host.h"

namespace nuv {

class RegistryRecordStore : public RecordStore {
public:
    bool WriteString(const std::string& keyPath, const std::string& valueName,
                     const std::string& value, std::string& reason) override;
};

}  // namespace nuv
