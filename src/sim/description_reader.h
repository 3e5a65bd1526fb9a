// Strict reading of the values of one section of a simulated-device
// description; the first bad value leaves one error line.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace nuv::sim {

class DescriptionReader {
public:
    DescriptionReader(const std::string& file, const std::string& content, std::string section)
        : file_(file), content_(content), section_(std::move(section)) {}

    // Each leaves out untouched when the key is missing or empty, and returns
    // false (with the error set) when the value is malformed or out of range.
    bool Number(const char* key, uint32_t low, uint32_t high, uint32_t& out);
    template <typename T>
    bool Number(const char* key, uint32_t low, uint32_t high, T& out) {
        uint32_t value = out;
        if (!Number(key, low, high, value)) return false;
        out = static_cast<T>(value);
        return true;
    }
    bool Flag(const char* key, bool& out);
    bool Choice(const char* key, std::initializer_list<std::pair<const char*, int>> choices, int& out);
    bool Numbers(const char* key, uint32_t high, std::vector<uint32_t>& out);
    std::string Text(const char* key) const;

    // Sets the error for a value that is well formed but does not fit.
    bool Refuse(const char* key, const std::string& why);
    const std::string& error() const { return error_; }
    const std::string& section() const { return section_; }

private:
    const std::string& file_;
    const std::string& content_;
    std::string section_;
    std::string error_;
};

// Decimal or 0x-prefixed hexadecimal, no sign, at most 32 bits.
bool ParseDescriptionNumber(const std::string& text, uint32_t& value);

// Lines of a known section whose key is not among the known keys: the first
// such line as "[SECTION] KEY=VALUE", or empty.
std::string FindUnknownKey(const std::string& content, const std::string& sectionPrefix,
                           const std::vector<std::string>& knownKeys);

// Names of the sections in the content, upper-cased, in file order.
std::vector<std::string> SectionNames(const std::string& content);

std::string DescriptionErrorLine(const std::string& file, const std::string& what);

}  // namespace nuv::sim
