#include "platform/Registry.h"

#include "core/Exception.h"

namespace orvane::platform {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& name) {
    throw ERegistryException(std::string(what) + " '" + name + "'");
}

} // namespace

std::string RegistryKey::ReadString(const std::string& name) {
    auto value = QueryValue(name);
    if (!value) return {};
    if (value->type != ValueType::String && value->type != ValueType::ExpandString)
        Fail("Invalid data type for", name);
    return value->data;
}

std::int32_t RegistryKey::ReadInteger(const std::string& name) {
    auto value = QueryValue(name);
    if (!value) Fail("Failed to get data for", name);
    if (value->type != ValueType::DWord || value->data.size() != 4) Fail("Invalid data type for", name);
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(value->data[i]);
    return static_cast<std::int32_t>(bits);
}

std::string RegistryKey::ReadBinary(const std::string& name) {
    auto value = QueryValue(name);
    if (!value) Fail("Failed to get data for", name);
    if (value->type != ValueType::Binary && value->type != ValueType::None) Fail("Invalid data type for", name);
    return value->data;
}

void RegistryKey::WriteString(const std::string& name, const std::string& text) {
    if (!SetValue(name, {ValueType::String, text})) Fail("Failed to set data for", name);
}

void RegistryKey::WriteInteger(const std::string& name, std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    if (!SetValue(name, {ValueType::DWord, data})) Fail("Failed to set data for", name);
}

void RegistryKey::WriteBinary(const std::string& name, const std::string& bytes) {
    if (!SetValue(name, {ValueType::Binary, bytes})) Fail("Failed to set data for", name);
}

} // namespace orvane::platform
