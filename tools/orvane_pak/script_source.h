// Scripts as authors write them (UTF-8, any line breaks) turned into what the engine reads from
// an archive: Windows-1251 text with CR LF line ends, every byte encoded.
#pragma once

#include <string>
#include <string_view>

namespace orvane::pak_tool {

// Every line break (LF, CR LF, a lone CR) becomes CR LF: the engine's reader ends a line at a
// CR and drops the byte after it, so anything else would lose or merge lines.
std::string WithCrLf(std::string_view text);

// Text that is valid UTF-8 (a byte order mark is dropped) is converted to Windows-1251; other
// text is taken to be Windows-1251 already. On a character the code page lacks returns false
// and names `label`, the line and the character in `error`.
bool PrepareScriptForPak(std::string_view source, std::string_view label, std::string& stored,
                         std::string& error);

}  // namespace orvane::pak_tool
