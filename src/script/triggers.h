// The trigger store: NAME=VALUE lines declared by "triggers.scn". Names beginning "sys_" or
// "gal_" outlive a game: they are kept in the player's own scrambled "triggers.scn".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "script/script_files.h"

namespace orvane {

inline constexpr char kTriggerFile[] = "triggers.scn";

bool IsPersistentTriggerName(std::string_view entry);

// The archive's declarations merged with the player's saved entries (MergeSavedTriggers).
// Without a player's file the archive's persistent defaults stay.
void LoadTriggers(const std::filesystem::path& gameDir, const std::filesystem::path& playerDir,
                  StringList& triggers);

// Each saved entry replaces every entry of the same NAME (the text before the first "="), or is
// appended when there is none. The file holds every entry that contains "sys_" or "gal_", not
// only those that begin so ("legal_x"), so merging by name, rather than dropping the persistent
// declarations and appending, keeps the list from growing by those entries at every start and
// lets a saved value win over the archive's default. Declarations the file lacks (a trigger
// added to a later version of the game) keep their defaults.
void MergeSavedTriggers(StringList& triggers, const StringList& saved);

// Writes every entry that holds "sys_" or "gal_" to the player's file, atomically.
bool SaveTriggers(const StringList& triggers, const std::filesystem::path& playerDir,
                  std::string& error);

// The player's file as bytes: the entries, each ending CR LF, every byte plus one.
std::string EncodeTriggerFile(const StringList& triggers);
// Its entries: each line up to a LF, without its CR; text after the last LF is ignored.
StringList DecodeTriggerFile(std::string_view stored);

// The VALUE of the first entry that begins NAME=; empty when there is none.
std::string GetTrigger(const StringList& triggers, std::string_view name);
// Every entry that begins NAME= becomes NAME=VALUE; an undeclared name changes nothing.
void SetTrigger(StringList& triggers, std::string_view name, std::string_view value);

}  // namespace orvane
