// Any bytes as an INI file: loading never reads outside the text, and every
// section and key it finds can be read back, as text, number and flag.
#include "config/BigIniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane::config;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TBiggerIniFile ini;
    ini.LoadFromText(bytes);
    // Questions about names the text holds, and about pieces of it.
    const std::string_view probe = bytes.substr(0, 16);
    (void)ini.SectionExists(probe);
    (void)ini.ValueExists(probe, probe);
    (void)ini.ReadString(probe, probe, "");
    (void)ini.ReadInteger(probe, probe, 0);
    (void)ini.ReadBool(probe, probe, false);
    for (int i = 0; i < ini.Sections().Count(); ++i) {
        const std::string section(ini.Sections().Name(i));
        if (!ini.SectionExists(section)) std::abort();
        (void)ini.ReadInteger(section, "Version", 0);
        (void)ini.ReadString(section, "Code", "");
    }
    return 0;
}
