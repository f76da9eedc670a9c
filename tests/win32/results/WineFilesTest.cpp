#include "win32/results/WineFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Leaves `value` in the stack below the caller, where the locals of the next call will lie.
__attribute__((noinline)) void LeaveInStack(HANDLE value) {
    volatile HANDLE slots[8192];
    for (auto& slot : slots) slot = value;
}

// Wine fills the process information of a Unix program from a local it never set, so what it
// hands back is whatever the stack held: closing it closed live handles of the test process,
// once even its link to the Wine server, and the process ended in the middle of a test.
TEST(WineFiles, AUnixCommandLeavesEveryHandleOfTheProcessOpen) {
    const std::string scratch = EnvironmentValue("CORVANE_TEST_TMP");
    if (scratch.empty()) GTEST_SKIP() << "no scratch folder of the build's own";
    CreateDirectoryW(DosPath(scratch).c_str(), nullptr);
    for (int round = 0; round < 3; ++round) {
        HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        ASSERT_NE(event, nullptr);
        LeaveInStack(event);
        ASSERT_EQ(RunUnix("true", scratch), 0);
        DWORD flags = 0;
        EXPECT_TRUE(GetHandleInformation(event, &flags)) << round;
        CloseHandle(event);
    }
}

} // namespace
