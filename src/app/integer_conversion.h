// Strict text-to-integer conversion of configuration values.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace nuv {

// Raised for a present but malformed number; the window framework shows it.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid integer value") {}
};

// Optional leading blanks, an optional sign, then decimal digits or hexadecimal
// digits after "$", "x" or "0x"; nothing may follow. Hexadecimal up to FFFFFFFF
// wraps into the negative range; decimal must fit 32 bits.
int32_t ConvertToInteger(const std::string& text);

}  // namespace nuv
