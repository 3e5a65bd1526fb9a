// The version record written into the registry of the host (under Wine: the
// test's own prefix) and read back with the registry's own reader.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/registry_record_store.h"

namespace nuv {
namespace {

const char* const kKey = "SOFTWARE\\NUV\\DRAV";

// The value and its type as the registry holds them; empty type: none.
struct StoredValue {
    DWORD type = REG_NONE;
    std::string text;
};

StoredValue ReadBack(const char* key, const char* name) {
    StoredValue stored;
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_ANY | RRF_NOEXPAND, &stored.type,
                       buffer, &size) == ERROR_SUCCESS)
        stored.text.assign(buffer, size > 0 ? size - 1 : 0);
    return stored;
}

void DeleteKey(const char* key) { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, key); }

TEST(RegistryRecordStoreTest, WritesStringValueCreatingTheKey) {
    DeleteKey("SOFTWARE\\NUV");
    RegistryRecordStore store;
    for (const std::string version : {"SH-2.15", "", "8bit \xE9 text"}) {
        std::string reason = "untouched";
        ASSERT_TRUE(store.WriteString(kKey, "FWVer", version, reason)) << reason;
        EXPECT_EQ(reason, "untouched");
        const StoredValue stored = ReadBack(kKey, "FWVer");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored.text, version);
    }
    DeleteKey("SOFTWARE\\NUV");
}

TEST(RegistryRecordStoreTest, FailureNamesTheSystemReason) {
    // A key name longer than the registry allows for one component.
    const std::string tooLong = "SOFTWARE\\NUV\\" + std::string(300, 'k');
    RegistryRecordStore store;
    std::string reason;
    EXPECT_FALSE(store.WriteString(tooLong, "FWVer", "x", reason));
    EXPECT_NE(reason.find("(error "), std::string::npos) << reason;
    EXPECT_GT(reason.size(), std::string("(error 87)").size()) << "no system text: " << reason;
    DeleteKey("SOFTWARE\\NUV");
}

}  // namespace
}  // namespace nuv
