#include "input/CompressStream.h"

#include "input/CompressErrors.h"
#include "input/Lzrw1KH.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

namespace orvane::input {
namespace {

using namespace std::string_view_literals;
using testing::B;

struct Block {
    std::int32_t size;
    Bytes data;
};

// Reads the layout independently of the decoder: signature, T, then blocks.
std::vector<Block> Blocks(const Bytes& container) {
    EXPECT_EQ(Bytes(container.begin(), container.begin() + 6), B("PMCS10"));
    std::int64_t total = 0;
    std::vector<Block> blocks;
    for (std::size_t at = 10; at < container.size();) {
        const std::int32_t n = ReadInt32LE(container, at);
        blocks.push_back({n, Bytes(container.begin() + std::ptrdiff_t(at + 4),
                                   container.begin() + std::ptrdiff_t(at + 4 + std::size_t(n)))});
        total += 4 + n;
        at += 4 + std::size_t(n);
    }
    EXPECT_EQ(ReadInt32LE(container, 6), total);
    return blocks;
}

TEST(CompressStream, EmptySourceIsTheHeaderAlone) {
    const Bytes container = TCompressStream::Compress({});
    EXPECT_EQ(container, B("PMCS10\0\0\0\0"sv));
    EXPECT_TRUE(TCompressStream::Decompress(container).empty());
}

TEST(CompressStream, LargeSourceIsCutIntoBlocksAndComesBack) {
    const Bytes source = testing::MixedBytes(100000, 3);
    const Bytes container = TCompressStream::Compress(source);
    const auto blocks = Blocks(container);
    ASSERT_EQ(blocks.size(), 4u); // 3 x 32783 + 1651
    Bytes joined;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].data[0], 0x40);
        const Bytes part = Lzrw1KHDecompress(blocks[i].data);
        EXPECT_EQ(part.size(), i < 3 ? 32783u : 1651u);
        joined.insert(joined.end(), part.begin(), part.end());
    }
    EXPECT_EQ(joined, source);
    EXPECT_EQ(TCompressStream::Decompress(container), source);
}

TEST(CompressStream, IncompressibleBlocksAreStored) {
    const Bytes source = testing::RandomBytes(32784, 4);
    const auto blocks = Blocks(TCompressStream::Compress(source));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].size, 32784);
    EXPECT_EQ(blocks[0].data[0], 0x80);
    EXPECT_EQ(blocks[1].data, Bytes({0x80, source.back()}));
}

TEST(CompressStream, ReadsAContainerWrittenBefore) {
    const Bytes container = B("PMCS10\x0b\0\0\0\x07\0\0\0\x40\x80\0\0\0\x04Z"sv);
    EXPECT_EQ(TCompressStream::Decompress(container), Bytes(20, 'Z'));
}

TEST(CompressStream, OtherSignaturesAreTheWrongFileType) {
    for (const Bytes& data : {Bytes{}, B("PMCS"), B("PMCS11\0\0\0\0"sv), B("MZ\x90\0\3\0\0\0\4\0"sv)}) {
        try {
            TCompressStream::Decompress(data);
            ADD_FAILURE() << "accepted a foreign file";
        } catch (const ECompressStream& e) {
            EXPECT_STREQ(e.what(), "Wrong file type");
        }
    }
}

TEST(CompressStream, InconsistentSizesRaise) {
    const Bytes good = TCompressStream::Compress(testing::MixedBytes(40000, 5));
    auto with = [&](std::size_t at, std::int32_t value) {
        Bytes bad = good;
        WriteInt32LE(bad.data() + at, value);
        return bad;
    };
    const std::int32_t total = ReadInt32LE(good, 6), first = ReadInt32LE(good, 10);
    for (const Bytes& bad : {with(6, -1), with(6, total + 1), with(6, total - 1), with(10, 0), with(10, -5),
                             with(10, total), with(10, first - 1), with(10, first + 1)})
        EXPECT_THROW(TCompressStream::Decompress(bad), Exception);
    // A block that would spill past a block's worth: eight runs of 4111 bytes.
    Bytes spill = B("PMCS10\x27\0\0\0\x23\0\0\0\x40\xff\0"sv);
    for (int i = 0; i < 8; ++i) spill.insert(spill.end(), {0x00, 0x0F, 0xFF, 'x'});
    EXPECT_THROW(TCompressStream::Decompress(spill), ELzrw1KHCompressor);
}

// Every truncation is caught by the total; mutations anywhere either decode
// or raise one of the program's exceptions.
TEST(CompressStream, TruncatedOrMutatedContainersNeverCrash) {
    const Bytes good = TCompressStream::Compress(testing::MixedBytes(70000, 6));
    for (std::size_t cut = 0; cut < good.size(); cut += 1 + cut / 16)
        EXPECT_THROW(TCompressStream::Decompress(Bytes(good.begin(), good.begin() + std::ptrdiff_t(cut))),
                     Exception);
    std::mt19937 rng(99);
    for (int i = 0; i < 2000; ++i) {
        Bytes bad = good;
        // Hit the header and block sizes often: they steer the reader.
        const std::size_t at = i % 2 ? rng() % 20 : rng() % bad.size();
        bad[at] = std::uint8_t(rng());
        try {
            EXPECT_LE(TCompressStream::Decompress(bad).size(), 3 * TCompressStream::BlockSize);
        } catch (const Exception&) {
        }
    }
}

} // namespace
} // namespace orvane::input
