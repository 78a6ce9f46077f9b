#pragma once
// Libraries loaded at run time by file name, and calls into their entry
// points with the system's standard calling convention. The program calls
// only a few shapes of entry point, so each shape has its own call.
#include "platform/WindowSystem.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace orvane::platform {

using EntryPoint = std::uintptr_t; // 0: not found

// A loaded library; destroying it frees the library (FreeLibrary).
class Library {
public:
    virtual ~Library() = default;
    // The exported entry of that name (GetProcAddress), or 0.
    virtual EntryPoint Find(const std::string& name) = 0;
    // int32 entry(int32)
    virtual std::int32_t CallWithInteger(EntryPoint entry, std::int32_t argument) = 0;
    // int32 entry(window handle)
    virtual std::int32_t CallWithWindow(EntryPoint entry, WindowHandle window) = 0;
    // int32 entry(char* buffer, int32 size): the text the entry wrote, at
    // most capacity characters whatever it claims.
    virtual std::string CallForText(EntryPoint entry, std::size_t capacity) = 0;
    // entry()
    virtual void CallWithoutArguments(EntryPoint entry) = 0;
};

class LibraryLoader {
public:
    virtual ~LibraryLoader() = default;
    // Loads the library (LoadLibrary); null when it cannot be loaded.
    virtual std::unique_ptr<Library> Load(const std::string& fileName) = 0;
};

} // namespace orvane::platform
