#pragma once
// The clipboard in memory: formats registered by name from 0xC000 on, as
// Windows numbers them.
#include "platform/Clipboard.h"

#include <map>

namespace orvane::fakes {

class FakeClipboard : public platform::Clipboard {
public:
    std::uint32_t RegisterFormat(const std::string& name) override {
        auto [it, added] = formats_.try_emplace(name, 0xC000u + static_cast<std::uint32_t>(formats_.size()));
        return it->second;
    }
    bool Put(const std::vector<platform::ClipboardItem>& items) override {
        if (locked) return false;
        contents_.clear();
        for (const auto& item : items) contents_[item.format] = item.bytes;
        return true;
    }
    std::optional<std::string> Read(std::uint32_t format) override {
        auto it = contents_.find(format);
        if (it == contents_.end()) return std::nullopt;
        return it->second;
    }
    // Another program holds the clipboard open.
    bool locked = false;

private:
    std::map<std::string, std::uint32_t> formats_;
    std::map<std::uint32_t, std::string> contents_;
};

} // namespace orvane::fakes
