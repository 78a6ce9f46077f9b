#include "fakes/FakeRegistry.h"

#include "core/Text.h"

#include <algorithm>

namespace orvane::fakes {
namespace {

using platform::RegistryValue;
using Node = FakeRegistry::Node;

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string_view WithoutLeadingSeparators(std::string_view path) {
    const std::size_t start = path.find_first_not_of('\\');
    return start == std::string_view::npos ? std::string_view() : path.substr(start);
}

std::shared_ptr<Node> Child(Node& node, const std::string& name) {
    for (auto& child : node.children)
        if (SameText(child->name, name)) return child;
    return nullptr;
}

class FakeKey : public platform::RegistryKey {
public:
    FakeKey(FakeRegistry& owner, std::shared_ptr<Node> node) : owner_(owner), keep_(std::move(node)), node_(*keep_) {
        ++owner_.keysOpened;
    }
    ~FakeKey() override { ++owner_.keysClosed; }

    std::optional<RegistryValue> QueryValue(const std::string& name) override {
        auto it = FindValue(name);
        if (it == node_.values.end()) return std::nullopt;
        return it->second;
    }

    bool SetValue(const std::string& name, const RegistryValue& value) override {
        if (owner_.failWrites) return false;
        for (const auto& failing : owner_.failingValues)
            if (SameText(failing, name)) return false;
        owner_.valuesWritten.push_back(name);
        auto it = FindValue(name);
        if (it != node_.values.end())
            it->second = value;
        else
            node_.values.emplace_back(name, value);
        return true;
    }

    bool DeleteValue(const std::string& name) override {
        auto it = FindValue(name);
        if (it == node_.values.end()) return false;
        node_.values.erase(it);
        return true;
    }

    bool DeleteSubKey(const std::string& name) override {
        auto& children = node_.children;
        auto it = std::find_if(children.begin(), children.end(),
                               [&](const auto& child) { return SameText(child->name, name); });
        if (it == children.end()) return false;
        children.erase(it);
        return true;
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        for (auto& [name, value] : node_.values) names.push_back(name);
        return names;
    }

    std::vector<std::string> SubKeyNames() override {
        std::vector<std::string> names;
        for (auto& child : node_.children) names.push_back(child->name);
        return names;
    }

private:
    auto FindValue(const std::string& name) -> decltype(Node::values)::iterator {
        return std::find_if(node_.values.begin(), node_.values.end(),
                            [&](const auto& entry) { return SameText(entry.first, name); });
    }

    FakeRegistry& owner_;
    std::shared_ptr<Node> keep_;
    Node& node_;
};

} // namespace

FakeRegistry::FakeRegistry() {
    roots_[platform::RootKey::CurrentUser] = std::make_shared<Node>(Node{"HKEY_CURRENT_USER", {}, {}});
    roots_[platform::RootKey::ClassesRoot] = std::make_shared<Node>(Node{"HKEY_CLASSES_ROOT", {}, {}});
}

std::shared_ptr<Node> FakeRegistry::Find(platform::RootKey root, const std::string& path, bool create) {
    auto node = roots_.at(root);
    for (const auto& part : SplitPath(path)) {
        auto next = Child(*node, part);
        if (!next) {
            if (!create) return nullptr;
            next = std::make_shared<Node>(Node{part, {}, {}});
            node->children.push_back(next);
        }
        node = next;
    }
    return node;
}

std::unique_ptr<platform::RegistryKey> FakeRegistry::OpenKey(platform::RootKey root, const std::string& path, bool create) {
    for (const auto& locked : lockedKeys)
        if (SameText(WithoutLeadingSeparators(locked), WithoutLeadingSeparators(path))) return nullptr;
    auto node = Find(root, path, create);
    if (!node) return nullptr;
    return std::make_unique<FakeKey>(*this, std::move(node));
}

std::optional<platform::RegistryValue> FakeRegistry::Get(platform::RootKey root, const std::string& path,
                                                         const std::string& name) {
    auto node = Find(root, path, false);
    if (!node) return std::nullopt;
    for (auto& [valueName, value] : node->values)
        if (SameText(valueName, name)) return value;
    return std::nullopt;
}

void FakeRegistry::Set(platform::RootKey root, const std::string& path, const std::string& name,
                       platform::RegistryValue value) {
    auto node = Find(root, path, true);
    for (auto& [valueName, existing] : node->values)
        if (SameText(valueName, name)) {
            existing = std::move(value);
            return;
        }
    node->values.emplace_back(name, std::move(value));
}

} // namespace orvane::fakes
