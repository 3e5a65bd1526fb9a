#include "app/config_file.h"

#include <cstdio>

#include "app/integer_conversion.h"
#include "app/program.h"
#include "app/switches.h"

namespace nuv {

namespace {

// A missing key passes the current value back as its own default.
void ReadNumber(Program& program, const char* section, const char* key, int32_t& field) {
    field = ConvertToInteger(ReadSetting(program, section, key, std::to_string(field)));
}

void ReadText(Program& program, const char* section, const char* key, std::string& field) {
    field = ReadSetting(program, section, key, field);
}

// Table entries default to the empty text, so a removed key empties its entry.
void ReadTable(Program& program, const char* section, const std::string& keyStem, HwIdTable& table) {
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = ReadSetting(program, section, keyStem + std::to_string(i + 1), "");
}

std::string Hex(int32_t value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%X", static_cast<uint32_t>(value));
    return digits;
}

// The file holds plain hexadecimal digits (5150 means 0x5150).
void ReadMainTargetPid(Program& program, int32_t& field) {
    field = ConvertToInteger("0x" + ReadSetting(program, "OPTION", "MAINTARGETPID", Hex(field)));
}

void ReadReportId(Program& program, uint8_t& field) {
    const int32_t value = ConvertToInteger(ReadSetting(program, "MAIN", "REPORTID", std::to_string(field)));
    field = static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

std::string ConfigFilePath(const Program& program) { return program.host.exeDir + "DRAV.ini"; }

std::string ReadSetting(Program& program, const std::string& section, const std::string& key,
                        const std::string& defaultText) {
    return program.host.profiles.ReadString(ConfigFilePath(program), section, key, defaultText);
}

void ReadDisplayKeys(Program& program) {
    Settings& s = program.settings;
    ReadNumber(program, "MESSAGE", "ENABLE", s.ShowTrace);
    ReadText(program, "OPTION", "TITLENAME", s.ProgramName);
}

void ReadAllSettings(Program& program) {
    Settings& s = program.settings;
    ReadText(program, "MAIN", "HWID", s.MainHWid);
    ReadText(program, "BOOT", "HWID", s.BootHWid);
    ReadNumber(program, "DEVICE", "MAININDEX", s.MainIndex);
    ReadNumber(program, "DEVICE", "REMOVERESCAN", s.RemoveRescan);
    ReadNumber(program, "DEVICE", "CHECKSUMMODE", s.ChecksumMode);
    ReadNumber(program, "DEVICE", "NEEDERASE", s.NeedErase);
    ReadNumber(program, "DEVICE", "DOCKINGBURN", s.DockingBurn);
    ReadNumber(program, "DELAY", "MSEC", s.DelayMs);
    ReadNumber(program, "CLOSEAPP", "PASS", s.CloseOnPass);
    ReadNumber(program, "CLOSEAPP", "FAIL", s.CloseOnFail);

    ApplySwitches(program);

    ReadTable(program, "MAIN", "HWID", s.ExtraHWids);
    ReadTable(program, "CHECKVERSION", "PROJECTNAME", s.ProjectNames);
    ReadNumber(program, "CHECKVERSION", "DONOTUPDATETHESAMEVERSION", s.DoNotUpdateSameVersion);
    ReadNumber(program, "DEVICE", "PROGRAMFAILRETRY", s.ProgramFailRetry);
    ReadNumber(program, "OPTION", "PELMORA_BCDDEVICE", s.BcdDevice);
    ReadNumber(program, "OPTION", "PELMORA_DEFAULTPATCH", s.DefaultPatch);
    ReadTable(program, "OPTION", "PELMORA_OTHERHWID", s.OtherHWids);
    ReadNumber(program, "OPTION", "PELMORA_UPDATEBUTTON", s.UpdateButton);
    ReadNumber(program, "OPTION", "IGNORE8910", s.Ignore8910);
    ReadNumber(program, "OPTION", "NOCHECKIVT", s.NoCheckIvt);
    ReadNumber(program, "OPTION", "WRITEFLASHDATADELAY", s.WriteFlashDataDelay);
    ReadNumber(program, "OPTION", "RETURNCODETYPE", s.ReturnCodeType);
    ReadNumber(program, "OPTION", "SPECIALLYBINSIZEFOR5180", s.SpecialBinSizeKb);
    ReadNumber(program, "OPTION", "MAXSTATECUNT", s.MaxStateCount);
    ReadNumber(program, "OPTION", "MAXSCANDEVICE", s.MaxScanDevice);
    ReadMainTargetPid(program, s.MainTargetPID);
    ReadNumber(program, "OPTION", "NOCHECKCLOCKMATCH", s.NoCheckClockMatch);
    ReadNumber(program, "OPTION", "KILLTASK", s.KillTask);
    ReadNumber(program, "OPTION", "ALLHIDCOMMANDDELAY", s.AllHidCommandDelay);
    ReadReportId(program, s.ReportId);
}

}  // namespace nuv
