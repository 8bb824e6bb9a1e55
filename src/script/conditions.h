// "set trigger" and "if": changing triggers and branching on them, with the condition language
// scripts were written for, quirks included (scripts rely on them).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_files.h"

namespace orvane {

// NAME=VALUE: the first entry that begins NAME= becomes NAME=VALUE; an undeclared name changes
// nothing.
void AssignTrigger(StringList& triggers, std::string_view nameValue);
// A whole "set trigger NAME=VALUE" line (trimmed): the assignment starts at its 13th character.
void SetTriggerLine(StringList& triggers, std::string_view line);

// One term NAME=VALUE of a condition, lower-cased, as the evaluation reads it.
struct ConditionTerm {
    std::string name;
    std::string value;
};
struct Condition {
    std::string connective;  // "or", or "and" inside parentheses
    std::vector<ConditionTerm> terms;
};
// The terms of a condition as the evaluation takes them apart. Names and values that hold the
// connective's letters ("door" under "or") are cut there, as the game has always cut them.
Condition ParseCondition(std::string_view condition);

// Evaluates the condition of an "if" line: terms NAME=VALUE joined by "or" (the default) or, in
// parentheses, by "and". A term holds when the stored value begins with VALUE; a term on an
// undeclared trigger leaves the result as it was.
bool EvaluateCondition(std::string_view condition, const StringList& triggers);

// What one branch of an "if" line does: jump to a scene, or assign NAME=VALUE, or nothing.
struct IfBranch {
    std::optional<std::string> target;
    std::optional<std::string> assignment;
};
// An "if" line taken apart: its condition, the action when it holds, the one after " else ".
struct IfLine {
    std::string condition;
    IfBranch then;
    IfBranch otherwise;
};
IfLine ParseIf(std::string_view line);

// Runs an "if" line: applies its "set trigger" action, or returns the scene to jump to.
std::optional<std::string> ApplyIf(std::string_view line, StringList& triggers);

}  // namespace orvane
