#pragma once
// An in-memory registry: both roots, keys and typed values, names matched
// without regard to case but kept as first written, values listed in the
// order they were created. Counts opened and closed keys so that tests can
// check that nothing is cached.
#include "platform/Registry.h"

#include <map>
#include <memory>

namespace orvane::fakes {

class FakeRegistry : public platform::Registry {
public:
    struct Node {
        std::string name;
        std::vector<std::pair<std::string, platform::RegistryValue>> values;
        std::vector<std::shared_ptr<Node>> children;
    };

    FakeRegistry();
    std::unique_ptr<platform::RegistryKey> OpenKey(platform::RootKey root, const std::string& path, bool create) override;

    // Test helpers: read or place a value without opening a key.
    std::optional<platform::RegistryValue> Get(platform::RootKey root, const std::string& path, const std::string& name);
    void Set(platform::RootKey root, const std::string& path, const std::string& name, platform::RegistryValue value);

    // While set, every value write fails, as on a key without write access.
    bool failWrites = false;
    // Values (by name, in any key) whose writes fail.
    std::vector<std::string> failingValues;
    // Keys that cannot be opened, nor created, as ones without access rights:
    // paths compared without regard to case or a leading '\\'.
    std::vector<std::string> lockedKeys;
    // The names of the values written, in order, spelled as the writer did.
    std::vector<std::string> valuesWritten;
    int keysOpened = 0;
    int keysClosed = 0;

private:
    // Shared so that a key left open on a deleted subkey stays valid, as a
    // handle to a deleted key does.
    std::shared_ptr<Node> Find(platform::RootKey root, const std::string& path, bool create);
    std::map<platform::RootKey, std::shared_ptr<Node>> roots_;
};

} // namespace orvane::fakes
