#include "fakes/FakeLibraries.h"

#include "core/Text.h"

#include <algorithm>

namespace orvane::fakes {

class FakeLibrary : public platform::Library {
public:
    FakeLibrary(FakeLibraryLoader& loader, std::string name) : loader_(loader), name_(std::move(name)) {
        ++loader_.loaded_;
    }
    ~FakeLibrary() override {
        --loader_.loaded_;
        loader_.log.push_back("free " + name_);
    }

    platform::EntryPoint Find(const std::string& entry) override {
        const auto& entries = Definition().entries;
        auto found = std::find(entries.begin(), entries.end(), entry);
        return found == entries.end() ? 0 : static_cast<platform::EntryPoint>(found - entries.begin()) + 1;
    }

    std::int32_t CallWithInteger(platform::EntryPoint entry, std::int32_t argument) override {
        loader_.log.push_back(Name(entry) + "(" + std::to_string(argument) + ")");
        auto& answers = Definition().answers;
        if (answers.empty()) return 0;
        const std::int32_t answer = answers.front();
        if (answers.size() > 1) answers.pop_front();
        return answer;
    }

    std::int32_t CallWithWindow(platform::EntryPoint entry, platform::WindowHandle window) override {
        const std::string name = Name(entry);
        loader_.log.push_back(name + "(" + std::to_string(window) + ")");
        const auto& results = Definition().windowResults;
        const auto found = results.find(name);
        return found == results.end() ? 1 : found->second;
    }

    std::string CallForText(platform::EntryPoint entry, std::size_t capacity) override {
        const std::string name = Name(entry);
        loader_.log.push_back(name + "(text)");
        const auto& texts = Definition().texts;
        const auto found = texts.find(name);
        return found == texts.end() ? std::string() : found->second.substr(0, capacity);
    }

    void CallWithoutArguments(platform::EntryPoint entry) override { loader_.log.push_back(Name(entry) + "()"); }

private:
    FakeLibraryLoader::Definition& Definition() { return loader_.FindProvided(name_)->definition; }
    std::string Name(platform::EntryPoint entry) {
        const auto& entries = Definition().entries;
        return entry >= 1 && entry <= entries.size() ? entries[entry - 1] : "<no entry>";
    }

    FakeLibraryLoader& loader_;
    std::string name_;
};

void FakeLibraryLoader::Provide(const std::string& fileName, Definition definition) {
    if (Provided* existing = FindProvided(fileName))
        existing->definition = std::move(definition);
    else
        provided_.push_back({fileName, std::move(definition)});
}

void FakeLibraryLoader::Answer(const std::string& fileName, std::int32_t answer) {
    if (Provided* existing = FindProvided(fileName)) existing->definition.answers.push_back(answer);
}

std::unique_ptr<platform::Library> FakeLibraryLoader::Load(const std::string& fileName) {
    Provided* found = fileName.empty() ? nullptr : FindProvided(fileName);
    if (!found) {
        log.push_back("load failed " + fileName);
        return nullptr;
    }
    log.push_back("load " + found->name);
    return std::make_unique<FakeLibrary>(*this, found->name);
}

int FakeLibraryLoader::LoadCount(const std::string& fileName) const {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& line) {
        return line.rfind("load ", 0) == 0 && SameText(line.substr(5), fileName);
    }));
}

FakeLibraryLoader::Provided* FakeLibraryLoader::FindProvided(const std::string& fileName) {
    for (Provided& p : provided_)
        if (SameText(p.name, fileName)) return &p;
    return nullptr;
}

} // namespace orvane::fakes
