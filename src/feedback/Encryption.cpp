#include "feedback/Encryption.h"

#include "core/Exception.h"

#include <random>

namespace orvane::feedback {
namespace {

const char kHexDigits[] = "0123456789ABCDEF";

void AppendPair(std::string& out, unsigned value) {
    out += kHexDigits[(value >> 4) & 0xF];
    out += kHexDigits[value & 0xF];
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// One pair (or the single digit left at the end of the first pair) as a
// number; anything else is the conversion error of a hexadecimal text.
unsigned PairValue(const std::string& text, std::size_t at) {
    const std::string pair = text.substr(at, 2);
    unsigned value = 0;
    for (char c : pair) {
        const int digit = DigitValue(c);
        if (digit < 0) throw EConvertError::InvalidInteger("$" + pair);
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return value;
}

// Steps through the key from its first byte, wrapping at its end.
class KeyCycle {
public:
    explicit KeyCycle(const std::string& key) : key_(key.empty() ? kDefaultKey : key) {}
    unsigned Next() {
        position_ = position_ % key_.size() + 1;
        return static_cast<unsigned char>(key_[position_ - 1]);
    }

private:
    const std::string& key_;
    std::size_t position_ = 0;
};

} // namespace

std::string Encipher(const std::string& text, const std::string& key, std::uint8_t start) {
    KeyCycle k(key);
    std::string out;
    out.reserve(2 + 2 * text.size());
    unsigned b = start;
    AppendPair(out, b);
    for (char c : text) {
        b = ((b + static_cast<unsigned char>(c)) % 255) ^ k.Next();
        AppendPair(out, b);
    }
    return out;
}

std::string Decipher(const std::string& text, const std::string& key) {
    KeyCycle k(key);
    std::string out;
    unsigned b = PairValue(text, 0);
    // A single character left at the end is ignored.
    for (std::size_t at = 2; at + 1 < text.size(); at += 2) {
        const unsigned v = PairValue(text, at);
        const unsigned d = v ^ k.Next();
        out += static_cast<char>(b < d ? d - b : d + 255 - b);
        b = v;
    }
    return out;
}

TArnEncryption::TArnEncryption() {
    RandomByte = [] {
        static std::random_device device;
        return static_cast<std::uint8_t>(device() & 0xFF);
    };
}

void TArnEncryption::Execute() {
    if (Input.empty()) {
        Output.clear();
        return;
    }
    Output = Action == TActionType::atEncryption ? Encipher(Input, Key, RandomByte()) : Decipher(Input, Key);
}

} // namespace orvane::feedback
