#pragma once

#include "core/scan/ScanPathPool.h"
#include "win32/platform/WinString.h"
#include "win32/results/WineFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

// A test on a real folder tree of its own below the build's scratch folder, made empty before
// the test and removed after it; skipped when the run names no scratch folder.
class WineTreeTest : public ::testing::Test {
protected:
    explicit WineTreeTest(std::string name) : name(std::move(name)) {}

    void SetUp() override {
        scratch = EnvironmentValue("CORVANE_TEST_TMP");
        if (scratch.empty()) GTEST_SKIP() << "no scratch folder of the build's own";
        unixRoot = scratch + "/" + name;
        ASSERT_EQ(Shell("rm -rf " + unixRoot + " && mkdir -p " + unixRoot), 0);
        root = DosPath(unixRoot);
    }
    void TearDown() override {
        if (!scratch.empty()) Shell("rm -rf " + unixRoot);
        ScanPathPool().Clear();
    }
    int Shell(const std::string& command) { return RunUnix(command, scratch); }
    std::u16string Path(const std::wstring& relative) const { return U16(root + relative); }

    std::string name;
    std::string scratch;
    std::string unixRoot; // as Unix commands name it
    std::wstring root;    // as the program names it
};
