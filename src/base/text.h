// The engine's text: std::string holding Windows-1251 bytes, one byte per character.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Lower-cases one Windows-1251 byte the way the Russian ANSI code page does (Cyrillic included).
char LowerCp1251(char c);
std::string LowerCaseCp1251(std::string_view text);
bool EqualsIgnoreCaseCp1251(std::string_view a, std::string_view b);

// The Unicode character of one code page byte (0x98, which has none, gives U+0098).
char32_t Cp1251ToCodePoint(char c);
std::string Cp1251ToUtf8(std::string_view text);
// Returns nothing when the text is not valid UTF-8 or holds a character the code page lacks.
std::optional<std::string> Utf8ToCp1251(std::string_view text);
bool IsValidUtf8(std::string_view text);

// The classic Trim: drops blanks and control characters (bytes up to 32) from both ends.
std::string_view Trim(std::string_view text);
bool StartsWith(std::string_view text, std::string_view prefix);
bool Contains(std::string_view text, std::string_view part);

// Game paths are written with backslashes; the file system wants slashes.
std::string SlashPath(std::string_view path);

}  // namespace orvane
