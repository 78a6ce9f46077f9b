#include "contract/Subjects.h"
#include "core/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::contract {
namespace {

using platform::RootKey;
using platform::ValueType;

class RegistryContract : public ::testing::Test {
protected:
    void SetUp() override {
        subject = MakeRegistrySubject();
        path = subject->ScratchPath();
    }
    std::unique_ptr<platform::RegistryKey> Open(const std::string& suffix = "", bool create = true) {
        return subject->Registry().OpenKey(RootKey::CurrentUser, path + suffix, create);
    }
    static std::string FailureOf(auto&& action) {
        try {
            action();
        } catch (const Exception& e) {
            return e.Message();
        }
        return "no failure";
    }

    std::unique_ptr<RegistrySubject> subject;
    std::string path;
};

TEST_F(RegistryContract, ValuesKeepTheirDataAndRegistryTypeAcrossKeyOpenings) {
    const std::string binary("\x00\x01\xFF\x00\x7F", 5);
    {
        auto key = Open();
        ASSERT_TRUE(key);
        key->WriteString("Log file", "C:\\Temp\\orvane.log");
        key->WriteString("Empty", "");
        key->WriteInteger("Tolerance", -5);
        key->WriteBool("Play sounds", true);
        key->WriteBinary("First Load", binary);
    }
    auto key = Open("", false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadString("Log file"), "C:\\Temp\\orvane.log");
    EXPECT_EQ(key->ReadString("Empty"), "");
    EXPECT_EQ(key->ReadInteger("Tolerance"), -5);
    EXPECT_TRUE(key->ReadBool("Play sounds"));
    EXPECT_EQ(key->ReadBinary("First Load"), binary);

    EXPECT_EQ(key->QueryValue("Log file")->type, ValueType::String);
    EXPECT_EQ(key->QueryValue("Empty")->type, ValueType::String);
    EXPECT_EQ(key->QueryValue("Tolerance")->type, ValueType::DWord);
    EXPECT_EQ(key->QueryValue("Tolerance")->data, std::string("\xFB\xFF\xFF\xFF", 4));
    EXPECT_EQ(key->QueryValue("First Load")->type, ValueType::Binary);
}

TEST_F(RegistryContract, NamesOfValuesAndKeysMatchWithoutRegardToCase) {
    Open("\\Sounds")->WriteInteger("OSD Repaint", 1);
    auto key = Open("\\SOUNDS", false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadInteger("OSD repaint"), 1);

    key->WriteInteger("osd REPAINT", 0);
    EXPECT_EQ(key->ReadInteger("OSD Repaint"), 0);
    // Overwriting under another case keeps one value with its first name.
    EXPECT_EQ(key->ValueNames(), std::vector<std::string>{"OSD Repaint"});
}

TEST_F(RegistryContract, MissingAndMistypedValuesGiveTheRegistryLayersResults) {
    auto key = Open();
    key->WriteString("Language", "english");
    key->WriteInteger("Serial port", 2);

    EXPECT_FALSE(key->ValueExists("Log file"));
    EXPECT_EQ(key->ReadString("Log file"), "");
    EXPECT_EQ(FailureOf([&] { key->ReadInteger("Tolerance"); }), "Failed to get data for 'Tolerance'");
    EXPECT_EQ(FailureOf([&] { key->ReadBinary("First Load"); }), "Failed to get data for 'First Load'");
    EXPECT_EQ(FailureOf([&] { key->ReadInteger("Language"); }), "Invalid data type for 'Language'");
    EXPECT_EQ(FailureOf([&] { key->ReadBool("Language"); }), "Invalid data type for 'Language'");
    EXPECT_EQ(FailureOf([&] { key->ReadString("Serial port"); }), "Invalid data type for 'Serial port'");
}

TEST_F(RegistryContract, KeysAreOpenedOnlyWhenPresentUnlessCreated) {
    EXPECT_FALSE(Open("\\Missing", false));
    EXPECT_FALSE(subject->Registry().KeyExists(RootKey::CurrentUser, path + "\\Missing"));

    // Creation makes every missing key along the path; a leading backslash is allowed.
    ASSERT_TRUE(subject->Registry().OpenKey(RootKey::CurrentUser, "\\" + path + "\\A\\B", true));
    EXPECT_TRUE(subject->Registry().KeyExists(RootKey::CurrentUser, path + "\\a\\b"));
}

TEST_F(RegistryContract, DeletingValuesAndSubkeysAndListingWhatRemains) {
    auto key = Open();
    key->WriteString("One", "1");
    key->WriteString("Two", "2");
    key->WriteInteger("Three", 3);
    Open("\\Sounds\\Deep")->WriteString("Beep", "beep.wav");
    Open("\\Other");

    auto values = key->ValueNames();
    std::sort(values.begin(), values.end());
    EXPECT_EQ(values, (std::vector<std::string>{"One", "Three", "Two"}));
    auto keys = key->SubKeyNames();
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"Other", "Sounds"}));

    EXPECT_TRUE(key->DeleteValue("two"));
    EXPECT_FALSE(key->DeleteValue("Two"));
    EXPECT_FALSE(key->ValueExists("Two"));
    EXPECT_EQ(key->ValueNames().size(), 2u);

    // A subkey goes with everything below it.
    EXPECT_TRUE(key->DeleteSubKey("SOUNDS"));
    EXPECT_FALSE(key->DeleteSubKey("Sounds"));
    EXPECT_FALSE(Open("\\Sounds\\Deep", false));
    EXPECT_EQ(key->SubKeyNames(), std::vector<std::string>{"Other"});
}

TEST_F(RegistryContract, ClassesRootHoldsFileTypeKeysWithDefaultValues) {
    auto& registry = subject->Registry();
    const std::string extension = ".orvtest" + std::to_string(reinterpret_cast<std::uintptr_t>(this) % 100000);
    {
        auto key = registry.OpenKey(RootKey::ClassesRoot, extension, true);
        ASSERT_TRUE(key);
        key->WriteString("", "OrvaneTestFile");
    }
    auto key = registry.OpenKey(RootKey::ClassesRoot, extension, false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadString(""), "OrvaneTestFile");
    key.reset();

    auto root = registry.OpenKey(RootKey::ClassesRoot, "", false);
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->DeleteSubKey(extension));
    EXPECT_FALSE(registry.KeyExists(RootKey::ClassesRoot, extension));
}

} // namespace
} // namespace orvane::contract
