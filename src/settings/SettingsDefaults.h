#pragma once
// The values written on the very first start, in the order they are written.
#include "settings/SettingsStore.h"

#include <string>
#include <variant>
#include <vector>

namespace orvane::settings {

struct SettingDefault {
    const char* name;
    // A text, a flag or a number, written as REG_SZ or REG_DWORD.
    std::variant<std::string, bool, std::int32_t> value;
};

// From "Load minimized" to "TCP/IP server port"; the date of the first start
// and "Launch on startup" are written before these, by the start-up itself.
const std::vector<SettingDefault>& FirstRunDefaults();

void WriteFirstRunDefaults(SettingsStore& store);

} // namespace orvane::settings
