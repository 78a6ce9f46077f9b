#pragma once
// The field reader of action descriptions: the one place where the text of
// an action is taken apart. The action editor, the action list and the
// executor all read through it, so one text yields the same fields for each.
//
// A description is a type tag (0xA1, the type name, 0xA1) followed by fields
// that are found by marker words, by fixed positions and by the last
// character. The rules are positional and check nothing: a missing marker
// shifts what is read, but never reads outside the text. Fields come back as
// the texts they are; numbers are converted by FieldInteger where a consumer
// needs them, so a bad field fails there and only there.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::actions {

enum class ActionType { SendKeys, MouseControl, ExecuteProgram, PostMessage, Mixer, Shutdown, WindowState, OSD };

inline constexpr char kTypeMark = '\xA1';

// "\xA1" name "\xA1".
std::string TypeTag(ActionType type);
// The image of the type's rows in the action list.
int TypeImage(ActionType type);

// Every tag is searched for anywhere in the text, and each consumer runs the
// branch of every tag found, in its own order.
using TypeOrder = std::array<ActionType, 8>;
inline constexpr TypeOrder kLoadOrder = {ActionType::Shutdown,       ActionType::WindowState, ActionType::OSD,
                                         ActionType::Mixer,          ActionType::PostMessage, ActionType::ExecuteProgram,
                                         ActionType::MouseControl,   ActionType::SendKeys};
inline constexpr TypeOrder kExecuteOrder = {ActionType::SendKeys, ActionType::PostMessage, ActionType::ExecuteProgram,
                                            ActionType::MouseControl, ActionType::Mixer,   ActionType::OSD,
                                            ActionType::Shutdown,     ActionType::WindowState};
inline constexpr TypeOrder kDescribeOrder = {ActionType::SendKeys,    ActionType::MouseControl, ActionType::ExecuteProgram,
                                             ActionType::PostMessage, ActionType::Mixer,        ActionType::Shutdown,
                                             ActionType::WindowState, ActionType::OSD};
std::vector<ActionType> TypesIn(std::string_view text, const TypeOrder& order);

// The signed decimal value of a numeric field; EConvertError "'%s' is not a
// valid integer value" when it is not one (empty, other characters, beyond
// 32 bits).
int FieldInteger(std::string_view field);
// The same, answering nothing instead of raising.
std::optional<int> TryFieldInteger(std::string_view field);

// The last character of the text; 0 for an empty text. "Y" keeps the
// destination window active.
char LastLetter(std::string_view text);

// One-letter fields read 0 where the text is too short; one-digit fields are
// texts of at most one character, to be converted.

struct SendKeysFields {
    char alt = 0;     // 'A' holds Alt
    char ctrl = 0;    // 'C' holds Ctrl
    char shift = 0;   // 'S' holds Shift
    char keyKind = 0; // 'E': key is a system key index; else literal characters
    std::string key, delay, window;
    char keepActive = 0;
};
SendKeysFields ReadSendKeys(std::string_view text);

// Each of the three parts is read only when its marker is present.
struct MouseFields {
    bool click = false, relMove = false, absMove = false;
    std::string button;
    char doubleClick = 0; // 'Y' double
    std::string direction, accel;
    std::string x, y;
    std::string delay;
};
MouseFields ReadMouseControl(std::string_view text);

struct ProgramFields {
    std::string tryFirst, file, params;
    char suspend = 0; // 'Y' suspends the origins until the program ends
    std::string delay;
};
ProgramFields ReadExecuteProgram(std::string_view text);

struct MessageFields {
    std::string message, wParam, lParam, delay, window;
    char keepActive = 0;
};
MessageFields ReadPostMessage(std::string_view text);

struct MixerFields {
    std::string line, volume, increment, delay;
};
MixerFields ReadMixer(std::string_view text);

// Shutdown and WindowState: a code; OSD: the text to show.
struct PlainFields {
    std::string value, delay;
};
PlainFields ReadShutdown(std::string_view text);
PlainFields ReadWindowState(std::string_view text);
PlainFields ReadOSD(std::string_view text);

} // namespace orvane::actions
