#pragma once
// The configuration's files on disk, through the C library, which takes names
// in the system code page unchanged on every platform the program builds for.
#include <string>
#include <string_view>

namespace orvane::config {

// Whether no file of that name exists. A file that exists but cannot be
// opened is not missing: reading it raises the error.
bool FileMissing(const std::string& name);

// Makes the file hold the text, and keeps its previous version as the name
// followed by ".bak". The text goes to a temporary file beside it first, so
// a failed write (EInOutError) leaves the file and its backup as they were.
void WriteFileWithBackup(const std::string& name, std::string_view text);

} // namespace orvane::config
