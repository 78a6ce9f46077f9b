// The key each copy of the program writes into its keyboard hook library, and
// what the library derives from it.
#include "input/HookLibraryKey.h"

#include "fakes/FakeRandom.h"
#include "keyhook/KeyHookKey.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvane::input {
namespace {

Bytes WithMarkers(std::size_t size, std::vector<std::size_t> at) {
    Bytes bytes(size, 0x5A);
    for (std::size_t place : at) std::memcpy(bytes.data() + place, keyhook::kKeyMarker, sizeof(keyhook::kKeyMarker));
    return bytes;
}

TEST(HookLibraryKeyTest, TheKeyGoesAfterTheOneMarkerOrNowhere) {
    const struct {
        const char* what;
        Bytes data;
        bool broken;
        long keyAt; // -1: refused, data unchanged
    } cases[] = {
        {"one marker", WithMarkers(100, {40}), false, 56},
        {"marker at the very end, room for the key", WithMarkers(48, {16}), false, 32},
        {"no room for the key", WithMarkers(40, {16}), false, -1},
        {"no marker", Bytes(100, 0x5A), false, -1},
        {"two markers", WithMarkers(200, {10, 120}), false, -1},
        {"no random bytes", WithMarkers(100, {40}), true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeRandom random;
        random.broken = c.broken;
        Bytes data = c.data;
        EXPECT_EQ(GiveHookLibraryKey(data, random), c.keyAt >= 0);
        Bytes expected = c.data;
        for (int i = 0; c.keyAt >= 0 && i < 16; ++i) expected[c.keyAt + i] = std::uint8_t(i + 1);
        EXPECT_EQ(data, expected);
    }
}

TEST(HookLibraryKeyTest, NameAndCheckComeFromTheKeyedHash) {
    unsigned char key[16];
    for (int i = 0; i < 16; ++i) key[i] = std::uint8_t(i);
    // SipHash-2-4's published vectors for this key: no bytes, and bytes 0 to 7.
    EXPECT_EQ(keyhook::KeyedHash(key, nullptr, 0), 0x726fdb47dd0e0e31ULL);
    const keyhook::Word eightBytes = 0x0706050403020100ULL;
    EXPECT_EQ(keyhook::KeyedHash(key, &eightBytes, 1), 0x93f5f5799a932462ULL);

    char name[keyhook::kBlockNameSize];
    keyhook::BlockName(key, name);
    EXPECT_EQ(std::strlen(name), 29u);
    EXPECT_EQ(std::string(name).rfind("KeyCountData-", 0), 0u);
    char other[keyhook::kBlockNameSize];
    key[15] ^= 1;
    keyhook::BlockName(key, other);
    EXPECT_STRNE(name, other);

    const auto check = keyhook::TargetCheck(key, 0x10020, 1234);
    EXPECT_NE(check, keyhook::TargetCheck(key, 0x10022, 1234));
    EXPECT_NE(check, keyhook::TargetCheck(key, 0x10020, 1235));
    key[0] ^= 1;
    EXPECT_NE(check, keyhook::TargetCheck(key, 0x10020, 1234));
    EXPECT_FALSE(keyhook::HasKey(Bytes(16, 0).data()));
}

} // namespace
} // namespace orvane::input
