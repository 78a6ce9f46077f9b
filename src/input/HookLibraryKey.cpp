#include "input/HookLibraryKey.h"

#include "keyhook/KeyHookKey.h"

#include <algorithm>
#include <array>

namespace orvane::input {

bool GiveHookLibraryKey(Bytes& fileData, platform::RandomSource& random) {
    const long at = keyhook::KeyOffset(fileData.data(), fileData.size());
    if (at < 0) return false;
    std::array<std::uint8_t, keyhook::kKeySize> key{};
    // All zeros is how the library tells it has no key.
    while (!keyhook::HasKey(key.data()))
        if (!random.Fill(key)) return false;
    std::copy(key.begin(), key.end(), fileData.begin() + at);
    return true;
}

} // namespace orvane::input
