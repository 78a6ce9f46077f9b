#pragma once
// Libraries a test provides by file name, with scripted entry points, and a
// record of every load, free and call in the order they happened.
#include "platform/Libraries.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeLibraryLoader : public platform::LibraryLoader {
public:
    struct Definition {
        // Exported names; an entry with an answer script returns its next
        // answer (then the last one again), else 0.
        std::vector<std::string> entries;
        std::deque<std::int32_t> answers;
        // What an entry called with a window returns; 1 (TRUE) when not set.
        std::map<std::string, std::int32_t> windowResults = {};
        // What an entry called for a text writes; empty when not set.
        std::map<std::string, std::string> texts = {};
    };

    // Makes fileName loadable (matched exactly, case aside) with these entries.
    void Provide(const std::string& fileName, Definition definition);
    // Queues more answers for a provided library's integer entry.
    void Answer(const std::string& fileName, std::int32_t answer);

    std::unique_ptr<platform::Library> Load(const std::string& fileName) override;

    // "load NAME", "load failed NAME", "free NAME", "ENTRY(ARG)", "ENTRY()",
    // "ENTRY(text)", with window handles in decimal.
    std::vector<std::string> log;
    int LoadCount(const std::string& fileName) const;
    int LoadedNow() const { return loaded_; }

private:
    friend class FakeLibrary;
    struct Provided {
        std::string name;
        Definition definition;
    };
    Provided* FindProvided(const std::string& fileName);
    std::vector<Provided> provided_;
    int loaded_ = 0;
};

} // namespace orvane::fakes
