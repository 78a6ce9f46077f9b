// Any text from the TCP/IP origin's peer: at most a code's worth of values,
// each one character (0 to 255), and the viewer's lines of them in every format.
#include "core/Model.h"
#include "input/OriginCodes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    core::TCommand sequence;
    input::FillFromText(sequence, text);
    if (sequence.CodeHigh() > core::kMaxCodeIndex) std::abort();
    for (int i = 0; i <= sequence.CodeHigh(); ++i)
        if (sequence.Code[i] < 0 || sequence.Code[i] > 255) std::abort();
    for (const auto format : {input::DataFormat::Decimal, input::DataFormat::Hexadecimal, input::DataFormat::Ascii})
        (void)input::SequenceViewerLine(format, sequence);
    return 0;
}
