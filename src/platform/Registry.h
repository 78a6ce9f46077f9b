#pragma once
// The Windows registry: HKEY_CURRENT_USER and HKEY_CLASSES_ROOT, keys opened
// by path, typed values. Names are matched without regard to case, as the
// registry does; the program relies on it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::platform {

enum class RootKey { CurrentUser, ClassesRoot };

// The registry's own type numbers, so that a value's type can be asserted exactly.
enum class ValueType : std::uint32_t {
    None = 0,        // REG_NONE
    String = 1,      // REG_SZ
    ExpandString = 2,// REG_EXPAND_SZ
    Binary = 3,      // REG_BINARY
    DWord = 4,       // REG_DWORD
};

struct RegistryValue {
    ValueType type = ValueType::None;
    // Strings hold their text without the terminating zero; a DWORD holds its
    // four bytes, little-endian; binary data holds its bytes.
    std::string data;

    bool operator==(const RegistryValue&) const = default;
};

// An open key. Closed when destroyed. The typed helpers raise
// ERegistryException with the registry layer's messages.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // The raw value, or nothing when the key holds no value of that name.
    virtual std::optional<RegistryValue> QueryValue(const std::string& name) = 0;
    // Returns false when the value could not be written.
    virtual bool SetValue(const std::string& name, const RegistryValue& value) = 0;
    // Returns false when there was no such value.
    virtual bool DeleteValue(const std::string& name) = 0;
    // Deletes a direct subkey with everything below it; false when missing.
    virtual bool DeleteSubKey(const std::string& name) = 0;
    virtual std::vector<std::string> ValueNames() = 0;
    virtual std::vector<std::string> SubKeyNames() = 0;

    bool ValueExists(const std::string& name) { return QueryValue(name).has_value(); }

    // Missing strings read as empty; other types than REG_SZ/REG_EXPAND_SZ raise
    // "Invalid data type for '%s'".
    std::string ReadString(const std::string& name);
    // A missing value raises "Failed to get data for '%s'"; another type
    // "Invalid data type for '%s'".
    std::int32_t ReadInteger(const std::string& name);
    bool ReadBool(const std::string& name) { return ReadInteger(name) != 0; }
    // Binary or untyped data; a missing value raises "Failed to get data for '%s'".
    std::string ReadBinary(const std::string& name);

    // A failed write raises "Failed to set data for '%s'".
    void WriteString(const std::string& name, const std::string& text);
    void WriteInteger(const std::string& name, std::int32_t value);
    void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    void WriteBinary(const std::string& name, const std::string& bytes);
};

class Registry {
public:
    virtual ~Registry() = default;

    // Opens the key at path (components separated by '\', a leading '\'
    // allowed). With create, missing keys along the path are made. Returns
    // nullptr when the key is missing (and not created) or cannot be opened.
    virtual std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path, bool create) = 0;
    bool KeyExists(RootKey root, const std::string& path) { return OpenKey(root, path, false) != nullptr; }
};

} // namespace orvane::platform
