// The system's millisecond tick counter, plain sleep and local time.
#pragma once

#include "platform/host.h"

namespace nuv {

class Win32Clock : public Clock {
public:
    uint32_t TickCount() override;
    void Sleep(uint32_t ms) override;
    LocalTime Now() override;
};

}  // namespace nuv
