// Names of saved games: "dd MMM yyyy hh-nn" of the time of saving, the month written as its
// Russian abbreviation, plus ".sav". Texts are CP1251.
#pragma once

#include <string>
#include <string_view>

#include "base/wall_time.h"

namespace orvane {

// "08 дек 2026 04-24" for 8 December 2026 at 04:24.
std::string SaveLabel(const WallTime& time);
// The label plus ".sav": the save file's name, so that two saves in one minute share a file.
std::string SaveFileName(const WallTime& time);
// What the load screen shows of a save file's name: the name cut at its first ".".
std::string_view LabelOfSaveName(std::string_view fileName);

}  // namespace orvane
