#include "app/integer_conversion.h"

#include <cstddef>
#include <optional>

namespace nuv {

namespace {

std::optional<unsigned> DigitValue(char c, unsigned base) {
    unsigned value = 0;
    if (c >= '0' && c <= '9')
        value = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f')
        value = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        value = static_cast<unsigned>(c - 'A' + 10);
    else
        return std::nullopt;
    if (value >= base) return std::nullopt;
    return value;
}

// Length of the hexadecimal prefix at pos, 0 when the digits are decimal.
std::size_t HexPrefixLength(const std::string& text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X') return 1;
    if (text[pos] == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X'))
        return 2;
    return 0;
}

}  // namespace

int32_t ConvertToInteger(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::size_t prefix = HexPrefixLength(text, pos);
    const unsigned base = prefix ? 16 : 10;
    pos += prefix;
    if (pos >= text.size()) throw ConversionError(text);

    // The magnitude may reach 2^32 - 1 (hexadecimal) or 2^31 (negative decimal).
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const std::optional<unsigned> digit = DigitValue(text[pos], base);
        if (!digit) throw ConversionError(text);
        magnitude = magnitude * base + *digit;
        if (magnitude > limit) throw ConversionError(text);
    }
    const uint32_t bits = static_cast<uint32_t>(negative ? 0 - magnitude : magnitude);
    return static_cast<int32_t>(bits);
}

}  // namespace nuv
