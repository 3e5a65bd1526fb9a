#include <gtest/gtest.h>

#include "platform/ini_profile_reader.h"
#include "platform/profile_cases.h"
#include "platform/temp_folder.h"

namespace nuv {
namespace {

using testing::ProfileCase;
using testing::ProfileCases;
using testing::TempFolder;

class ProfileReaderCases : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileReaderCases, ReadsFileAsWindowsDoes) {
    const ProfileCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.Write("DRAV.ini", c.content);
    IniProfileReader reader;
    EXPECT_EQ(reader.ReadString(path, c.section, c.key, c.defaultText), c.expected);
    EXPECT_EQ(LookUpProfileString(c.content, c.section, c.key, c.defaultText), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileReaderCases, ::testing::ValuesIn(ProfileCases()),
                         [](const auto& info) { return info.param.name; });

TEST(ProfileReader, UnreadableFileGivesDefault) {
    TempFolder folder;
    IniProfileReader reader;
    EXPECT_EQ(reader.ReadString(folder.Path("missing.ini"), "A", "K", "dflt"), "dflt");
    EXPECT_EQ(reader.ReadString(folder.path(), "A", "K", "dflt"), "dflt");
}

TEST(ProfileReader, OwnReaderSurvivesOddContent) {
    // Bytes a file may hold that no Windows case above pins down: our reader
    // must neither crash nor run past the text.
    const std::string content = std::string("[A]\r\nK=a\0b\r\n[B", 14) + "\r\nJ=\"";
    EXPECT_EQ(LookUpProfileString(content, "A", "K", "d"), "a");
    EXPECT_EQ(LookUpProfileString(content, "B", "J", "d"), "d");
    EXPECT_EQ(LookUpProfileString("[A]\rK=cr\rJ=1", "A", "K", "d"), "cr");
    EXPECT_EQ(LookUpProfileString("[A]\r\n K\r\nK=2\r\n", "A", "K", "d"), "d");
    EXPECT_EQ(LookUpProfileString("[A]\r\n=v\r\n", "A", "", "d"), "d");
}

}  // namespace
}  // namespace nuv
