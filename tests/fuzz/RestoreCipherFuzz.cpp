// Any text as a stored "Restore" value, deciphered with the program's key and
// with the default one: a text or a conversion error, nothing else. A text
// enciphered and deciphered again is itself (for the bytes 1 to 254: the
// cipher counts modulo 255, so 0 comes back as 255, as stored values expect).
#include "core/Exception.h"
#include "feedback/Encryption.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane::feedback;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const std::string& key : {kRestoreKey, kDefaultKey, std::string()}) {
        try {
            (void)Decipher(text, key);
        } catch (const orvane::EConvertError&) {
        }
    }
    for (const char c : text)
        if (c == '\0' || c == '\xFF') return 0;
    const std::uint8_t start = size ? data[0] : 0;
    if (Decipher(Encipher(text, kRestoreKey, start), kRestoreKey) != text) std::abort();
    return 0;
}
