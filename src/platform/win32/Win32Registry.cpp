#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace orvane::platform::win32 {
namespace {

HKEY RootHandle(RootKey root) {
    return root == RootKey::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

std::string StripLeadingBackslashes(const std::string& path) {
    std::size_t start = path.find_first_not_of('\\');
    return start == std::string::npos ? std::string() : path.substr(start);
}

class Win32Key : public RegistryKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    std::optional<RegistryValue> QueryValue(const std::string& name) override {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        std::string data(size, '\0');
        // The value may grow between the two calls; ask again until it fits.
        LONG result;
        while ((result = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                                          reinterpret_cast<BYTE*>(data.data()), &size)) == ERROR_MORE_DATA)
            data.resize(size);
        if (result != ERROR_SUCCESS) return std::nullopt;
        data.resize(size);
        if ((type == REG_SZ || type == REG_EXPAND_SZ) && !data.empty() && data.back() == '\0')
            data.resize(data.find('\0'));
        return RegistryValue{static_cast<ValueType>(type), data};
    }

    bool SetValue(const std::string& name, const RegistryValue& value) override {
        std::string bytes = value.data;
        if (value.type == ValueType::String || value.type == ValueType::ExpandString) bytes.push_back('\0');
        return RegSetValueExA(key_, name.c_str(), 0, static_cast<DWORD>(value.type),
                              reinterpret_cast<const BYTE*>(bytes.data()),
                              static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    }

    bool DeleteValue(const std::string& name) override {
        return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
    }

    bool DeleteSubKey(const std::string& name) override {
        // RegDeleteKey removes only empty keys on NT; clear the subtree first.
        HKEY child = nullptr;
        if (RegOpenKeyExA(key_, name.c_str(), 0, KEY_ALL_ACCESS, &child) != ERROR_SUCCESS) return false;
        {
            Win32Key sub(child);
            for (const auto& grandchild : sub.SubKeyNames()) sub.DeleteSubKey(grandchild);
        }
        return RegDeleteKeyA(key_, name.c_str()) == ERROR_SUCCESS;
    }

    std::vector<std::string> ValueNames() override {
        return Enumerate([this](DWORD index, char* buffer, DWORD* length) {
            return RegEnumValueA(key_, index, buffer, length, nullptr, nullptr, nullptr, nullptr);
        });
    }

    std::vector<std::string> SubKeyNames() override {
        return Enumerate([this](DWORD index, char* buffer, DWORD* length) {
            return RegEnumKeyExA(key_, index, buffer, length, nullptr, nullptr, nullptr, nullptr);
        });
    }

private:
    template <typename EnumFn>
    std::vector<std::string> Enumerate(EnumFn enumerate) {
        std::vector<std::string> names;
        // Value names reach 16383 characters; key names 255.
        std::string buffer(16384, '\0');
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(buffer.size());
            if (enumerate(index, buffer.data(), &length) != ERROR_SUCCESS) break;
            names.emplace_back(buffer.data(), length);
        }
        return names;
    }

    HKEY key_;
};

} // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RootKey root, const std::string& path, bool create) {
    const std::string relative = StripLeadingBackslashes(path);
    HKEY key = nullptr;
    LONG result;
    if (create)
        result = RegCreateKeyExA(RootHandle(root), relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &key, nullptr);
    else
        result = RegOpenKeyExA(RootHandle(root), relative.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (result != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
}

} // namespace orvane::platform::win32
