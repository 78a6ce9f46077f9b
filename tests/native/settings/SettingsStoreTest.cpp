#include "core/Exception.h"
#include "program/FileType.h"
#include "fakes/FakePlatform.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace orvane::settings {
namespace {

using platform::RootKey;
using platform::ValueType;

class SettingsStoreTest : public ::testing::Test {
protected:
    std::optional<platform::RegistryValue> Stored(const std::string& name) {
        return fake.registry.Get(RootKey::CurrentUser, kSettingsKey, name);
    }
    static std::string FailureOf(auto&& action) {
        try {
            action();
        } catch (const Exception& e) {
            return e.Message();
        }
        return "no failure";
    }
    fakes::FakePlatform fake;
    SettingsStore store{fake.registry};
};

TEST_F(SettingsStoreTest, EachKindIsStoredWithItsRegistryType) {
    store.WriteSettingString("Log file", "C:\\orvane.log");
    store.WriteSettingBool("Play sounds", true);
    store.WriteSettingInteger("Tolerance", -3);
    store.WriteSettingDate("First Load", 46364.0);

    EXPECT_EQ(Stored("Log file")->type, ValueType::String);
    EXPECT_EQ(Stored("Play sounds")->type, ValueType::DWord);
    EXPECT_EQ(Stored("Play sounds")->data, std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(Stored("Tolerance")->type, ValueType::DWord);
    EXPECT_EQ(Stored("First Load")->type, ValueType::Binary);
    EXPECT_EQ(Stored("First Load")->data.size(), 8u);

    EXPECT_EQ(store.ReadSettingString("Log file"), "C:\\orvane.log");
    EXPECT_TRUE(store.ReadSettingBool("Play sounds"));
    EXPECT_EQ(store.ReadSettingInteger("Tolerance"), -3);
    EXPECT_EQ(store.ReadSettingDate("First Load"), 46364.0);
}

TEST_F(SettingsStoreTest, EveryOperationOpensTheKeyAndClosesItAgain) {
    store.WriteSettingBool("Load minimized", false);
    store.ReadSettingBool("Load minimized");
    EXPECT_EQ(fake.registry.keysOpened, 2);
    EXPECT_EQ(fake.registry.keysClosed, 2);
    EXPECT_THROW(store.ReadSettingInteger("Missing"), ERegistryException);
    EXPECT_EQ(fake.registry.keysClosed, fake.registry.keysOpened);
}

TEST_F(SettingsStoreTest, MissingValuesReadAsTheirDefaultsExceptIntegers) {
    EXPECT_EQ(store.ReadSettingString("Log file"), "");
    EXPECT_FALSE(store.ReadSettingBool("Load minimized"));
    EXPECT_EQ(store.ReadSettingDate("First Load"), 0.0);
    EXPECT_EQ(FailureOf([&] { store.ReadSettingInteger("Tolerance"); }), "Failed to get data for 'Tolerance'");
    store.WriteSettingString("Serial port", "one");
    EXPECT_EQ(FailureOf([&] { store.ReadSettingInteger("Serial port"); }), "Invalid data type for 'Serial port'");
    EXPECT_EQ(FailureOf([&] { store.ReadSettingBool("Serial port"); }), "Invalid data type for 'Serial port'");
}

TEST_F(SettingsStoreTest, NamesDifferingOnlyInCaseAreOneValue) {
    store.WriteSettingBool("OSD Repaint", false);
    EXPECT_FALSE(store.ReadSettingBool("OSD repaint"));
    store.WriteSettingBool("OSD repaint", true);
    EXPECT_TRUE(store.ReadSettingBool("OSD Repaint"));
}

TEST_F(SettingsStoreTest, AFailedWriteIsReported) {
    fake.registry.failWrites = true;
    EXPECT_EQ(FailureOf([&] { store.WriteSettingInteger("Tolerance", 4); }), "Failed to set data for 'Tolerance'");
}

TEST_F(SettingsStoreTest, FirstRunDefaultsAreWrittenInOrderWithTheirTypes) {
    WriteFirstRunDefaults(store);
    auto key = fake.registry.OpenKey(RootKey::CurrentUser, kSettingsKey, false);
    const auto names = key->ValueNames();
    ASSERT_EQ(names.size(), FirstRunDefaults().size());
    EXPECT_EQ(names.front(), "Load minimized");
    EXPECT_EQ(names.back(), "TCP/IP server port");
    EXPECT_EQ(store.ReadSettingInteger("Tolerance"), 10);
    EXPECT_EQ(store.ReadSettingInteger("OSD font color"), 0x00FF00);
    EXPECT_EQ(store.ReadSettingString("AVerMedia window"), "AVerMedia TV Tuner 98");
    EXPECT_EQ(Stored("TCP/IP client host")->type, ValueType::String);
    EXPECT_EQ(Stored("Serial DTR")->type, ValueType::DWord);
    // The values without a default are left alone.
    for (const char* absent : {"DDE data", "Restore", "Origin enabled", "LastORVFile", "Hide splashscreen"})
        EXPECT_FALSE(key->ValueExists(absent)) << absent;
}

TEST_F(SettingsStoreTest, TheFileTypeIsRegisteredUnderClassesRootAndTheShellIsTold) {
    program::RegisterFileType(fake.registry, fake.shell);
    const std::string program = fake.shell.executablePath;
    auto value = [&](const char* path) { return fake.registry.Get(RootKey::ClassesRoot, path, "")->data; };
    EXPECT_EQ(value(".orv"), "Orvane");
    EXPECT_EQ(value("Orvane"), "Orvane");
    EXPECT_EQ(value("Orvane\\DefaultIcon"), program + ",1");
    EXPECT_EQ(value("Orvane\\Shell\\Open"), "&Open");
    EXPECT_EQ(value("Orvane\\Shell\\Open\\Command"), "\"" + program + "\" \"%1\"");
    EXPECT_EQ(fake.shell.associationNotices, 1);
}

} // namespace
} // namespace orvane::settings
