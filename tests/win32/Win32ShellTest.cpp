#include "platform/win32/Win32Shell.h"

#include <gtest/gtest.h>

namespace orvane::platform::win32 {
namespace {

TEST(Win32Shell, CommandLinesSplitAsTheRuntimeSplitsThem) {
    using Args = std::vector<std::string>;
    EXPECT_EQ(SplitCommandLine(R"(orvane.exe "C:\My Files\living room.orv")"),
              (Args{"orvane.exe", R"(C:\My Files\living room.orv)"}));
    EXPECT_EQ(SplitCommandLine("  a   b\t c "), (Args{"a", "b", "c"}));
    EXPECT_EQ(SplitCommandLine(R"(x "" y)"), (Args{"x", "", "y"}));
    EXPECT_EQ(SplitCommandLine(R"(a\\"b c" d\"e)"), (Args{R"(a\b c)", R"(d"e)"}));
    EXPECT_EQ(SplitCommandLine(R"(C:\dir\ x)"), (Args{R"(C:\dir\)", "x"}));
    EXPECT_TRUE(SplitCommandLine("").empty());
}

TEST(Win32Shell, KnowsTheRunningProgramsOwnFile) {
    Win32Shell shell;
    const std::string path = shell.ExecutablePath();
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), ".exe");
    EXPECT_NE(path.find("orvane_win32_tests"), std::string::npos);
}

} // namespace
} // namespace orvane::platform::win32
