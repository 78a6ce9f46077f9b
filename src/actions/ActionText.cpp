#include "actions/ActionText.h"

#include "core/Exception.h"

#include <cstdint>
#include <limits>

namespace orvane::actions {

namespace {

// Positions count from 1, as the format was defined; 0 means "not found".
using Position = long long;

Position Pos(std::string_view text, std::string_view marker) {
    const std::size_t at = text.find(marker);
    return at == std::string_view::npos ? 0 : static_cast<Position>(at) + 1;
}

// The count characters from position start, clipped to the text: a start
// before the text reads from its first character, a start past its end or a
// count below one reads nothing.
std::string Copy(std::string_view text, Position start, Position count) {
    if (start < 1) start = 1;
    const auto size = static_cast<Position>(text.size());
    if (start > size || count < 1) return {};
    if (count > size - start + 1) count = size - start + 1;
    return std::string(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)));
}

constexpr Position kToEnd = std::numeric_limits<Position>::max() / 2;

// The field after marker `from` up to marker `to`.
std::string Between(std::string_view text, std::string_view from, std::string_view to) {
    const Position start = Pos(text, from) + static_cast<Position>(from.size());
    return Copy(text, start, Pos(text, to) - start);
}

// The field from a fixed position up to a marker.
std::string FromUpTo(std::string_view text, Position start, std::string_view to) {
    return Copy(text, start, Pos(text, to) - start);
}

// The field after a marker, to the end of the text.
std::string After(std::string_view text, std::string_view from) {
    return Copy(text, Pos(text, from) + static_cast<Position>(from.size()), kToEnd);
}

// One character at an offset from a marker's end (0: just after it).
std::string DigitAfter(std::string_view text, std::string_view marker, Position offset = 0) {
    return Copy(text, Pos(text, marker) + static_cast<Position>(marker.size()) + offset, 1);
}

char LetterAt(std::string_view text, Position position) {
    const std::string one = Copy(text, position, 1);
    return one.empty() ? '\0' : one[0];
}

char LetterAfter(std::string_view text, std::string_view marker, Position offset = 0) {
    return LetterAt(text, Pos(text, marker) + static_cast<Position>(marker.size()) + offset);
}

constexpr const char* kTypeNames[] = {"SendKeys", "MouseControl", "ExecuteProgram", "PostMessage",
                                      "Mixer",    "Shutdown",     "WindowState",    "OSD"};
constexpr int kTypeImages[] = {0, 1, 2, 3, 4, 5, 5, 6};

// Where the fields without a marker start: just after a tag at the start.
constexpr Position kSendKeysFlags = 11;
constexpr Position kSendKeysKey = 15;
constexpr Position kMessageStart = 14;
constexpr Position kMixerLineStart = 8;
constexpr Position kShutdownStart = 11;
constexpr Position kWindowStateStart = 14;
constexpr Position kOSDStart = 6;

} // namespace

std::string TypeTag(ActionType type) {
    return std::string(1, kTypeMark) + kTypeNames[static_cast<int>(type)] + kTypeMark;
}

int TypeImage(ActionType type) { return kTypeImages[static_cast<int>(type)]; }

std::vector<ActionType> TypesIn(std::string_view text, const TypeOrder& order) {
    std::vector<ActionType> found;
    for (ActionType type : order)
        if (Pos(text, TypeTag(type)) > 0) found.push_back(type);
    return found;
}

std::optional<int> TryFieldInteger(std::string_view field) {
    std::size_t i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    if (i == field.size()) return std::nullopt;
    constexpr std::int64_t kLimit = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kLimit) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<int>(value);
}

int FieldInteger(std::string_view field) {
    if (const std::optional<int> value = TryFieldInteger(field)) return *value;
    throw EConvertError::InvalidInteger(std::string(field));
}

char LastLetter(std::string_view text) { return text.empty() ? '\0' : text.back(); }

SendKeysFields ReadSendKeys(std::string_view text) {
    SendKeysFields f;
    f.alt = LetterAt(text, kSendKeysFlags);
    f.ctrl = LetterAt(text, kSendKeysFlags + 1);
    f.shift = LetterAt(text, kSendKeysFlags + 2);
    f.keyKind = LetterAt(text, kSendKeysFlags + 3);
    f.key = FromUpTo(text, kSendKeysKey, "Delay:");
    f.delay = Between(text, "Delay:", "DestWnd:");
    f.window = Between(text, "DestWnd:", "KeepActive:");
    f.keepActive = LastLetter(text);
    return f;
}

MouseFields ReadMouseControl(std::string_view text) {
    MouseFields f;
    f.click = Pos(text, "Click:") > 0;
    f.relMove = Pos(text, "RelMove:") > 0;
    f.absMove = Pos(text, "AbsMove:") > 0;
    if (f.click) {
        f.button = DigitAfter(text, "Click:");
        f.doubleClick = LetterAfter(text, "Click:", 1);
    }
    if (f.relMove) {
        f.direction = DigitAfter(text, "RelMove:");
        f.accel = Between(text, "Accel:", "Delay:");
    }
    if (f.absMove) {
        // Neither the tag nor any marker word holds a capital X or Y.
        f.x = Between(text, "X", "Y");
        f.y = Between(text, "Y", "Delay:");
    }
    f.delay = After(text, "Delay:");
    return f;
}

ProgramFields ReadExecuteProgram(std::string_view text) {
    ProgramFields f;
    f.tryFirst = Between(text, "Try:", "Filename:");
    f.file = Between(text, "Filename:", "Params:");
    f.params = Between(text, "Params:", "Suspend:");
    f.suspend = LetterAfter(text, "Suspend:");
    f.delay = After(text, "Delay:");
    return f;
}

MessageFields ReadPostMessage(std::string_view text) {
    MessageFields f;
    f.message = FromUpTo(text, kMessageStart, "wParam:");
    f.wParam = Between(text, "wParam:", "lParam:");
    f.lParam = Between(text, "lParam:", "Delay:");
    f.delay = Between(text, "Delay:", "DestWnd:");
    f.window = Between(text, "DestWnd:", "KeepActive:");
    f.keepActive = LastLetter(text);
    return f;
}

MixerFields ReadMixer(std::string_view text) {
    MixerFields f;
    f.line = FromUpTo(text, kMixerLineStart, "Volume:");
    f.volume = DigitAfter(text, "Volume:");
    f.increment = Between(text, "Increment:", "Delay:");
    f.delay = After(text, "Delay:");
    return f;
}

PlainFields ReadShutdown(std::string_view text) {
    return {FromUpTo(text, kShutdownStart, "Delay:"), After(text, "Delay:")};
}

PlainFields ReadWindowState(std::string_view text) {
    return {FromUpTo(text, kWindowStateStart, "Delay:"), After(text, "Delay:")};
}

PlainFields ReadOSD(std::string_view text) { return {FromUpTo(text, kOSDStart, "Delay:"), After(text, "Delay:")}; }

} // namespace orvane::actions
