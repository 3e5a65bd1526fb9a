#include <gtest/gtest.h>

#include "platform/file_record_store.h"
#include "platform/temp_folder.h"

namespace nuv {
namespace {

using testing::TempFolder;

TEST(FileRecordStore, KeepsEachValueAsAFileUnderItsKeyFolders) {
    TempFolder folder;
    FileRecordStore store(folder.Path("HKLM"));
    std::string reason;
    ASSERT_TRUE(store.WriteString("SOFTWARE\\NUV\\DRAV", "FWVer", "a longer first version", reason)) << reason;
    ASSERT_TRUE(store.WriteString("SOFTWARE\\NUV\\DRAV", "FWVer", "1.07\n", reason)) << reason;
    EXPECT_EQ(folder.Read("HKLM/SOFTWARE/NUV/DRAV/FWVer"), "1.07\n");
    ASSERT_TRUE(store.WriteString("SOFTWARE\\NUV\\DRAV", "FWVer", "", reason));
    EXPECT_TRUE(folder.Exists("HKLM/SOFTWARE/NUV/DRAV/FWVer"));
    EXPECT_EQ(folder.Read("HKLM/SOFTWARE/NUV/DRAV/FWVer"), "");
}

TEST(FileRecordStore, RefusesWhatItCannotStoreWithAReason) {
    TempFolder folder;
    folder.Write("blocked", "a file where a key folder should go");
    const struct {
        std::string root, key, value;
    } cases[] = {
        {folder.Path("HKLM"), "SOFTWARE\\..\\..\\x", "FWVer"},
        {folder.Path("HKLM"), "SOFTWARE\\\\NUV", "FWVer"},
        {folder.Path("HKLM"), "SOFTWARE\\NUV", "a/b"},
        {folder.Path("blocked"), "SOFTWARE\\NUV\\DRAV", "FWVer"},
    };
    for (const auto& c : cases) {
        FileRecordStore store(c.root);
        std::string reason;
        EXPECT_FALSE(store.WriteString(c.key, c.value, "v", reason)) << c.key;
        EXPECT_FALSE(reason.empty());
    }
    EXPECT_FALSE(folder.Exists("x"));
}

}  // namespace
}  // namespace nuv
