#include "config/BigIniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace orvane::config {
namespace {

TBiggerIniFile Ini(std::string_view text) {
    TBiggerIniFile ini;
    ini.LoadFromText(text);
    return ini;
}

TEST(IniLookup, AKeyIsTheTextBeforeTheFirstEqualsSignWithoutRegardToCase) {
    const auto ini = Ini("[S]\r\nflag\r\nkey =blank\r\nNAME= a=b \r\nname=second\r\n=empty key\r\nk=\r\n");
    EXPECT_EQ(ini.ReadString("s", "name", "-"), " a=b ");
    EXPECT_EQ(ini.ReadString("S", "key", "-"), "-");
    EXPECT_EQ(ini.ReadString("S", "KEY ", "-"), "blank");
    EXPECT_EQ(ini.ReadString("S", "flag", "-"), "-");
    EXPECT_EQ(ini.ReadString("S", "k", "-"), "");
    EXPECT_TRUE(ini.ValueExists("S", "K"));
    EXPECT_FALSE(ini.ValueExists("S", "flag"));
    EXPECT_FALSE(ini.ValueExists("T", "k"));
    EXPECT_TRUE(ini.SectionExists("s"));
    EXPECT_EQ(ini.ReadString("S", "missing", std::string(300, 'd')), std::string(255, 'd'));
}

TEST(IniLookup, JumpingBetweenSectionsFindsEachOne) {
    const auto ini = Ini("[A]\r\nk=a\r\n[B]\r\nk=b\r\n[C]\r\nk=c\r\nonly=c\r\n[D]\r\nk=d\r\n");
    for (const auto& [section, value] : {std::pair{"C", "c"}, {"A", "a"}, {"D", "d"}, {"C", "c"}, {"B", "b"},
                                         {"A", "a"}, {"E", "-"}, {"B", "b"}, {"B", "b"}, {"D", "d"}})
        EXPECT_EQ(ini.ReadString(section, "k", "-"), value) << section;
    EXPECT_EQ(ini.ReadString("A", "only", "-"), "-");
    EXPECT_FALSE(ini.SectionExists("E"));
}

TEST(IniValues, IntegersAreDecimalOrHexadecimalAndNothingElse) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"42", 42}, {"  42", 42}, {"+5", 5}, {"-5", -5}, {"0x10", 16}, {"0X1f", 31}, {"$10", 16},
        {"$fF", 255}, {"-$10", -16}, {"007", 7}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
        {"-$80000000", INT32_MIN}, {"$7FFFFFFF", INT32_MAX},
        // Everything below is no number and reads as the default.
        {"42 ", -1}, {"", -1}, {"-", -1}, {"$", -1}, {"0x", -1}, {" 0x10", -1}, {"x10", -1}, {"$-10", -1},
        {"- 5", -1}, {"1e3", -1}, {"12abc", -1}, {"2147483648", -1}, {"-2147483649", -1},
        {"$80000000", -1}, {"$FFFFFFFF", -1}, {"99999999999999999999", -1}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Ini(std::string("[S]\r\nv=") + text).ReadInteger("S", "v", -1), expected) << '"' << text << '"';
    EXPECT_EQ(Ini("").ReadInteger("S", "v", 9), 9);
}

TEST(IniValues, BooleansAreNonZeroIntegersAndWordsGiveTheDefault) {
    const auto ini = Ini("[S]\r\none=1\r\nzero=0\r\nneg=-3\r\nhex=0x0\r\nword=True\r\nno=false\r\n");
    for (bool def : {false, true}) {
        EXPECT_TRUE(ini.ReadBool("S", "one", def));
        EXPECT_TRUE(ini.ReadBool("S", "neg", def));
        EXPECT_FALSE(ini.ReadBool("S", "zero", def));
        EXPECT_FALSE(ini.ReadBool("S", "hex", def));
        EXPECT_EQ(ini.ReadBool("S", "word", def), def);
        EXPECT_EQ(ini.ReadBool("S", "no", def), def);
        EXPECT_EQ(ini.ReadBool("S", "missing", def), def);
    }
}

} // namespace
} // namespace orvane::config
