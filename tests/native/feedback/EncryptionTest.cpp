// The restore password's cipher: its stored format, the round trip of every
// byte, and hostile stored texts.
#include "core/Exception.h"
#include "feedback/Encryption.h"

#include <gtest/gtest.h>

#include <cctype>

namespace orvane::feedback {
namespace {

TEST(ArnEncryption, KeepsTheStoredFormat) {
    // b = ((0x10 + 'A') mod 255) xor 'q' = 0x51 xor 0x71.
    EXPECT_EQ(Encipher("A", kRestoreKey, 0x10), "1020");
    EXPECT_EQ(Encipher("Abc", kRestoreKey, 0xFE).size(), 8u);
    // An empty key is the default key.
    EXPECT_EQ(Encipher("secret", "", 7), Encipher("secret", kDefaultKey, 7));
    EXPECT_EQ(Decipher(Encipher("secret", "", 7), kDefaultKey), "secret");
    // The key wraps: a text longer than the key deciphers whole.
    const std::string longText(50, '\xF1');
    EXPECT_EQ(Decipher(Encipher(longText, kRestoreKey, 200), kRestoreKey), longText);
}

TEST(ArnEncryption, EveryByteSurvivesExceptA255AfterA255) {
    for (int start = 0; start < 256; ++start) {
        for (int t = 1; t < 256; ++t) {
            const std::string text(1, static_cast<char>(t));
            const std::string back = Decipher(Encipher(text, kRestoreKey, static_cast<std::uint8_t>(start)), kRestoreKey);
            const int expected = (t == 255 && start == 255) ? 0 : t;
            ASSERT_EQ(back, std::string(1, static_cast<char>(expected))) << "start " << start << " byte " << t;
        }
    }
}

TEST(ArnEncryption, TwoEncipheringsDifferAndBothDecipher) {
    TArnEncryption cipher;
    std::uint8_t next = 41;
    cipher.RandomByte = [&] { return next++; };
    cipher.Key = kRestoreKey;
    cipher.Input = "Abc";
    cipher.Execute();
    const std::string first = cipher.Output;
    cipher.Execute();
    const std::string second = cipher.Output;
    EXPECT_NE(first, second);
    cipher.Action = TActionType::atDecryption;
    for (const std::string& stored : {first, second}) {
        cipher.Input = stored;
        cipher.Execute();
        EXPECT_EQ(cipher.Output, "Abc");
    }
    cipher.Input = "";
    cipher.Execute();
    EXPECT_EQ(cipher.Output, "");
}

TEST(ArnEncryption, AStoredTextThatIsNotHexadecimalIsAConversionError) {
    EXPECT_THROW(Decipher("zz10", kRestoreKey), EConvertError);
    EXPECT_THROW(Decipher("10G0", kRestoreKey), EConvertError);
    try {
        Decipher("1020 x", kRestoreKey);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'$ x' is not a valid integer value");
    }
    // A single character left at the end is ignored; lower case is hexadecimal too.
    EXPECT_EQ(Decipher("1020F", kRestoreKey), "A");
    std::string stored = Encipher("Abc", kRestoreKey, 0xFE);
    for (char& c : stored) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(Decipher(stored, kRestoreKey), "Abc");
}

} // namespace
} // namespace orvane::feedback
