// One simulated sensor hub: its memory, its two firmwares and its timeline
// (mode switches and docking happen at ticks of the host clock).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sim/fault_injector.h"
#include "sim/hub_config.h"

namespace nuv::sim {

constexpr int kPayloadSize = 63;     // report bytes after the report ID
constexpr int kPageBufferSize = 1024;
constexpr uint32_t kIdentificationAddress = 0xF02000;

class SimDevice {
public:
    explicit SimDevice(HubConfig config);

    const HubConfig& config() const { return config_; }
    HubConfig& config() { return config_; }

    // Applies every mode change that fell due up to now.
    void Update(uint32_t now);
    HubMode mode() const { return mode_; }
    // Changes whenever the interface goes away, so stale handles can be told.
    uint32_t incarnation() const { return incarnation_; }
    UsagePair CurrentUsage() const;
    uint16_t CurrentProductId() const;
    uint16_t CurrentRevision() const;

    // Switches at once (tests), dropping any pending change.
    void SetMode(HubMode mode);
    void Unplug() { SetMode(HubMode::Absent); }
    // Device node removed from the device tree: the interface is hidden until a rescan.
    void RemoveNode();
    void RestoreNode() { nodeRemoved_ = false; }
    bool nodeRemoved() const { return nodeRemoved_; }
    bool Visible() const { return mode_ != HubMode::Absent && !nodeRemoved_; }

    // A transfer that reached the device; decides on failure and counts
    // towards an unplug.
    bool TransferFails();
    void AfterTransfer();

    // The firmware: payload holds the 63 bytes after the report ID.
    void HandleSet(uint8_t reportId, const uint8_t* payload, uint32_t now);
    void HandleGet(uint8_t reportId, uint8_t* payload) const;

    std::vector<uint8_t>& flash() { return flash_; }
    const std::vector<uint8_t>& flash() const { return flash_; }
    const std::array<uint8_t, kPageBufferSize>& pageBuffer() const { return pageBuffer_; }
    uint8_t ReadByte(uint32_t address) const;
    void WriteByte(uint32_t address, uint8_t value);

    int unit() const { return unit_; }
    // Flash content of units that were docked earlier and taken away.
    const std::vector<std::vector<uint8_t>>& retiredUnits() const { return retired_; }
    uint32_t transfers() const { return faults_.transfers(); }

private:
    enum class Step { None, ShowFlash, ShowApplication, DockRemove, DockNext };

    void Schedule(Step step, uint32_t from, uint32_t delayMs);
    void Apply(Step step, uint32_t at);
    void Show(HubMode mode);
    void LoadFreshUnit();

    void ApplicationSet(const uint8_t* payload, uint32_t now);
    void FlashSet(const uint8_t* payload, uint32_t now);
    void AnswerParameterControl(uint8_t selector);
    void AnswerReadMemory(const uint8_t* payload);
    void WriteMemory(const uint8_t* payload);
    void LoadPageBuffer(const uint8_t* payload);
    void EraseBlocks(uint32_t address, uint32_t blocks);
    void ProgramPage(uint32_t address, uint32_t length);
    void AnswerChecksum();
    void AnswerReadFlash(const uint8_t* payload);

    HubConfig config_;
    std::vector<uint8_t> initialFlash_;
    std::vector<uint8_t> flash_;
    std::vector<uint8_t> ram_;
    std::array<uint8_t, kPageBufferSize> pageBuffer_{};
    std::array<uint8_t, kPayloadSize> answer_{};
    FaultInjector faults_;
    HubMode mode_;
    uint32_t incarnation_ = 1;
    bool nodeRemoved_ = false;
    bool unplugged_ = false;
    Step pending_ = Step::None;
    uint32_t pendingFrom_ = 0;
    uint32_t pendingDelay_ = 0;
    int unit_ = 0;
    std::vector<std::vector<uint8_t>> retired_;
};

uint32_t Address24(const uint8_t* bytes);

}  // namespace nuv::sim
