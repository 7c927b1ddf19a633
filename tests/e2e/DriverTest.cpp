// The driver's own failure reports: a test that cannot start the program must
// say why, and stop waiting for a window that cannot come.
#include <gtest/gtest.h>

#include "tools/driver/Driver.h"

namespace ventro::e2e {

TEST(DriverTest, AProgramThatCannotStartIsToldWithTheErrorAndNotWaitedFor)
{
    driver::TempFolder folder;
    // The program cannot be copied into a folder that does not exist, so every
    // attempt to start it there fails.
    driver::AppProcess app(folder.File(L"missing"));
    EXPECT_FALSE(app.Running());
    EXPECT_EQ(app.WaitForWindow(L"any", std::chrono::minutes(5)), nullptr);
    std::wstring told = app.Describe();
    EXPECT_NE(told.find(L"a start failed with error"), std::wstring::npos) << told;
    EXPECT_NE(told.find(L"the program never started"), std::wstring::npos) << told;
}

TEST(DriverTest, AProgramThatEndedIsToldWithItsExitCode)
{
    driver::TempFolder folder;
    driver::AppProcess app(folder.Path());
    ASSERT_TRUE(app.Running()) << app.Describe();
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, app.ProcessId());
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 0xC0000005);
    CloseHandle(process);
    ASSERT_TRUE(driver::WaitUntil([&] { return !app.Running(); }));
    EXPECT_EQ(app.WaitForWindow(L"any", std::chrono::minutes(5)), nullptr);
    EXPECT_NE(app.Describe().find(L"exit code 0xC0000005"), std::wstring::npos) << app.Describe();
}

} // namespace ventro::e2e
