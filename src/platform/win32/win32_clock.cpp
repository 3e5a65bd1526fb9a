#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace nuv {

uint32_t Win32Clock::TickCount() { return ::GetTickCount(); }

void Win32Clock::Sleep(uint32_t ms) { ::Sleep(ms); }

LocalTime Win32Clock::Now() {
    SYSTEMTIME time{};
    ::GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

}  // namespace nuv
