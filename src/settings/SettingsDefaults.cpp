#include "settings/SettingsDefaults.h"

namespace orvane::settings {

const std::vector<SettingDefault>& FirstRunDefaults() {
    using namespace std::string_literals;
    static const std::vector<SettingDefault> defaults = {
        {"Load minimized", false},
        {"Play sounds", true},
        {"Multiple instances", false},
        {"Advanced keypress", true},
        {"Log file", ""s},
        {"Language", "english"s},
        {"Use serial port", true},
        {"Use IR server", false},
        {"Use AVerMedia", false},
        {"AVerMedia window", "AVerMedia TV Tuner 98"s},
        {"Use BestBuy", false},
        {"Use Creative iNFRA", false},
        {"Use keyboard trapping", false},
        {"Use TCP/IP", false},
        {"TCP/IP client port", 1024},
        {"TCP/IP client host", "localhost"s},
        {"Serial port", 0},
        {"Serial speed", 6},
        {"Serial parity", 0},
        {"Serial databits", 3},
        {"Serial stopbits", 0},
        {"Serial DTR", true},
        {"Serial RTS", true},
        {"Skip first", 0},
        {"Tolerance", 10},
        {"Length limit", 0},
        {"Value size", 1},
        {"SameLength values", false},
        {"Binary values", false},
        {"Binary threshold", 127},
        {"OSD show remote", false},
        {"OSD show command", false},
        {"OSD show action", false},
        {"OSD background", 0},
        {"OSD display time", 1000},
        {"OSD font name", "Arial"s},
        {"OSD font color", 65280},
        {"OSD font size", 28},
        {"OSD font bold", true},
        {"OSD font italic", false},
        {"OSD font underline", false},
        {"OSD font strikeout", false},
        {"OSD repaint", true},
        {"DDE send remote", false},
        {"DDE send command", false},
        {"DDE send data", false},
        {"DDE send action", false},
        {"TCP/IP send remote", false},
        {"TCP/IP send command", false},
        {"TCP/IP send data", false},
        {"TCP/IP send action", false},
        {"TCP/IP server port", 4040},
    };
    return defaults;
}

void WriteFirstRunDefaults(SettingsStore& store) {
    for (const auto& entry : FirstRunDefaults()) {
        if (auto* text = std::get_if<std::string>(&entry.value))
            store.WriteSettingString(entry.name, *text);
        else if (auto* flag = std::get_if<bool>(&entry.value))
            store.WriteSettingBool(entry.name, *flag);
        else
            store.WriteSettingInteger(entry.name, std::get<std::int32_t>(entry.value));
    }
}

} // namespace orvane::settings
