#include <gtest/gtest.h>

#include "platform/ErrorText.h"
#include "store/RegistrySets.h"
#include "store/StoreAccess.h"
#include "store/StoreLayout.h"
#include "support/ScratchRegistry.h"

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;

class StoreAccessTest : public ::testing::Test {
protected:
    StoreAccessTest() {
        CreateKey(kRoot, store::TaskKey("Backup"));
        WriteKeyValue(kRoot, store::TaskKey("Backup"), store::kLocation, RegValue::Text("C:\\b.exe"), REG_SZ);
        WriteKeyValue(kRoot, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
    }

    ScratchRegistry scratch_;
};

TEST_F(StoreAccessTest, AStoreThisUserMayOnlyReadIsStillReadButNoWriteGoesThrough) {
    ReadOnlyKeys readOnly({store::kProgramKey, store::kTasksKey, store::TaskKey("Backup")});

    EXPECT_EQ("C:\\b.exe", ReadKeyValue(kRoot, store::TaskKey("Backup"), store::kLocation).AsText());
    EXPECT_EQ("C: ", ReadKeyValue(kRoot, store::kProgramKey, store::kDrives).AsText());
    EXPECT_EQ(std::vector<std::string>{"Backup"}, ListSubKeys(kRoot, store::kTasksKey));

    EXPECT_EQ(ERROR_ACCESS_DENIED, WriteKeyValueStatus(kRoot, store::kProgramKey, store::kDrives,
                                                       RegValue::Text("D: "), REG_SZ));
    WriteKeyValue(kRoot, store::TaskKey("Backup"), store::kLocation, RegValue::Text("C:\\x.exe"), REG_SZ);
    EXPECT_FALSE(DeleteKeyValue(kRoot, store::kProgramKey, store::kDrives));
    EXPECT_EQ("C: ", ReadKeyValue(kRoot, store::kProgramKey, store::kDrives).AsText());
    EXPECT_EQ("C:\\b.exe", ReadKeyValue(kRoot, store::TaskKey("Backup"), store::kLocation).AsText());

    EXPECT_EQ(ERROR_ACCESS_DENIED, store::StoreWriteStatus());
    EXPECT_FALSE(store::UsersMayWrite(store::kProgramKey));
    std::string notice = store::ReadOnlyStoreNotice(ERROR_ACCESS_DENIED);
    EXPECT_NE(std::string::npos, notice.find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Halvern\\Vantro"));
    EXPECT_NE(std::string::npos, notice.find(SystemMessageText(ERROR_ACCESS_DENIED)));
    EXPECT_NE(std::string::npos, notice.find("run the Vantro installer, or start Vantro once as administrator"));
}

TEST_F(StoreAccessTest, OpeningTheStoreToUsersCoversEveryKey) {
    ASSERT_EQ(ERROR_SUCCESS, store::StoreWriteStatus());
    ASSERT_TRUE(store::OpenStoreToUsers());
    for (const std::string& key : {std::string(store::kProgramKey), std::string(store::kTasksKey), store::TaskKey("Backup")})
        EXPECT_TRUE(store::UsersMayWrite(key)) << key;
    EXPECT_FALSE(store::UsersMayWrite("SOFTWARE\\NoSuchKey"));
}

}  // namespace
