// Messages for the player or the game author go to stderr; the engine keeps running.
#pragma once

#include <string_view>

namespace orvane {

void LogError(std::string_view message);   // "orvane: <message>"
void LogWarning(std::string_view message);  // "orvane: warning: <message>"

}  // namespace orvane
