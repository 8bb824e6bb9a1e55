#include "script/command_table.h"

#include "base/text.h"

namespace orvane {
namespace {

using enum KeywordAt;

// "set journal" and "delete journal" are found anywhere but only in a line of exactly their
// length, which is the same as the whole line.
constexpr CommandRule kTable[] = {
    {Command::Scene, "scene ", Start, true},
    {Command::Delay, "set delay=", Start},
    {Command::ClearAll, "clear all", Start, true},
    {Command::Comment, "", Whole},
    {Command::Comment, "--", Start},
    {Command::Qmove, "qmove ", Start},
    {Command::SetSpacing, "set spacing", Start},
    {Command::ClearLevel, "clear level=", Start},
    {Command::ReloadObjects, "reload objects", Anywhere, true},
    {Command::SetCycle, "set cycle ", Anywhere},
    {Command::SetMenu, "set menu=", Anywhere, true},
    {Command::SetJournal, "set journal", Whole},
    {Command::If, "if ", Anywhere},
    {Command::Goto, "goto ", Anywhere},
    {Command::SetTrigger, "set trigger", Anywhere},
    {Command::SfxVolume, "set sfx volume=", Start},
    {Command::Dissolve, "set dissolve=", Start},
    {Command::Fade, "set fade=", Start},
    {Command::Volume, "set volume=", Start},
    {Command::RightButton, "rightbutton=yes", Start},
    {Command::RightButton, "rightbutton=no", Start},
    {Command::Quake, "quake", Start},
    {Command::SetEnter, "set enter ", Anywhere},
    {Command::SetText, "set text", Anywhere},
    {Command::SetCursor, "set cursor=", Anywhere},
    {Command::SetPlaylist, "set playlist", Anywhere},
    {Command::SetMusic, "set music", Anywhere, true},
    {Command::ClearInterface, "clear interface", Anywhere},
    {Command::ClearObjects, "clear objects", Anywhere},
    {Command::DeleteCycle, "delete cycle ", Anywhere},
    {Command::ClearBg, "clear bg", Anywhere},
    {Command::ClearCharacters, "clear characters", Anywhere},
    {Command::ClearKeys, "clear keys", Anywhere},
    {Command::ClearCycles, "clear cycles", Anywhere},
    {Command::SetObject, "set object ", Anywhere},
    {Command::SetSelectionText, "set selection text", Anywhere},
    {Command::DeleteJournal, "delete journal", Whole},
    {Command::Delete, "delete ", Anywhere},
    {Command::SetBg, "set bg ", Anywhere},
    {Command::SetCharacter, "set character ", Anywhere},
    {Command::SetInterface, "set interface", Anywhere},
    {Command::SetScroll, "set scroll ", Anywhere},
    {Command::SetSectionMenu, "set section menu=", Anywhere},
    {Command::Move, "move ", Anywhere},
    {Command::SetOpacity, "set opacity", Anywhere},
    {Command::SetPause, "set pause", Anywhere},
    {Command::End, "end", Whole},
    {Command::Game, "game=", Start},
};

}  // namespace

std::span<const CommandRule> CommandTable() {
    return kTable;
}

bool Matches(const CommandRule& rule, std::string_view line) {
    switch (rule.at) {
        case Start:
            return StartsWith(line, rule.keyword);
        case Anywhere:
            return Contains(line, rule.keyword);
        case Whole:
            return line == rule.keyword;
    }
    return false;
}

const CommandRule* MatchRule(std::string_view line) {
    for (const CommandRule& rule : kTable) {
        if (!rule.passesOn && Matches(rule, line)) return &rule;
    }
    return nullptr;
}

Command MatchCommand(std::string_view line) {
    const CommandRule* rule = MatchRule(line);
    return rule ? rule->command : Command::None;
}

size_t CycleBlockEnd(const StringList& lines, size_t first) {
    size_t i = first;
    while (i < lines.size() && !StartsWith(Trim(lines[i]), "end cycle")) ++i;
    return i;
}

size_t PlaylistBlockEnd(const StringList& lines, size_t first) {
    size_t i = first;
    while (i < lines.size() && LowerCaseCp1251(Trim(lines[i])) != "end") ++i;
    return i;
}

CycleHeader ReadCycleHeader(std::string_view line) {
    const size_t at = line.find("cycle ");
    const std::string_view definition =
        at == std::string_view::npos ? std::string_view() : line.substr(at + 6);
    const size_t first = definition.find(':');
    CycleHeader header{definition.substr(0, first), {}, {}};
    if (first == std::string_view::npos) return header;
    const size_t second = definition.find(':', first + 1);
    header.period = definition.substr(
        first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
    if (second != std::string_view::npos) header.level = definition.substr(second + 1);
    return header;
}

std::string_view CycleFrameName(std::string_view line) {
    const size_t blank = line.find(' ');
    return blank == std::string_view::npos ? line : line.substr(blank + 1);
}

}  // namespace orvane
