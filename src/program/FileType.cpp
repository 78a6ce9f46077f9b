#include "program/FileType.h"

#include "core/Exception.h"

namespace orvane::program {

void RegisterFileType(platform::Registry& registry, platform::Shell& shell) {
    const std::string program = shell.ExecutablePath();
    const std::pair<const char*, std::string> keys[] = {
        {".orv", "Orvane"},
        {"Orvane", "Orvane"},
        {"Orvane\\DefaultIcon", program + ",1"},
        {"Orvane\\Shell\\Open", "&Open"},
        {"Orvane\\Shell\\Open\\Command", "\"" + program + "\" \"%1\""},
    };
    for (const auto& [path, value] : keys) {
        auto key = registry.OpenKey(platform::RootKey::ClassesRoot, path, true);
        if (!key) throw ERegistryException(std::string("Failed to create key ") + path);
        key->WriteString("", value);
    }
    shell.NotifyAssociationsChanged();
}

} // namespace orvane::program
