// The message boxes the player may see, in the words the game has always used.
#pragma once

namespace orvane {

inline constexpr char kUnableToOpenDirectory[] = "Unable to open directory";
inline constexpr char kUnableToCloseDirectory[] = "Unable to close directory";

}  // namespace orvane
