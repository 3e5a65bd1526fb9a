#include "sim/hub_config.h"

namespace nuv::sim {

HubConfig DefaultHubConfig(Family family, HubMode mode) {
    HubConfig config;
    config.family = family;
    config.mode = mode;
    switch (family) {
        case Family::Default: config.identification = {0x81, 0x75, 0x00}; break;
        case Family::FF85: config.identification = {0x82, 0x95, 0x00}; break;
        case Family::FF89: config.identification = {0x89, 0x12, 0x03}; break;
        case Family::FF52: config.identification = {0x52, 0x01, 0x00}; break;
    }
    return config;
}

UsagePair ApplicationUsage(const HubConfig& config) {
    switch (config.family) {
        case Family::FF85: return {0xFF85, 0x95};
        case Family::FF89: return {0xFF89, 0x10};
        case Family::FF52: return {0xFF52, 0x12};
        case Family::Default: break;
    }
    return {0xFF83, 0x80};
}

UsagePair FlashUsage(const HubConfig& config) {
    switch (config.family) {
        case Family::FF89: return {0xFF89, 0xDB};
        case Family::FF52: return {0xFF52, 0xDB};
        case Family::Default:
        case Family::FF85: break;
    }
    return {0xFF83, config.flashUsage};
}

}  // namespace nuv::sim
