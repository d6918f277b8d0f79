#include <gtest/gtest.h>

#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"
#include "support/ScratchRegistry.h"

namespace {

using Stored = std::pair<DWORD, std::string>;

Stored Raw(const std::string& task, const char* value) { return RawValue(store::TaskKey(task), value); }

TEST(TaskRecord, WritesTheSavedValuesInTheProgramsKindsAndReadsThemBack) {
    ScratchRegistry scratch;
    store::TaskRecord once{.name = "Backup", .location = "C:\\backup.exe /all", .startDate = "12/04/1998",
                           .startTime = "07:05 PM", .days = "", .runOnce = true};
    ASSERT_TRUE(store::WriteTask(store::Store::Machine, once));
    EXPECT_EQ(Raw("Backup", store::kLocation), Stored(REG_SZ, std::string("C:\\backup.exe /all\0", 19)));
    EXPECT_EQ(Raw("Backup", store::kDaysOfTheWeek), Stored(REG_SZ, std::string("\0", 1)));
    EXPECT_EQ(Raw("Backup", store::kRunOnce), Stored(REG_DWORD, std::string(4, '\xFF')));

    ASSERT_TRUE(store::WriteTaskPaused(store::Store::Machine, "Backup", true));
    ASSERT_TRUE(store::WriteTaskLastRan(store::Store::Machine, "Backup", "On 12/4/98 at 7:05:23 PM"));
    // Saved again as a weekly task: the pause mark and the stamp stay.
    ASSERT_TRUE(store::WriteTask(store::Store::Machine, {.name = "Backup", .location = "C:\\b.exe", .startDate = "01/02/2003",
                                  .startTime = "09:30 AM", .days = "Fri,Mon"}));
    store::TaskRecord read = store::ReadTask(store::Store::Machine, "Backup");
    EXPECT_EQ(read.location + "|" + read.startDate + "|" + read.startTime + "|" + read.days + "|" + read.lastRan,
              "C:\\b.exe|01/02/2003|09:30 AM|Fri,Mon|On 12/4/98 at 7:05:23 PM");
    EXPECT_FALSE(read.runOnce);
    EXPECT_TRUE(read.paused);
    EXPECT_EQ(Raw("Backup", store::kRunOnce), Stored(REG_DWORD, std::string(4, '\0')));

    EXPECT_TRUE(store::DeleteTaskRecord(store::Store::Machine, "Backup"));
    read = store::ReadTask(store::Store::Machine, "Backup");
    EXPECT_TRUE(read.location.empty() && read.lastRan.empty() && !read.paused && !read.runOnce);
}

// A pause mark or a stamp goes only into a record that exists, and an empty name
// (which would address the tasks key itself) writes and deletes nothing.
TEST(TaskRecord, AMarkForATaskThatIsGoneAndAnEmptyNameAreRefused) {
    ScratchRegistry scratch;
    CreateKey(HKEY_LOCAL_MACHINE, store::TaskKey("Keep"));
    EXPECT_FALSE(store::WriteTaskPaused(store::Store::Machine, "Nobody", true));
    EXPECT_FALSE(store::WriteTaskLastRan(store::Store::Machine, "Nobody", "On 12/4/98 at 7:05:23 PM"));
    EXPECT_FALSE(KeyExists(store::TaskKey("Nobody")));
    EXPECT_FALSE(store::WriteTask(store::Store::Machine, {.name = "", .location = "job.exe"}));
    EXPECT_FALSE(store::DeleteTaskRecord(store::Store::Machine, ""));
    EXPECT_EQ(ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey), std::vector<std::string>{"Keep"});
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kLocation).IsEmpty());
}

}  // namespace
