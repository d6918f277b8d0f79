#include <gtest/gtest.h>

#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/Stores.h"
#include "support/ScratchRegistry.h"

namespace {

RegValue Stored(HKEY root, const char* key, const char* name) { return ReadKeyValue(root, key, name); }

TEST(Stores, SettingsAreReadUserFirstAndWrittenToTheMachineOnlyWhereThisUserMayChangeIt) {
    ScratchRegistry scratch;
    ASSERT_TRUE(store::MayWriteMachineStore());
    // An administrator's write reaches every user, and their own older value no longer hides it.
    CreateKey(HKEY_CURRENT_USER, store::kProgramKey);
    WriteKeyValue(HKEY_CURRENT_USER, store::kProgramKey, store::kRemoteIP, RegValue::Text("old"), REG_SZ);
    EXPECT_EQ(ERROR_SUCCESS, store::WriteSetting(store::kRemoteIP, RegValue::Text("server"), REG_SZ));
    EXPECT_EQ("server", Stored(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRemoteIP).AsText());
    EXPECT_EQ("server", store::ReadSetting(store::kRemoteIP).AsText());

    ReadOnlyKeys readOnly({store::kProgramKey});
    EXPECT_FALSE(store::MayWriteMachineStore());
    EXPECT_EQ(store::Store::User, store::WritableStore());
    DeleteKeyTree(HKEY_CURRENT_USER, "SOFTWARE\\Halvern");  // this user's store is made by the first write
    EXPECT_EQ(ERROR_SUCCESS, store::WriteSetting(store::kRemoteIP, RegValue::Text("mine"), REG_SZ));
    EXPECT_EQ("mine", Stored(HKEY_CURRENT_USER, store::kProgramKey, store::kRemoteIP).AsText());
    EXPECT_EQ("server", Stored(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRemoteIP).AsText());
    EXPECT_EQ("mine", store::ReadSetting(store::kRemoteIP).AsText());
}

}  // namespace
