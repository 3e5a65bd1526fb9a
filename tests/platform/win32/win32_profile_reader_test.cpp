// The shared table of tricky profile files against the system's own reader.
#include <gtest/gtest.h>

#include "platform/profile_cases.h"
#include "platform/temp_folder.h"
#include "platform/win32/win32_profile_reader.h"

namespace nuv {
namespace {

using testing::ProfileCase;
using testing::ProfileCases;
using testing::TempFolder;

class Win32ProfileReaderCases : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(Win32ProfileReaderCases, SystemReaderAgreesWithTheTable) {
    const ProfileCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.Write("DRAV.ini", c.content);
    Win32ProfileReader reader;
    EXPECT_EQ(reader.ReadString(path, c.section, c.key, c.defaultText), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Win32ProfileReaderCases, ::testing::ValuesIn(ProfileCases()),
                         [](const auto& info) { return info.param.name; });

TEST(Win32ProfileReaderTest, MissingFileGivesTheDefault) {
    TempFolder folder;
    Win32ProfileReader reader;
    EXPECT_EQ(reader.ReadString(folder.Path("missing.ini"), "MAIN", "HWID", "USB\\VID_1EE9&PID_5150"),
              "USB\\VID_1EE9&PID_5150");
}

}  // namespace
}  // namespace nuv
