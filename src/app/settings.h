// The settings record: one field per key of the configuration file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace nuv {

using HwIdTable = std::array<std::string, 16>;

struct Settings {
    // MESSAGE / OPTION display keys
    int32_t ShowTrace = 0;
    std::string ProgramName = "NUVDravFlasher";
    // MAIN, BOOT, DEVICE, DELAY, CLOSEAPP
    std::string MainHWid = "USB\\VID_1EE9&PID_5150";
    std::string BootHWid = "USB\\VID_1EE9&PID_51DB";
    int32_t MainIndex = 0;
    int32_t RemoveRescan = 1;
    int32_t ChecksumMode = 1;
    int32_t NeedErase = 1;
    int32_t DockingBurn = 0;
    int32_t DelayMs = 2000;
    int32_t CloseOnPass = 1;
    int32_t CloseOnFail = 0;
    // Tables, entries 1..16 in the file, 0..15 here
    HwIdTable ExtraHWids;
    HwIdTable ProjectNames;
    // CHECKVERSION, DEVICE, OPTION
    int32_t DoNotUpdateSameVersion = 0;
    int32_t ProgramFailRetry = 0;
    int32_t BcdDevice = 0;
    int32_t DefaultPatch = 1;
    HwIdTable OtherHWids;
    int32_t UpdateButton = 0;
    int32_t Ignore8910 = 0;
    int32_t NoCheckIvt = 0;
    int32_t WriteFlashDataDelay = 0;
    int32_t ReturnCodeType = 0;
    int32_t SpecialBinSizeKb = 126;
    int32_t MaxStateCount = 10;
    int32_t MaxScanDevice = 256;
    int32_t MainTargetPID = 0;
    int32_t NoCheckClockMatch = 0;
    int32_t KillTask = 0;
    int32_t AllHidCommandDelay = 0;
    uint8_t ReportId = 0x5A;
    // Fields that no key sets
    int32_t SwitchMode = 0;        // 0 normal, 1 verify only ("/VF"), 2 erase only ("/ERASE")
    int32_t DefaultPatchUsed = 0;
};

}  // namespace nuv
