#pragma once
#include "platform/Registry.h"

namespace orvane::platform::win32 {

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path, bool create) override;
};

} // namespace orvane::platform::win32
