#include "sim/sim_device.h"

#include <algorithm>

namespace nuv::sim {

uint32_t Address24(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16;
}

SimDevice::SimDevice(HubConfig config)
    : config_(std::move(config)), faults_(config_.faults), mode_(config_.mode) {
    config_.flashSize = std::max<uint32_t>(config_.flashSize, static_cast<uint32_t>(config_.flash.size()));
    initialFlash_ = config_.flash;
    initialFlash_.resize(config_.flashSize, 0xFF);
    LoadFreshUnit();
}

void SimDevice::LoadFreshUnit() {
    flash_ = initialFlash_;
    ram_.assign(config_.ramSize, 0);
    pageBuffer_.fill(0xFF);
    answer_.fill(0);
}

UsagePair SimDevice::CurrentUsage() const {
    return mode_ == HubMode::Flash ? FlashUsage(config_) : ApplicationUsage(config_);
}

uint16_t SimDevice::CurrentProductId() const {
    return mode_ == HubMode::Flash ? config_.flashProductId : config_.productId;
}

uint16_t SimDevice::CurrentRevision() const {
    return mode_ == HubMode::Flash ? config_.flashRevision : config_.revision;
}

void SimDevice::Update(uint32_t now) {
    // Unsigned differences keep this right across a wrap of the tick counter.
    while (pending_ != Step::None && now - pendingFrom_ >= pendingDelay_) {
        const Step step = pending_;
        const uint32_t at = pendingFrom_ + pendingDelay_;
        pending_ = Step::None;
        Apply(step, at);
    }
}

void SimDevice::Schedule(Step step, uint32_t from, uint32_t delayMs) {
    pending_ = step;
    pendingFrom_ = from;
    pendingDelay_ = delayMs;
}

void SimDevice::Apply(Step step, uint32_t at) {
    switch (step) {
        case Step::ShowFlash: Show(HubMode::Flash); break;
        case Step::ShowApplication:
            Show(HubMode::Application);
            if (config_.faults.dockRemoveAfterMs != 0) {
                Schedule(Step::DockRemove, at, config_.faults.dockRemoveAfterMs);
            }
            break;
        case Step::DockRemove:
            Show(HubMode::Absent);
            retired_.push_back(flash_);
            if (static_cast<uint32_t>(unit_) + 1 < config_.faults.dockUnits) {
                Schedule(Step::DockNext, at, config_.faults.dockNextAfterMs);
            }
            break;
        case Step::DockNext:
            ++unit_;
            faults_ = FaultInjector(config_.faults, static_cast<uint32_t>(unit_));
            LoadFreshUnit();
            Show(HubMode::Application);
            break;
        case Step::None: break;
    }
}

void SimDevice::Show(HubMode mode) {
    if (unplugged_) mode = HubMode::Absent;
    mode_ = mode;
    nodeRemoved_ = false;
    ++incarnation_;
}

void SimDevice::SetMode(HubMode mode) {
    pending_ = Step::None;
    unplugged_ = false;
    Show(mode);
}

void SimDevice::RemoveNode() {
    nodeRemoved_ = true;
    ++incarnation_;   // open handles die with the node
}

bool SimDevice::TransferFails() { return faults_.TransferFails(); }

void SimDevice::AfterTransfer() {
    const uint32_t limit = config_.faults.unplugAfter;
    if (limit != 0 && faults_.transfers() >= limit && !unplugged_) {
        pending_ = Step::None;
        Show(HubMode::Absent);
        unplugged_ = true;
    }
}

uint8_t SimDevice::ReadByte(uint32_t address) const {
    if (address < flash_.size()) return flash_[address];
    if (address >= config_.ramAddress && address - config_.ramAddress < ram_.size()) {
        return ram_[address - config_.ramAddress];
    }
    if (address >= kIdentificationAddress && address - kIdentificationAddress < 3) {
        return config_.identification[address - kIdentificationAddress];
    }
    return 0;
}

// The application firmware's own writer: flash bytes are replaced, not ANDed.
void SimDevice::WriteByte(uint32_t address, uint8_t value) {
    if (address < flash_.size()) {
        flash_[address] = value;
    } else if (address >= config_.ramAddress && address - config_.ramAddress < ram_.size()) {
        ram_[address - config_.ramAddress] = value;
    }
}

}  // namespace nuv::sim
