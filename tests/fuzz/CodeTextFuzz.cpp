// Any text as a stored code, at every width the first byte picks (the
// configuration file's digit count is as hostile as the text): at most 1001
// values, and a code read back from what is written is the same code.
#include "config/CodeText.h"
#include "core/Model.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    if (size == 0) return 0;
    const int digits = static_cast<std::int8_t>(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    core::TCommand command;
    config::ReadCode(text, digits, command);
    if (command.CodeHigh() < -1 || command.CodeHigh() > core::kMaxCodeIndex) std::abort();
    const config::CodeText written = config::WriteCode(command);
    core::TCommand back;
    config::ReadCode(written.text, written.digits, back);
    if (back.CodeHigh() != command.CodeHigh()) std::abort();
    for (int i = 0; i <= command.CodeHigh(); ++i)
        if (back.Code[i] != command.Code[i]) std::abort();
    return 0;
}
