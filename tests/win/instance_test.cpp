// One copy of the program at a time.
#include <gtest/gtest.h>

#include "tests/win/app_driver.h"

namespace wintest {
namespace {

TEST(SingleInstanceTest, SecondCopyEndsSilentlyWhileTheFirstRuns) {
  RunningApp first;
  ASSERT_NE(first.Main(), nullptr);
  PROCESS_INFORMATION second = StartProgram();
  ASSERT_NE(second.hProcess, nullptr);
  EXPECT_EQ(WaitForSingleObject(second.hProcess, 15000), WAIT_OBJECT_0);
  EXPECT_EQ(FindMainWindow(second.dwProcessId), nullptr);
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);
  // The first copy goes on, untouched.
  EXPECT_TRUE(IsWindow(first.Main()));
  first.Type(1005, L"1");
  EXPECT_EQ(first.FieldText(1010), L"R");
}

TEST(SingleInstanceTest, ProgramStartsAgainOnceTheFirstCopyHasEnded) {
  {
    RunningApp first;
    ASSERT_NE(first.Main(), nullptr);
  }
  RunningApp again;
  EXPECT_NE(again.Main(), nullptr);
}

}  // namespace
}  // namespace wintest
