#include <gtest/gtest.h>

#include "store/RegistrySets.h"
#include "store/StoreAccess.h"
#include "store/StoreLayout.h"
#include "support/ScratchRegistry.h"

// Reads of a store this user may only read are shown by the start-up test; here, what
// counts as writable, and opening the store to the Users group.
TEST(StoreAccess, OnlyAStoreThisUserMayChangeIsWritableAndItOpensToUsers) {
    ScratchRegistry scratch;
    const HKEY root = HKEY_LOCAL_MACHINE;
    CreateKey(root, store::TaskKey("Backup"));
    WriteKeyValue(root, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
    {
        ReadOnlyKeys readOnly({store::kProgramKey, store::kTasksKey, store::TaskKey("Backup")});
        EXPECT_EQ(ERROR_ACCESS_DENIED, WriteKeyValueStatus(root, store::kProgramKey, store::kDrives,
                                                           RegValue::Text("D: "), REG_SZ));
        EXPECT_FALSE(DeleteKeyValue(root, store::kProgramKey, store::kDrives));
        EXPECT_EQ("C: ", ReadKeyValue(root, store::kProgramKey, store::kDrives).AsText());
        EXPECT_EQ(ERROR_ACCESS_DENIED, store::StoreWriteStatus());
        EXPECT_FALSE(store::UsersMayWrite(store::kProgramKey));
    }
    ASSERT_EQ(ERROR_SUCCESS, store::StoreWriteStatus());
    ASSERT_TRUE(store::OpenStoreToUsers());
    for (const std::string& key : {std::string(store::kProgramKey), std::string(store::kTasksKey), store::TaskKey("Backup")})
        EXPECT_TRUE(store::UsersMayWrite(key)) << key;
    EXPECT_FALSE(store::UsersMayWrite("SOFTWARE\\NoSuchKey"));
}
