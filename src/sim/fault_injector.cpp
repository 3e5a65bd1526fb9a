#include "sim/fault_injector.h"

namespace nuv::sim {

namespace {

bool EveryNth(uint32_t count, uint32_t n) { return n != 0 && count % n == 0; }

}  // namespace

FaultInjector::FaultInjector(const FaultPlan& plan, uint32_t unit)
    : plan_(plan), state_(plan.seed * 0x9E3779B97F4A7C15ull + unit) {}

bool FaultInjector::TransferFails() {
    ++transfers_;
    const bool inBurst = plan_.failBurstLength != 0 && plan_.failBurstAt != 0 &&
                         transfers_ >= plan_.failBurstAt &&
                         transfers_ - plan_.failBurstAt < plan_.failBurstLength;
    // Draw on every transfer so the pattern depends on the seed and the count only.
    const bool byRate = NextRandom() % 100 < plan_.failRatePercent;
    return EveryNth(transfers_, plan_.failEvery) || inBurst || byRate;
}

bool FaultInjector::ChecksumWrong() { return EveryNth(++checksums_, plan_.wrongChecksumEvery); }

bool FaultInjector::EchoWrong() { return EveryNth(++reads_, plan_.wrongEchoEvery); }

bool FaultInjector::PageStuck(uint32_t address) const {
    for (uint32_t page : plan_.stuckPages) {
        if (page / 1024 == address / 1024) return true;
    }
    return false;
}

// splitmix64: the same sequence on every platform and library.
uint32_t FaultInjector::NextRandom() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

}  // namespace nuv::sim
