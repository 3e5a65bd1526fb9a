#include "protocol/device_modes.h"

#include <algorithm>
#include <string>

#include "app/program.h"
#include "device/discovery.h"
#include "device/feature_transport.h"
#include "protocol/request_route.h"

namespace nuv {

namespace {

constexpr uint32_t kSearchPauseMs = 100;
constexpr uint32_t kHandshakeStepMs = 100;
constexpr uint8_t kFallbackReportId = 0x5A;
constexpr int kParameterImageSize = 1024;

struct UsagePair {
    uint16_t usagePage;
    uint16_t usage;
};

bool IsApplicationMode(uint8_t mode) { return mode == 1 || mode == 3 || mode == 4 || mode == 6; }
bool IsFlashMode(uint8_t mode) { return mode == 2 || mode == 5 || mode == 7; }

// The flash mode an application mode continues with when nothing answers.
uint8_t FlashModeOf(uint8_t applicationMode) {
    switch (applicationMode) {
        case 4: return 5;
        case 6: return 7;
        default: return 2;
    }
}

UsagePair FirstPairOf(uint8_t mode) {
    switch (mode) {
        case 1: return {0xFF83, 0x80};
        case 2: return {0xFF83, 0xDB};
        case 3: return {0xFF85, 0x95};
        case 4: return {0xFF89, 0x10};
        case 5: return {0xFF89, 0xDB};
        case 6: return {0xFF52, 0x12};
        default: return {0xFF52, 0xDB};
    }
}

// Mode 2 also knows a second flash usage and the DD variant's; VariantDD
// changes only when the search comes to the DD usage.
void SearchMode(Program& program, uint8_t mode) {
    program.host.clock.Sleep(kSearchPauseMs);
    CloseAllDevices(program);
    const UsagePair first = FirstPairOf(mode);
    OpenMatchingDevices(program, first.usagePage, first.usage);
    if (mode != 2) return;
    if (program.deviceTable.MatchedCount == 0) OpenMatchingDevices(program, 0xFF83, 0xD0);
    if (program.deviceTable.MatchedCount == 0) {
        program.deviceKind.VariantDD = false;
        OpenMatchingDevices(program, 0xFF83, 0xDD);
        if (program.deviceTable.MatchedCount > 0) program.deviceKind.VariantDD = true;
    }
}

enum class SizeOutcome { Firmware, Parameter, Rejected };

bool IsOneOf(int32_t size, std::initializer_list<int32_t> sizes) {
    return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

SizeOutcome CheckImageSize(const Program& program, uint8_t mode) {
    const int64_t size = program.imageStream.Size();
    const int64_t limit = int64_t{program.settings.SpecialBinSizeKb} * 1024;
    switch (mode) {
        case 1:
            if (size >= limit) return SizeOutcome::Firmware;
            if (size == kParameterImageSize) return SizeOutcome::Parameter;
            return SizeOutcome::Rejected;
        case 3:
            return size >= limit ? SizeOutcome::Firmware : SizeOutcome::Rejected;
        case 4:
            return IsOneOf(program.imageStream.Size(),
                           {31744, 32768, 54272, 55296, 56320, 57344, 122880, 1024})
                       ? SizeOutcome::Firmware
                       : SizeOutcome::Rejected;
        default:
            return IsOneOf(program.imageStream.Size(), {129024, 1024}) ? SizeOutcome::Firmware
                                                                       : SizeOutcome::Rejected;
    }
}

// The parameter step sits below the window's lower edge unless it is the step offered.
constexpr int kBelowWindowTop = 480;

void ShowFirmwareAccepted(Form1& form) {
    form.Button2.enabled = true;
    form.Button3.enabled = false;
    form.Button4.enabled = false;
    form.GroupBox4.top = kBelowWindowTop;
}

void ShowParameterAccepted(Form1& form) {
    form.Button2.enabled = false;
    form.Button3.enabled = false;
    form.Button4.enabled = true;
    form.GroupBox4.top = form.GroupBox2.top;
}

void ShowFlashModeConnected(Form1& form) {
    form.Button2.enabled = false;
    form.Button3.enabled = true;
}

void ShowNotConnected(Form1& form) {
    form.Button2.enabled = false;
    form.Button3.enabled = false;
}

void AcceptApplicationDevice(Program& program, uint8_t mode) {
    if (!DeviceHandshake(program, true) && program.settings.ReportId != kFallbackReportId) {
        // Some firmware answers only on the fixed ID; keep it until the settings are read again.
        program.settings.ReportId = kFallbackReportId;
        DeviceHandshake(program, true);
    }
    switch (CheckImageSize(program, mode)) {
        case SizeOutcome::Firmware: ShowFirmwareAccepted(program.form); break;
        case SizeOutcome::Parameter: ShowParameterAccepted(program.form); break;
        case SizeOutcome::Rejected:
            program.form.DiagnosticTrace.Append("Bin file size is not support!!");
            break;
    }
    program.ConnectionState = kApplicationMode;
}

void Disconnect(Program& program) {
    program.deviceTable.MatchedCount = 0;
    program.ConnectionState = kNotConnected;
    CloseAllDevices(program);
    ShowNotConnected(program.form);
}

bool Echoed(const uint8_t* answer) {
    return std::equal(HandshakeString.begin(), HandshakeString.end(), answer);
}

}  // namespace

void ConnectDevice(Program& program, uint8_t mode) {
    program.form.DiagnosticTrace.Append("Mode:" + std::to_string(mode));

    uint8_t reached = mode;
    if (IsApplicationMode(reached)) {
        SearchMode(program, reached);
        if (program.deviceTable.MatchedCount > 0) {
            AcceptApplicationDevice(program, reached);
            return;
        }
        reached = FlashModeOf(reached);
    }
    if (IsFlashMode(reached)) {
        SearchMode(program, reached);
        if (program.deviceTable.MatchedCount > 0) {
            ShowFlashModeConnected(program.form);
            program.ConnectionState = kFlashMode;
            return;
        }
    }
    if (reached == kModeLeave) DeviceHandshake(program, false);
    Disconnect(program);
}

void ConnectApplicationMode(Program& program) {
    const DeviceKind& kind = program.deviceKind;
    ConnectDevice(program, kind.FamilyFF89 ? 4 : kind.FamilyFF85 ? 3 : kind.FamilyFF52 ? 6 : 1);
}

void ConnectFlashMode(Program& program) {
    const DeviceKind& kind = program.deviceKind;
    ConnectDevice(program, kind.FamilyFF89 ? 5 : kind.FamilyFF52 ? 7 : 2);
}

bool DeviceHandshake(Program& program, bool expectEcho) {
    const DeviceHandle handle = ApplicationHandle(program);
    if (handle == 0) return false;
    const uint8_t reportId = program.settings.ReportId;
    program.form.DiagnosticTrace.Append("NUVReportID=" + std::to_string(reportId));

    constexpr uint8_t kLength = HandshakeString.size();
    std::array<uint8_t, kLength> request = HandshakeString;
    std::array<uint8_t, kLength> answer{};
    Clock& clock = program.host.clock;

    FeatureTransport(program, handle, true, reportId, request.data(), kLength);
    clock.Sleep(kHandshakeStepMs);
    FeatureTransport(program, handle, false, reportId, answer.data(), kLength);
    clock.Sleep(kHandshakeStepMs);
    if (Echoed(answer.data()) != expectEcho) {
        request = HandshakeString;
        FeatureTransport(program, handle, true, reportId, request.data(), kLength);
        clock.Sleep(kHandshakeStepMs);
        FeatureTransport(program, handle, false, reportId, answer.data(), kLength);
    }
    clock.Sleep(kHandshakeStepMs);
    return Echoed(answer.data()) == expectEcho;
}

}  // namespace nuv
