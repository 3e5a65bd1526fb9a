// The two firmwares of a simulated device: the application firmware, which
// echoes what it does not understand, and the flash mode with its page buffer.
#include <algorithm>

#include "sim/sim_device.h"

namespace nuv::sim {

namespace {

constexpr int kMaxReadCount = kPayloadSize - 5;   // answer bytes after opcode, address and count

uint16_t Le16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

void PutAddress24(uint8_t* bytes, uint32_t address) {
    bytes[0] = static_cast<uint8_t>(address);
    bytes[1] = static_cast<uint8_t>(address >> 8);
    bytes[2] = static_cast<uint8_t>(address >> 16);
}

}  // namespace

void SimDevice::HandleSet(uint8_t reportId, const uint8_t* payload, uint32_t now) {
    if (mode_ == HubMode::Application && reportId == config_.reportId) {
        ApplicationSet(payload, now);
    } else if (mode_ == HubMode::Flash && reportId == 0) {
        FlashSet(payload, now);
    }
    // Reports on any other ID are accepted and ignored.
}

void SimDevice::HandleGet(uint8_t reportId, uint8_t* payload) const {
    const bool answered = (mode_ == HubMode::Application && reportId == config_.reportId) ||
                          (mode_ == HubMode::Flash && reportId == 0);
    if (answered) {
        std::copy(answer_.begin(), answer_.end(), payload);
    } else {
        std::fill(payload, payload + kPayloadSize, 0);
    }
}

void SimDevice::ApplicationSet(const uint8_t* payload, uint32_t now) {
    std::copy(payload, payload + kPayloadSize, answer_.begin());   // the echo
    switch (payload[0]) {
        case 0x09:
            if (config_.faults.noFlashEntry) break;
            Show(HubMode::Absent);
            Schedule(Step::ShowFlash, now, config_.flashEntryDelayMs);
            break;
        case 0x02: AnswerParameterControl(payload[1]); break;
        case 0x05:
        case 0x07: AnswerReadMemory(payload); break;
        case 0x06:
        case 0x08: WriteMemory(payload); break;
        default: break;
    }
}

void SimDevice::FlashSet(const uint8_t* payload, uint32_t now) {
    std::copy(payload, payload + kPayloadSize, answer_.begin());
    switch (payload[0]) {
        case 0xC0: pageBuffer_.fill(0xFF); break;
        case 0xC1: LoadPageBuffer(payload); break;
        case 0xC2: EraseBlocks(Address24(payload + 1), Le16(payload + 4)); break;
        case 0xC3: ProgramPage(Address24(payload + 1), Le16(payload + 4)); break;
        case 0xC4:
            Show(HubMode::Absent);
            if (!config_.faults.noReturn) Schedule(Step::ShowApplication, now, config_.returnDelayMs);
            break;
        case 0xD0: AnswerChecksum(); break;
        case 0xD1: AnswerReadFlash(payload); break;
        case 0x05:
        case 0x07: AnswerReadMemory(payload); break;
        default: break;
    }
}

void SimDevice::AnswerParameterControl(uint8_t selector) {
    const uint32_t length = config_.parameterLength;
    if (selector == 1) {
        for (uint32_t i = 0; i < length; ++i) {
            WriteByte(config_.parameterFlashAddress + i, ReadByte(config_.parameterBufferAddress + i));
        }
    }
    answer_.fill(0);
    answer_[0] = 0x02;
    answer_[1] = selector;
    PutAddress24(&answer_[2], config_.parameterFlashAddress);
    PutAddress24(&answer_[5], config_.parameterBufferAddress);
    answer_[8] = static_cast<uint8_t>(length);
}

void SimDevice::AnswerReadMemory(const uint8_t* payload) {
    const uint32_t address = Address24(payload + 1);
    const int count = std::min<int>(payload[4], kMaxReadCount);
    answer_.fill(0);
    std::copy(payload, payload + 5, answer_.begin());
    if (faults_.EchoWrong()) answer_[1] = static_cast<uint8_t>(answer_[1] + 1);
    for (int i = 0; i < count; ++i) answer_[5 + i] = ReadByte(address + static_cast<uint32_t>(i));
}

void SimDevice::WriteMemory(const uint8_t* payload) {
    const uint32_t address = Address24(payload + 1);
    const int count = std::min<int>(payload[4], kMaxReadCount);
    for (int i = 0; i < count; ++i) WriteByte(address + static_cast<uint32_t>(i), payload[5 + i]);
}

void SimDevice::LoadPageBuffer(const uint8_t* payload) {
    const uint32_t offset = Le16(payload + 1);
    const uint32_t count = std::min<uint32_t>(payload[3], kPayloadSize - 4);
    // Bytes that would fall beyond the page buffer are dropped.
    for (uint32_t i = 0; i < count && offset + i < kPageBufferSize; ++i) {
        pageBuffer_[offset + i] = payload[4 + i];
    }
}

void SimDevice::EraseBlocks(uint32_t address, uint32_t blocks) {
    const uint64_t start = address & ~0x3FFu;
    const uint64_t end = std::min<uint64_t>(start + uint64_t{blocks} * kPageBufferSize, flash_.size());
    for (uint64_t i = start; i < end; ++i) flash_[i] = 0xFF;
}

// Programming can only clear bits: unerased flash keeps the AND of old and new.
void SimDevice::ProgramPage(uint32_t address, uint32_t length) {
    if (faults_.PageStuck(address)) return;
    const uint32_t n = std::min<uint32_t>(length, kPageBufferSize);
    for (uint32_t i = 0; i < n && uint64_t{address} + i < flash_.size(); ++i) {
        flash_[address + i] &= pageBuffer_[i];
    }
}

void SimDevice::AnswerChecksum() {
    uint16_t sum = 0;
    for (uint8_t byte : pageBuffer_) sum = static_cast<uint16_t>(sum + byte);
    if (faults_.ChecksumWrong()) sum = static_cast<uint16_t>(sum + 1);
    answer_.fill(0);
    answer_[0] = 0xD0;
    answer_[1] = static_cast<uint8_t>(sum);
    answer_[2] = static_cast<uint8_t>(sum >> 8);
}

void SimDevice::AnswerReadFlash(const uint8_t* payload) {
    const uint32_t address = Address24(payload + 1);
    const int count = std::min<int>(payload[4], kMaxReadCount);
    answer_.fill(0);
    std::copy(payload, payload + 5, answer_.begin());
    for (int i = 0; i < count; ++i) {
        const uint64_t at = uint64_t{address} + static_cast<uint32_t>(i);
        answer_[5 + i] = at < flash_.size() ? flash_[at] : 0xFF;
    }
}

}  // namespace nuv::sim
