#pragma once
// The translation keys of each window, the Properties of its Lang component.
// A control that should follow the language gets its key here and a line in
// every file of lang/.
#include <string>
#include <vector>

namespace orvane::settings {

std::vector<std::string> MainFormKeys();
std::vector<std::string> ActionFormKeys();
std::vector<std::string> LayoutsFormKeys();
std::vector<std::string> LearnFormKeys();
std::vector<std::string> PasswordDlgKeys();
std::vector<std::string> SettingsFormKeys();
std::vector<std::string> TestOriginFormKeys();

// The messages the program looks up by their English wording.
const std::vector<std::string>& MessageKeys();

} // namespace orvane::settings
