// Decides, deterministically, which transfers and answers of one device go wrong.
#pragma once

#include <cstdint>

#include "sim/hub_config.h"

namespace nuv::sim {

class FaultInjector {
public:
    explicit FaultInjector(const FaultPlan& plan, uint32_t unit = 0);

    // Counts one transfer and tells whether it fails.
    bool TransferFails();
    // Counts one page-buffer sum request and tells whether its answer is off.
    bool ChecksumWrong();
    // Counts one memory read and tells whether its address echo is wrong.
    bool EchoWrong();
    bool PageStuck(uint32_t address) const;

    uint32_t transfers() const { return transfers_; }

private:
    uint32_t NextRandom();

    FaultPlan plan_;
    uint64_t state_;
    uint32_t transfers_ = 0;
    uint32_t checksums_ = 0;
    uint32_t reads_ = 0;
};

}  // namespace nuv::sim
