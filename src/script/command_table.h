// The interpreter's table of commands: which command a script line is taken for. Keywords are
// searched in the trimmed line, case-sensitively, in a fixed order, and the first that matches
// wins, so a line that holds an earlier keyword anywhere is that command whatever it was meant
// to be. The interpreter runs lines by it, and the script linter warns by it.
#pragma once

#include <span>
#include <string_view>

#include "script/script_files.h"

namespace orvane {

enum class Command {
    None,  // no keyword: the line is ignored
    Scene,
    Delay,
    ClearAll,
    Comment,
    Qmove,
    SetSpacing,
    ClearLevel,
    ReloadObjects,
    SetCycle,
    SetMenu,
    SetJournal,
    If,
    Goto,
    SetTrigger,
    SfxVolume,
    Dissolve,
    Fade,
    Volume,
    RightButton,
    Quake,
    SetEnter,
    SetText,
    SetCursor,
    SetPlaylist,
    SetMusic,
    ClearInterface,
    ClearObjects,
    DeleteCycle,
    ClearBg,
    ClearCharacters,
    ClearKeys,
    ClearCycles,
    SetObject,
    SetSelectionText,
    DeleteJournal,
    Delete,
    SetBg,
    SetCharacter,
    SetInterface,
    SetScroll,
    SetSectionMenu,
    Move,
    SetOpacity,
    SetPause,
    End,
    Game,
};

enum class KeywordAt {
    Start,     // the line begins with the keyword
    Anywhere,  // the keyword stands anywhere in the line
    Whole,     // the line is the keyword and nothing else
};

struct CommandRule {
    Command command;
    std::string_view keyword;
    KeywordAt at;
    // The line goes on through the later tests after this one matched: "scene " and "clear all"
    // clear the stage first, "reload objects", "set menu=" and "set music" do nothing at all.
    bool passesOn = false;
};

// Every entry in the order the interpreter tests them.
std::span<const CommandRule> CommandTable();

bool Matches(const CommandRule& rule, std::string_view trimmedLine);

// The entry that runs `trimmedLine`: the first it matches that does not pass the line on; null
// when there is none.
const CommandRule* MatchRule(std::string_view trimmedLine);
// Its command; Command::None when there is none.
Command MatchCommand(std::string_view trimmedLine);

// Blocks: the lines after "set cycle " up to the line that begins "end cycle", and after
// "set playlist" up to the line "end" (lower-cased). Each returns the index of the terminator
// after `first`, the first line of the block, or the number of lines when the block is never
// closed, in which case the block ends with the script.
size_t CycleBlockEnd(const StringList& lines, size_t first);
size_t PlaylistBlockEnd(const StringList& lines, size_t first);
// "set cycle NAME:PERIOD:LEVEL": the three fields as written, LEVEL being all the text after the
// second ":" (empty when a field is missing).
struct CycleHeader {
    std::string_view name;
    std::string_view period;
    std::string_view level;
};
CycleHeader ReadCycleHeader(std::string_view trimmedLine);
// A frame line of a cycle block names its stage item after the first blank (or is the name).
std::string_view CycleFrameName(std::string_view trimmedLine);

}  // namespace orvane
