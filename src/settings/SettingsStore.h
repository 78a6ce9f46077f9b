#pragma once
// The program's settings in the registry, under HKEY_CURRENT_USER
// "\Software\Orvane". No cache: each read or write opens the key (creating it
// when missing), does one thing and closes it again, so another copy of the
// program or the user's own edits are seen at once. Names match without
// regard to case, as the registry's do.
#include "platform/Registry.h"

#include <cstdint>
#include <string>

namespace orvane::settings {

inline constexpr const char* kSettingsKey = "\\Software\\Orvane";
inline constexpr const char* kSoundsKey = "\\Software\\Orvane\\Sounds";
inline constexpr const char* kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Orvane";

class SettingsStore {
public:
    explicit SettingsStore(platform::Registry& registry) : registry_(registry) {}

    platform::Registry& Registry() const { return registry_; }

    // Missing: empty text.
    std::string ReadSettingString(const std::string& name);
    void WriteSettingString(const std::string& name, const std::string& text);
    // Missing: false. Stored as REG_DWORD 1 or 0.
    bool ReadSettingBool(const std::string& name);
    void WriteSettingBool(const std::string& name, bool flag);
    // Missing: fails with "Failed to get data for '<name>'".
    std::int32_t ReadSettingInteger(const std::string& name);
    void WriteSettingInteger(const std::string& name, std::int32_t value);
    // Whole days since 30 December 1899, as an 8-byte REG_BINARY double.
    // Missing: 0.
    double ReadSettingDate(const std::string& name);
    void WriteSettingDate(const std::string& name, double date);

private:
    std::unique_ptr<platform::RegistryKey> OpenSettings();
    platform::Registry& registry_;
};

} // namespace orvane::settings
