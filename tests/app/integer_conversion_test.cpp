#include <gtest/gtest.h>

#include "app/integer_conversion.h"

namespace nuv {
namespace {

TEST(IntegerConversion, AcceptsDecimalAndHexadecimalForms) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},           {"500", 500},           {"   500", 500},       {"+7", 7},
        {"-12", -12},       {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"$5A", 0x5A},      {"x5a", 0x5A},          {"X5A", 0x5A},        {"0x5150", 0x5150},
        {"0X5150", 0x5150}, {"-$10", -16},          {"$FFFFFFFF", -1},    {"0x80000000", INT32_MIN},
        {"007", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(ConvertToInteger(c.text), c.value) << c.text;
}

TEST(IntegerConversion, RefusesMalformedTextNamingIt) {
    const char* cases[] = {"",    " ",      "-",    "$",          "0x",          "12 ",
                           "1a",  "5A",     "1.5",  "0x0x5150",   "2147483648",  "-2147483649",
                           "$100000000", "+-1", "\t5", "0b101"};
    for (const char* text : cases) {
        try {
            ConvertToInteger(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

}  // namespace
}  // namespace nuv
