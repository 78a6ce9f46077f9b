// Any bytes as a language file: reading never leaves the text, and no value
// is longer than a profile-string read can return.
#include "settings/LanguageText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane::settings;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LanguageText language = LanguageText::FromBytes(bytes);
    // Names the file itself may hold, and the window captions' kind of name.
    const std::string_view probe = bytes.substr(0, 12);
    for (const std::string_view section : {probe, std::string_view("TMainForm"), std::string_view("")})
        for (const std::string_view key : {probe, std::string_view("Caption")})
            if (language.Read(section, key).size() > LanguageText::kMaxValueLength) std::abort();
    (void)language.Value(probe);
    (void)language.Value("TMainForm.Caption");
    return 0;
}
