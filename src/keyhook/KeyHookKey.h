// The key that makes each written copy of the keyboard hook library its own.
//
// The library reaches every process that receives keys, and each copy there
// must find the program's shared block; a name all copies could work out
// from the library alone, any other program could work out too. So the
// program writes 16 random bytes into the file it writes (after the marker
// below), and every copy of that file derives the block's name and the check
// of the block's contents from them. Another program cannot guess the name,
// and learning it (the names of objects can be listed) does not give it the
// key to write a target the hook would accept.
//
// SipHash-2-4 is the keyed function: short inputs, no tables, and no C
// runtime, which the library has none of. Header only, for the library, the
// program and the test doubles alike.
#pragma once

namespace keyhook {

constexpr unsigned kKeySize = 16;
// The 16 bytes that precede the key in the library's file; the built library
// carries zeros after them, which it takes as having no key at all.
constexpr char kKeyMarker[16] = {'O', 'r', 'v', 'a', 'n', 'e', ' ', 'h', 'o', 'o', 'k', ' ', 'k', 'e', 'y', ':'};

using Word = unsigned long long;

// What the keyed function is asked, so that the name never doubles as a check.
constexpr Word kNameTag = 0x656d616e2d6b6f6fULL;
constexpr Word kTargetTag = 0x7465677261742d6bULL;

// The key's place in a library's bytes: the offset just past the marker when
// it occurs exactly once with room for the key after it, else -1.
inline long KeyOffset(const unsigned char* bytes, unsigned long size) {
    long found = -1;
    for (unsigned long at = 0; at + sizeof(kKeyMarker) + kKeySize <= size; ++at) {
        unsigned i = 0;
        while (i < sizeof(kKeyMarker) && bytes[at + i] == static_cast<unsigned char>(kKeyMarker[i])) ++i;
        if (i < sizeof(kKeyMarker)) continue;
        if (found >= 0) return -1;
        found = static_cast<long>(at + sizeof(kKeyMarker));
    }
    return found;
}

inline bool HasKey(const volatile unsigned char* key) {
    unsigned char any = 0;
    for (unsigned i = 0; i < kKeySize; ++i) any |= key[i];
    return any != 0;
}

namespace detail {
inline Word Rotate(Word x, int bits) { return (x << bits) | (x >> (64 - bits)); }
inline void Round(Word& v0, Word& v1, Word& v2, Word& v3) {
    v0 += v1;
    v1 = Rotate(v1, 13);
    v1 ^= v0;
    v0 = Rotate(v0, 32);
    v2 += v3;
    v3 = Rotate(v3, 16);
    v3 ^= v2;
    v0 += v3;
    v3 = Rotate(v3, 21);
    v3 ^= v0;
    v2 += v1;
    v1 = Rotate(v1, 17);
    v1 ^= v2;
    v2 = Rotate(v2, 32);
}
inline Word LittleEndian(const volatile unsigned char* bytes) {
    Word word = 0;
    for (int i = 7; i >= 0; --i) word = (word << 8) | bytes[i];
    return word;
}
} // namespace detail

// SipHash-2-4 of count 64-bit words (taken as their little-endian bytes).
inline Word KeyedHash(const volatile unsigned char* key, const Word* words, unsigned count) {
    const Word k0 = detail::LittleEndian(key), k1 = detail::LittleEndian(key + 8);
    Word v0 = k0 ^ 0x736f6d6570736575ULL, v1 = k1 ^ 0x646f72616e646f6dULL;
    Word v2 = k0 ^ 0x6c7967656e657261ULL, v3 = k1 ^ 0x7465646279746573ULL;
    for (unsigned i = 0; i < count; ++i) {
        v3 ^= words[i];
        detail::Round(v0, v1, v2, v3);
        detail::Round(v0, v1, v2, v3);
        v0 ^= words[i];
    }
    const Word last = static_cast<Word>(count * 8) << 56;
    v3 ^= last;
    detail::Round(v0, v1, v2, v3);
    detail::Round(v0, v1, v2, v3);
    v0 ^= last;
    v2 ^= 0xff;
    for (int i = 0; i < 4; ++i) detail::Round(v0, v1, v2, v3);
    return v0 ^ v1 ^ v2 ^ v3;
}

constexpr char kBlockNamePrefix[] = "KeyCountData-";
// The prefix, 16 hexadecimal digits and the end.
constexpr unsigned kBlockNameSize = sizeof(kBlockNamePrefix) + 16;

// The name of the shared block of the library that carries this key.
inline void BlockName(const volatile unsigned char* key, char (&name)[kBlockNameSize]) {
    const Word tag = kNameTag;
    const Word hash = KeyedHash(key, &tag, 1);
    unsigned at = 0;
    for (; kBlockNamePrefix[at]; ++at) name[at] = kBlockNamePrefix[at];
    for (int shift = 60; shift >= 0; shift -= 4) name[at++] = "0123456789abcdef"[(hash >> shift) & 0xf];
    name[at] = '\0';
}

// The check stored beside the target window: only a holder of the key can
// make the one that fits a window and its process.
inline Word TargetCheck(const volatile unsigned char* key, unsigned long window, unsigned long process) {
    const Word words[] = {kTargetTag, (static_cast<Word>(process) << 32) | window};
    return KeyedHash(key, words, 2);
}

} // namespace keyhook
