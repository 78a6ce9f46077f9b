#include "settings/SettingsStore.h"

#include "core/Exception.h"

#include <cstring>

namespace orvane::settings {

std::unique_ptr<platform::RegistryKey> SettingsStore::OpenSettings() {
    auto key = registry_.OpenKey(platform::RootKey::CurrentUser, kSettingsKey, true);
    if (!key) throw ERegistryException(std::string("Failed to create key ") + kSettingsKey);
    return key;
}

std::string SettingsStore::ReadSettingString(const std::string& name) { return OpenSettings()->ReadString(name); }

void SettingsStore::WriteSettingString(const std::string& name, const std::string& text) {
    OpenSettings()->WriteString(name, text);
}

bool SettingsStore::ReadSettingBool(const std::string& name) {
    auto key = OpenSettings();
    return key->ValueExists(name) && key->ReadBool(name);
}

void SettingsStore::WriteSettingBool(const std::string& name, bool flag) { OpenSettings()->WriteBool(name, flag); }

std::int32_t SettingsStore::ReadSettingInteger(const std::string& name) { return OpenSettings()->ReadInteger(name); }

void SettingsStore::WriteSettingInteger(const std::string& name, std::int32_t value) {
    OpenSettings()->WriteInteger(name, value);
}

double SettingsStore::ReadSettingDate(const std::string& name) {
    auto key = OpenSettings();
    if (!key->ValueExists(name)) return 0;
    const std::string bytes = key->ReadBinary(name);
    // A value of another size is no date the program wrote.
    if (bytes.size() != sizeof(double)) throw ERegistryException("Invalid data type for '" + name + "'");
    double date = 0;
    std::memcpy(&date, bytes.data(), sizeof date);
    return date;
}

void SettingsStore::WriteSettingDate(const std::string& name, double date) {
    std::string bytes(sizeof date, '\0');
    std::memcpy(bytes.data(), &date, sizeof date);
    OpenSettings()->WriteBinary(name, bytes);
}

} // namespace orvane::settings
