#pragma once

#include <string>
#include <string_view>

namespace corvatto {

// Conversions between the system's ANSI code page, in which the program keeps its texts, and UTF-16.
// Characters the code page lacks become its default character.
std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);

} // namespace corvatto
