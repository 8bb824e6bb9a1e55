// "set trigger" and "if": changing triggers and branching on them, with the condition language
// scripts were written for, quirks included (scripts rely on them).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "script/script_files.h"

namespace orvane {

// NAME=VALUE: the first entry that begins NAME= becomes NAME=VALUE; an undeclared name changes
// nothing.
void AssignTrigger(StringList& triggers, std::string_view nameValue);
// A whole "set trigger NAME=VALUE" line (trimmed): the assignment starts at its 13th character.
void SetTriggerLine(StringList& triggers, std::string_view line);

// Evaluates the condition of an "if" line: terms NAME=VALUE joined by "or" (the default) or, in
// parentheses, by "and". A term holds when the stored value begins with VALUE; a term on an
// undeclared trigger leaves the result as it was.
bool EvaluateCondition(std::string_view condition, const StringList& triggers);

// Runs an "if" line: applies its "set trigger" action, or returns the scene to jump to.
std::optional<std::string> ApplyIf(std::string_view line, StringList& triggers);

}  // namespace orvane
