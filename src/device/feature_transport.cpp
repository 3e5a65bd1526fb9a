#include "device/feature_transport.h"

#include <algorithm>
#include <array>
#include <string>

#include "app/program.h"

namespace nuv {

namespace {

constexpr int kAttempts = 10;
constexpr uint32_t kRetryPauseMs = 100;
constexpr uint8_t kMaxPayload = kFeatureReportSize - 1;

}  // namespace

bool FeatureTransport(Program& program, DeviceHandle handle, bool send, uint8_t reportId, uint8_t* payload,
                      uint8_t length) {
    HostDeviceServices& services = program.host.devices;
    Clock& clock = program.host.clock;
    // A negative pause means none; a longer payload than the report holds is cut.
    const int32_t pause = program.settings.AllHidCommandDelay;
    if (pause > 0) clock.Sleep(static_cast<uint32_t>(pause));
    if (payload == nullptr) length = 0;
    length = std::min(length, kMaxPayload);

    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::array<uint8_t, kFeatureReportSize> report{};
        report[0] = reportId;
        bool ok = false;
        if (send) {
            std::copy_n(payload, length, report.begin() + 1);
            ok = services.SetFeature(handle, report.data(), kFeatureReportSize);
            if (!ok) {
                program.form.DiagnosticTrace.Append("failed HidD_SetFeature - " +
                                                    std::to_string(services.GetLastError()));
                clock.Sleep(kRetryPauseMs);
            }
        } else {
            ok = services.GetFeature(handle, report.data(), kFeatureReportSize);
            if (!ok) {
                program.form.DiagnosticTrace.Append("failed HidD_GetFeature - " +
                                                    std::to_string(services.GetLastError()));
                clock.Sleep(kRetryPauseMs);
            }
            std::copy_n(report.begin() + 1, length, payload);
        }
        if (ok) return true;
    }
    return false;
}

}  // namespace nuv
