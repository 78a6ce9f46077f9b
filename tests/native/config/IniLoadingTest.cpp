#include "config/BigIniFile.h"
#include "config/IniErrors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace orvane::config {
namespace {

namespace fs = std::filesystem;

TBiggerIniFile Ini(std::string_view text) {
    TBiggerIniFile ini;
    ini.LoadFromText(text);
    return ini;
}

TSectionList::TLineList Lines(const TBigIniFile& ini, int section) {
    const TSectionList::TLines lines = ini.Sections().Lines(section);
    return {lines.begin(), lines.end()};
}

TEST(IniLoading, CarriageReturnEndsALineAndALoneLineFeedIsText) {
    const auto ini = Ini("[A]\r\nk1=1\rk2=2\r\n\r\n\r\rk3=a\nb\r\n\nk4=4\r\nk5=last");
    EXPECT_EQ(ini.ReadString("A", "k1", "-"), "1");
    EXPECT_EQ(ini.ReadString("A", "k2", "-"), "2");
    EXPECT_EQ(ini.ReadString("A", "k3", "-"), "a\nb");
    EXPECT_EQ(ini.ReadString("A", "\nk4", "-"), "4");
    EXPECT_EQ(ini.ReadString("A", "k5", "-"), "last");
    EXPECT_EQ(ini.Sections().Lines(0).size(), 5u);  // empty lines are skipped

    const auto unix = Ini("[A]\nk=1\n[B]\nj=2\n");
    EXPECT_EQ(unix.Sections().Count(), 0);
    EXPECT_EQ(unix.ReadString("A", "k", "-"), "-");
}

TEST(IniLoading, CtrlZEndsTheFile) {
    const auto ini = Ini("[A]\r\nk=1\x1Ax=2\r\nj=2\r\n[B]\r\nm=3\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", "-"), "1");
    EXPECT_EQ(ini.Sections().Count(), 1);
    EXPECT_EQ(ini.Sections().Lines(0).size(), 1u);
    EXPECT_EQ(Ini("\x1A\r\n[A]\r\nk=1\r\n").Sections().Count(), 0);
}

TEST(IniLoading, OnlyTheFirst255CharactersOfALineAreKept) {
    const std::string value(253, 'v');
    const auto ini = Ini("[A]\r\nk=" + value + "overflow\n[B]\n=x\r\nj=2\r\n");
    EXPECT_EQ(ini.ReadString("A", "k", "-"), value);
    EXPECT_EQ(ini.ReadString("A", "j", "-"), "2");
    EXPECT_EQ(ini.Sections().Count(), 1);
    // A header cut short no longer ends in "]".
    EXPECT_EQ(Ini("[" + std::string(300, 'S') + "]\r\nk=1").Sections().Count(), 0);
}

TEST(IniLoading, SectionHeadersAndTheLinesTheyOwn) {
    const auto ini = Ini("before=0\r\n[ A b ]\r\nx=1\r\n[C] \r\nz=3\r\n[]\r\n;c=4\r\nplain\r\n[");
    EXPECT_EQ(ini.Sections().Count(), 2);
    EXPECT_EQ(ini.ReadString(" a B ", "x", "-"), "1");
    EXPECT_EQ(ini.ReadString("A b", "x", "-"), "-");
    EXPECT_EQ(ini.ReadString(" A b ", "z", "-"), "3");  // "[C] " is an ordinary line
    EXPECT_EQ(ini.ReadString("C", "z", "-"), "-");
    EXPECT_EQ(ini.ReadString("", ";c", "-"), "4");       // no comments
    EXPECT_EQ(ini.ReadString("", "before", "-"), "-");
    EXPECT_EQ(Lines(ini, 1), (TSectionList::TLineList{";c=4", "plain", "["}));
}

TEST(IniLoading, OfSectionsDifferingInCaseOnlyTheFirstIsKept) {
    const auto ini = Ini("[Sec]\r\na=1\r\n[Other]\r\n[SEC]\r\na=9\r\nc=3\r\n[sec]\r\n[Last]\r\nd=4\r\n");
    EXPECT_EQ(ini.Sections().Count(), 3);
    EXPECT_EQ(ini.Sections().Name(0), "Sec");
    EXPECT_EQ(ini.ReadString("sec", "a", "-"), "1");
    EXPECT_EQ(ini.ReadString("SEC", "c", "-"), "-");
    EXPECT_EQ(ini.ReadString("LAST", "d", "-"), "4");
}

class IniFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("orvane-ini-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string& bytes) {
        const fs::path path = dir_ / "test.orv";
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path dir_;
};

TEST_F(IniFile, ReadsTheBytesUnchangedAcrossBufferBoundsAndLeavesTheFileAlone) {
    // The CR LF of the line with "k" falls across the end of the first buffer.
    std::string text = "[A]\r\n";
    while (text.size() < TBigIniFile::ReadBufferSize - 6) text += "pad\r\n";
    text.resize(TBigIniFile::ReadBufferSize - 6, 'x');
    text += "\r\nk=1\r\n\r\nj=2\r\n[B]\r\nm=\t3 \r\n";
    const std::string path = Write(text);
    const auto written = fs::last_write_time(path);

    const TBiggerIniFile ini(path);
    EXPECT_EQ(ini.FileName(), path);
    EXPECT_EQ(ini.ReadString("A", "k", "-"), "1");
    EXPECT_EQ(ini.ReadString("A", "\nk", "-"), "-");
    EXPECT_EQ(ini.ReadString("b", "m", "-"), "\t3 ");
    EXPECT_EQ(Lines(ini, 0), Lines(Ini(text), 0));
    EXPECT_EQ(Bytes(path), text);
    EXPECT_EQ(fs::last_write_time(path), written);
}

TEST_F(IniFile, AMissingFileHasNoSectionsAndAnUnreadableOneRaises) {
    const TBiggerIniFile missing((dir_ / "none.orv").string());
    EXPECT_EQ(missing.Sections().Count(), 0);
    EXPECT_EQ(missing.ReadInteger("File information", "Version", 3), 3);
    EXPECT_EQ(TBiggerIniFile("").Sections().Count(), 0);

    TBiggerIniFile ini(Write("[A]\r\nk=1\r\n"));
    EXPECT_THROW(ini.LoadFromFile(dir_.string()), EInOutError);
    EXPECT_EQ(ini.ReadString("A", "k", "-"), "-");  // nothing half-loaded stays behind
}

} // namespace
} // namespace orvane::config
