#include "input/FileSourceData.h"

#include "input/CompressErrors.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane::input {
namespace {

using namespace std::string_view_literals;
using testing::B;

TEST(FileData, PlainDataIsTheLengthThenTheBytes) {
    EXPECT_EQ(EncodeFileData({}, false), Bytes(4, 0));
    EXPECT_TRUE(DecodeFileData(Bytes(4, 0), false).empty());
    const Bytes library = testing::MixedBytes(37888, 7);
    const Bytes data = EncodeFileData(library, false);
    ASSERT_EQ(data.size(), 37892u);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 4), Bytes({0x00, 0x94, 0x00, 0x00}));
    EXPECT_EQ(DecodeFileData(data, false), library);
}

TEST(FileData, CompressedDataIsTheContainer) {
    const Bytes library = testing::MixedBytes(37888, 8);
    const Bytes data = EncodeFileData(library, true);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 6), B("PMCS10"));
    EXPECT_LT(data.size(), library.size());
    EXPECT_EQ(DecodeFileData(data, true), library);
    EXPECT_THROW(DecodeFileData(EncodeFileData(library, false), true), ECompressStream);
}

TEST(FileData, LengthThatDoesNotMatchTheDataRaises) {
    for (const Bytes& bad : {Bytes{}, B("\3\0\0"sv), B("\5\0\0\0abcd"sv), B("\3\0\0\0abcd"sv),
                             B("\xff\xff\xff\xff"sv), B("\xff\xff\xff\x7f" "abc"sv)})
        EXPECT_THROW(DecodeFileData(bad, false), EFileSource);
}

TEST(FileSourceTempName, FirstFreeNameInTheTemporaryFolder) {
    const auto none = [](const std::string&) { return false; };
    EXPECT_EQ(TemporaryFileName("C:\\Temp\\", 7, ".dll", none), "C:\\Temp\\~fs70.dll");
    EXPECT_EQ(TemporaryFileName("C:\\Temp", 7, ".dll", none), "C:\\Temp\\~fs70.dll");
    EXPECT_EQ(TemporaryFileName("C:\\", 59, "", none), "C:\\~fs590");
}

TEST(FileSourceTempName, InstancesInTheSameSecondGetDifferentNames) {
    std::set<std::string> existing{"C:\\Temp\\~fs70.dll", "C:\\Temp\\~fs72.dll"};
    std::vector<std::string> asked;
    const auto exists = [&](const std::string& name) {
        asked.push_back(name);
        return existing.count(name) > 0;
    };
    const std::string first = TemporaryFileName("C:\\Temp\\", 7, ".dll", exists);
    EXPECT_EQ(first, "C:\\Temp\\~fs71.dll");
    EXPECT_EQ(asked, (std::vector<std::string>{"C:\\Temp\\~fs70.dll", "C:\\Temp\\~fs71.dll"}));
    existing.insert(first); // reserved at once by creating it
    EXPECT_EQ(TemporaryFileName("C:\\Temp\\", 7, ".dll", exists), "C:\\Temp\\~fs73.dll");
}

TEST(FileSourceTempName, GivesUpWhenNoNameCanBeUsed) {
    int tries = 0;
    const auto always = [&](const std::string&) { return ++tries > 0; };
    EXPECT_THROW(TemporaryFileName("X:\\Gone", 3, ".dll", always), EFileSource);
    EXPECT_GT(tries, 100);
}

} // namespace
} // namespace orvane::input
