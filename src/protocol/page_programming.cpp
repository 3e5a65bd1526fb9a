#include "protocol/page_programming.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "app/program.h"
#include "protocol/flash_requests.h"

namespace nuv {

namespace {

constexpr uint8_t kErased = 0xFF;

int32_t RequestsFor(int32_t length, int32_t unit) {
    return length <= 0 ? 0 : static_cast<int32_t>((int64_t{length} + unit - 1) / unit);
}

void ShowProgress(Program& program, int64_t done, int64_t total) {
    program.form.progressPosition = static_cast<int>(done * 100 / total);
    program.host.loop.HandlePendingEvents();
}

bool IsErased(const uint8_t* bytes, int32_t count) {
    return std::all_of(bytes, bytes + count, [](uint8_t b) { return b == kErased; });
}

// Loads one page (count bytes, at most a page) in load chunks.
bool LoadPage(Program& program, const uint8_t* page, int32_t count) {
    bool allSent = true;
    for (int32_t offset = 0; offset < count; offset += kLoadChunk) {
        const auto chunk = static_cast<uint8_t>(std::min(kLoadChunk, count - offset));
        allSent &= LoadPageBuffer(program, static_cast<uint16_t>(offset), chunk, page + offset);
    }
    return allSent;
}

}  // namespace

bool ProgramPages(Program& program, uint32_t address, int32_t length, const uint8_t* data) {
    const int32_t pages = RequestsFor(length, kPageSize);
    bool allSent = true;
    for (int32_t i = 0; i < pages; ++i) {
        ShowProgress(program, int64_t{i} + 1, pages);
        const int64_t start = int64_t{i} * kPageSize;
        const auto count = static_cast<int32_t>(std::min<int64_t>(length - start, kPageSize));
        const uint8_t* page = data + start;
        if (IsErased(page, count)) continue;

        allSent &= ClearPageBuffer(program);
        allSent &= LoadPage(program, page, count);
        if (VerifyPageBuffer(program) != 0) return false;
        allSent &= ProgramPage(program, address + static_cast<uint32_t>(start), kPageSize);
    }
    return allSent;
}

int32_t VerifyPageBuffer(Program& program) {
    const PageBufferSum device = PageBufferChecksum(program);
    const PageMirror& mirror = program.pageMirror;
    const auto host = static_cast<uint16_t>(std::accumulate(mirror.begin(), mirror.end(), 0u));
    const int32_t difference = int32_t{host} - int32_t{device.sum};
    if (difference != 0) {
        char text[96];
        std::snprintf(text, sizeof text, "Checksum0: %d(%Xh)\nChecksum1: %d(%Xh)\n", int{host},
                      unsigned{host}, int{device.sum}, unsigned{device.sum});
        program.host.system.WriteStdout(text);
    }
    return difference;
}

bool ReadFlashRange(Program& program, uint32_t address, int32_t length, uint8_t* destination) {
    const int32_t total = RequestsFor(length, kReadChunk);
    bool allRead = true;
    int32_t offset = 0;
    int32_t remaining = length;
    for (int32_t request = 1; remaining > kReadChunk; ++request) {
        ShowProgress(program, request, total);
        allRead &= ReadFlash(program, address + static_cast<uint32_t>(offset), kReadChunk,
                             destination + offset);
        offset += kReadChunk;
        remaining -= kReadChunk;
    }
    if (remaining > 0)
        allRead &= ReadFlash(program, address + static_cast<uint32_t>(offset),
                             static_cast<uint8_t>(remaining), destination + offset);
    return allRead;
}

}  // namespace nuv
