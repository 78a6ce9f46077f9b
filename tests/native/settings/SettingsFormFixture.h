#pragma once
// The settings dialog on fake services: an in-memory registry, sockets
// in memory, a folder of language files beside the program, and a count of the
// times the origins were switched off.
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSockets.h"
#include "fakes/FakeUi.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsForm.h"

#include <gtest/gtest.h>

namespace orvane::settings::testing {

inline constexpr const char* kProgramPath = "C:\\Tools\\Orvane\\orvane.exe";

class SettingsFormTest : public ::testing::Test {
protected:
    SettingsFormTest() {
        ui.files.AddFile("C:\\Tools\\Orvane\\Lang", "English.lng");
        ui.files.AddFile("C:\\Tools\\Orvane\\Lang", "deutsch.lng");
        ui.files.AddFile("C:\\Tools\\Orvane\\Lang", "readme.txt");
        form = &ui.app.CreateForm<TSettingsForm>(store, client, server, kProgramPath, [this] {
            ++originsSwitchedOff;
            if (onSwitchOff) onSwitchOff();
        });
    }

    // The registry as the first start leaves it.
    void StoreFirstRunDefaults() {
        store.WriteSettingBool("Launch on startup", true);
        WriteFirstRunDefaults(store);
        registry.valuesWritten.clear();
    }

    std::optional<platform::RegistryValue> Setting(const std::string& name) {
        return registry.Get(platform::RootKey::CurrentUser, kSettingsKey, name);
    }
    std::optional<platform::RegistryValue> RunEntry() {
        return registry.Get(platform::RootKey::CurrentUser, kRunKey, kRunValue);
    }

    fakes::FakeRegistry registry;
    SettingsStore store{registry};
    fakes::FakeSockets sockets;
    // Made before the application it runs on, so that it outlives the dialog
    // that uses it; it touches the application only when an event comes.
    input::TClientSocket client{sockets, ui.app};
    feedback::TServerSocket server{sockets, ui.app};
    int originsSwitchedOff = 0;
    std::function<void()> onSwitchOff;
    fakes::FakeUi ui;
    TSettingsForm* form = nullptr;
};

} // namespace orvane::settings::testing
