#pragma once
// The small reversible cipher that keeps the restore password in the registry
// as text: a random start byte, then one byte per character, each written as
// two upper-case hexadecimal digits. Stored "Restore" values depend on this
// exact format.
#include <cstdint>
#include <functional>
#include <string>

namespace orvane::feedback {

enum class TActionType { atEncryption, atDecryption };

// The key the restore password is enciphered and deciphered with: 11 letters
// and digits, the byte 0xF1, 8 letters and digits and 0xF1 again.
inline const std::string kRestoreKey = "qm3v7xk2pzt\xF1hyr4nc6w\xF1";
// Used in place of an empty key.
inline const std::string kDefaultKey = "Wen Kol";

class TArnEncryption {
public:
    TArnEncryption();

    std::string Input;
    std::string Output;
    std::string Key;
    TActionType Action = TActionType::atEncryption;
    // The start byte of each enciphering; random, so that one password gives
    // a different text each time.
    std::function<std::uint8_t()> RandomByte;

    // Output := the transform of Input with Key; empty for an empty Input. A
    // deciphered text that is not hexadecimal raises EConvertError.
    void Execute();
};

std::string Encipher(const std::string& text, const std::string& key, std::uint8_t start);
std::string Decipher(const std::string& text, const std::string& key);

} // namespace orvane::feedback
