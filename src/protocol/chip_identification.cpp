#include "protocol/chip_identification.h"

#include <array>

#include "app/program.h"
#include "protocol/memory_reads.h"

namespace nuv {

ChipClass ChipClassOf(uint8_t b0, uint8_t b1, uint8_t b2) {
    const uint8_t series = b1 & 0xF0;
    if (b0 == 0x89 && series == 0x10 && b2 >= 3) return 1;
    if (b0 == 0x81 && series == 0x70) return 2;
    if (b0 == 0x82 && series == 0x90) return 3;
    return 0;
}

ChipClass IdentifyChip(Program& program, int32_t way) {
    std::array<uint8_t, 3> id{};
    bool read = false;
    if (way == 1) read = ReadMemoryBlock(program, kIdentificationAddress, id.size(), id.data());
    if (way == 2) read = ReadIdentification(program, kIdentificationAddress, id.data());
    if (!read) id.fill(0);
    return ChipClassOf(id[0], id[1], id[2]);
}

}  // namespace nuv
