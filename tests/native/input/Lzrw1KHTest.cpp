#include "input/Lzrw1KH.h"

#include "input/CompressErrors.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

namespace orvane::input {
namespace {

using testing::B;

Bytes Compressed(const Bytes& src) { return Lzrw1KHCompress(src); }

TEST(Lzrw1KH, CodesLiteralsRunsAndMatchesExactly) {
    EXPECT_EQ(Compressed({}), Bytes({0x80}));
    EXPECT_EQ(Compressed(Bytes(20, 'A')), Bytes({0x40, 0x80, 0x00, 0x00, 0x00, 0x04, 'A'}));
    // Three literals, then a copy overlapping its own output (distance 3, length 9).
    EXPECT_EQ(Compressed(B("abcabcabcabc")), Bytes({0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x36}));
    // Runs are cut at 4095 bytes: 5000 = 4095 + 905.
    EXPECT_EQ(Compressed(Bytes(5000, 7)), Bytes({0x40, 0xC0, 0x00, 0x00, 0x0F, 0xEF, 7, 0x00, 0x03, 0x79, 7}));
}

TEST(Lzrw1KH, StoresWhenCodingIsNotShorterThanTheSource) {
    // Coded in exactly as many bytes as the source: kept coded.
    EXPECT_EQ(Compressed(B("abcabcab")), Bytes({0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x32}));
    // One byte more than the source: stored.
    EXPECT_EQ(Compressed(B("abcabca")), Bytes({0x80, 'a', 'b', 'c', 'a', 'b', 'c', 'a'}));
    const Bytes noise = testing::RandomBytes(5000, 1);
    Bytes stored{0x80};
    stored.insert(stored.end(), noise.begin(), noise.end());
    EXPECT_EQ(Compressed(noise), stored);
}

TEST(Lzrw1KH, StartsANewControlWordAfterSixteenItems) {
    Bytes src, expected{0x40, 0xFF, 0xFF};
    for (std::uint8_t i = 0; i < 16; ++i) {
        src.insert(src.end(), 16, i);
        expected.insert(expected.end(), {0x00, 0x00, 0x00, i});
    }
    src.push_back(0xAA);
    expected.insert(expected.end(), {0x00, 0x00, 0xAA});
    EXPECT_EQ(Compressed(src), expected);
}

TEST(Lzrw1KH, EveryKindOfBufferComesBackUnchanged) {
    std::vector<Bytes> inputs;
    for (std::size_t n = 0; n <= 300; ++n) {
        inputs.push_back(testing::MixedBytes(n, std::uint32_t(n)));
        inputs.push_back(Bytes(n, 0));
    }
    // Noise repeated at the window's edge: copies at distance 4095 only, none further.
    for (std::size_t period : {1, 2, 17, 18, 19, 4095, 4096, 4097}) {
        const Bytes noise = testing::RandomBytes(period, std::uint32_t(period));
        Bytes periodic(32783);
        for (std::size_t i = 0; i < periodic.size(); ++i) periodic[i] = noise[i % period];
        if (period <= 4095) {
            EXPECT_LT(Lzrw1KHCompress(periodic).size(), periodic.size() / 2) << period;
        }
        inputs.push_back(periodic);
    }
    for (std::uint32_t seed = 0; seed < 20; ++seed) inputs.push_back(testing::MixedBytes(32783, seed));
    inputs.push_back(testing::RandomBytes(32783, 2));
    for (const Bytes& src : inputs) {
        const Bytes packed = Lzrw1KHCompress(src);
        ASSERT_LE(packed.size(), src.size() + 1);
        ASSERT_EQ(Lzrw1KHDecompress(packed, 32783), src) << "size " << src.size();
    }
}

TEST(Lzrw1KH, CorruptBuffersRaise) {
    const std::vector<Bytes> corrupt = {
        {},                                     // not even a flag
        {0x41, 0x00, 0x00, 'a'},                // unknown flag
        {0x40, 0x00},                           // control word cut short
        {0x40, 0x80, 0x00, 0x00, 0x13},         // copy from before the start
        {0x40, 0x80, 0x00, 'a'},                // copy item cut short
        {0x40, 0x80, 0x00, 0x00, 0x00, 0x04},   // run item without its byte
        {0x40, 0x00, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0x00, 0x00},
    };
    for (const Bytes& buffer : corrupt) EXPECT_THROW(Lzrw1KHDecompress(buffer), ELzrw1KHCompressor);
}

TEST(Lzrw1KH, RefusesToGrowPastTheLimit) {
    const Bytes run = Compressed(Bytes(20, 'A'));
    EXPECT_EQ(Lzrw1KHDecompress(run, 20).size(), 20u);
    EXPECT_THROW(Lzrw1KHDecompress(run, 19), ELzrw1KHCompressor);
    const Bytes match = Compressed(B("abcabcabcabc"));
    EXPECT_THROW(Lzrw1KHDecompress(match, 11), ELzrw1KHCompressor);
    EXPECT_THROW(Lzrw1KHDecompress(Bytes{0x40, 0x00, 0x00, 'a'}, 0), ELzrw1KHCompressor);
    EXPECT_THROW(Lzrw1KHDecompress(Bytes{0x80, 1, 2, 3}, 2), ELzrw1KHCompressor);
}

// Random, truncated and mutated buffers either decode within the limit or
// raise the compressor's exception; run under a sanitizer this also shows
// that nothing is read or written out of bounds.
TEST(Lzrw1KHFuzz, DamagedBuffersNeverEscapeTheirBounds) {
    std::mt19937 rng(20240607);
    int raised = 0, decoded = 0;
    auto attempt = [&](const Bytes& buffer) {
        try {
            ASSERT_LE(Lzrw1KHDecompress(buffer, 32783).size(), 32783u);
            ++decoded;
        } catch (const ELzrw1KHCompressor&) {
            ++raised;
        }
    };
    for (int i = 0; i < 3000; ++i) {
        Bytes noise = testing::RandomBytes(rng() % 300, rng());
        if (!noise.empty() && i % 2 == 0) noise[0] = 0x40;
        attempt(noise);
    }
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        const Bytes packed = Lzrw1KHCompress(testing::MixedBytes(1 + rng() % 32783, seed));
        for (std::size_t cut = 0; cut < packed.size(); cut += 1 + packed.size() / 200)
            attempt(Bytes(packed.begin(), packed.begin() + std::ptrdiff_t(cut)));
        for (int m = 0; m < 200; ++m) {
            Bytes mutated = packed;
            for (int flips = 1 + int(rng() % 4); flips > 0; --flips)
                mutated[rng() % mutated.size()] = std::uint8_t(rng());
            attempt(mutated);
        }
    }
    EXPECT_GT(raised, 1000);
    EXPECT_GT(decoded, 1000);
}

} // namespace
} // namespace orvane::input
