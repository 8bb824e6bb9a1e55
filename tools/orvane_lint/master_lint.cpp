// master.scn line by line: what the interpreter's table makes of each line, the blocks, and the
// parameters of the command that runs.
#include "base/text.h"
#include "checks.h"

namespace orvane::lint {
namespace {

std::string Keyword(const CommandRule& rule) {
    return "\"" + std::string(rule.keyword) + "\"";
}

// The entry whose keyword begins the line: the command the author most likely meant.
const CommandRule* MeantRule(std::string_view line) {
    for (const CommandRule& rule : CommandTable()) {
        if (!rule.passesOn && rule.at != KeywordAt::Whole && !rule.keyword.empty() &&
            rule.command != Command::Comment && StartsWith(line, rule.keyword)) {
            return &rule;
        }
    }
    return nullptr;
}

// A keyword that must be the whole line ("end", "set journal", "delete journal") with more
// after it.
const CommandRule* WholeKeywordWithMore(std::string_view line) {
    for (const CommandRule& rule : CommandTable()) {
        if (rule.at == KeywordAt::Whole && !rule.keyword.empty() &&
            StartsWith(line, rule.keyword) && line != rule.keyword) {
            return &rule;
        }
    }
    return nullptr;
}

// A command that does nothing ("reload objects", "set menu=", "set music").
const CommandRule* IdleRule(std::string_view line) {
    for (const CommandRule& rule : CommandTable()) {
        if (rule.passesOn && rule.command != Command::Scene && rule.command != Command::ClearAll &&
            Matches(rule, line)) {
            return &rule;
        }
    }
    return nullptr;
}

void CheckLabel(LintContext& c, std::string_view line, int number) {
    const std::string lower = LowerCaseCp1251(line);
    if (!StartsWith(lower, "scene ")) return;
    if (!StartsWith(line, "scene ")) {
        c.findings.Warning(kMasterFile, number,
                           "the label is written with capitals: jumps reach it, but running into "
                           "it does not clear the stage as \"scene \" does");
    }
    const std::optional<int> first = c.FindScene(std::string_view(lower).substr(6));
    if (first && *first != number - 1) {
        c.findings.Warning(kMasterFile, number,
                           "scene " + Quoted(std::string_view(lower).substr(6)) +
                               " is labelled at line " + std::to_string(*first + 1) +
                               " already; jumps never reach this label");
    }
}

// What the table makes of the line, against what it seems to be. False when the line is taken
// for a command other than the one it shows, whose parameters are then not worth checking.
bool CheckTableMatch(LintContext& c, std::string_view line, int number, const CommandRule* rule) {
    if (line.empty() || StartsWith(line, "--")) return true;
    const bool label = StartsWith(LowerCaseCp1251(line), "scene ");
    if (label || StartsWith(line, "clear all")) {
        if (rule) {
            c.findings.Error(kMasterFile, number,
                             std::string(label ? "the label line" : "\"clear all\"") +
                                 " holds the keyword " + Keyword(*rule) +
                                 ", so it also runs as that command");
            return false;
        }
        return true;
    }
    const CommandRule* meant = MeantRule(line);
    if (rule && meant && rule->command != meant->command) {
        c.findings.Error(kMasterFile, number,
                         "taken as " + Keyword(*rule) + ", which is tested before " +
                             Keyword(*meant) + ": the line never runs as " + Keyword(*meant));
        return false;
    }
    if (rule) return true;
    if (StartsWith(line, "end cycle")) {
        c.findings.Error(kMasterFile, number,
                         "\"end cycle\" without a \"set cycle\" before it; the line is ignored");
    } else if (const CommandRule* whole = WholeKeywordWithMore(line)) {
        c.findings.Error(kMasterFile, number,
                         Keyword(*whole) + " must stand alone on its line; this line is ignored");
    } else if (const CommandRule* idle = IdleRule(line)) {
        c.findings.Warning(kMasterFile, number, Keyword(*idle) + " does nothing");
    } else {
        c.findings.Error(kMasterFile, number,
                         "matches no command (keywords are case-sensitive); the line is ignored");
    }
    return true;
}

// The frames of "set cycle", up to "end cycle"; returns the index of the terminator.
size_t CheckCycleBlock(LintContext& c, size_t at) {
    const StringList& lines = c.master;
    const size_t end = CycleBlockEnd(lines, at + 1);
    const int number = static_cast<int>(at) + 1;
    if (end == lines.size()) {
        c.findings.Error(kMasterFile, number,
                         "\"set cycle\" is not closed by a line \"end cycle\": the rest of the "
                         "script is taken for its frames");
        return end;
    }
    if (end == at + 1) {
        c.findings.Error(kMasterFile, number, "the cycle has no frames; it is left out");
    }
    for (size_t k = at + 1; k < end; ++k) {
        const std::string_view frame = CycleFrameName(Trim(c.master[k]));
        const int frameNumber = static_cast<int>(k) + 1;
        if (frame.empty()) {
            c.findings.Warning(kMasterFile, frameNumber,
                               "a blank line in a cycle is a frame without a name");
        } else if (!c.CatalogHasPrefix(frame)) {
            c.findings.Error(kMasterFile, frameNumber,
                             "frame " + Quoted(frame) + ": no item of objects.scn begins with it");
        }
    }
    return end;
}

// The tracks of "set playlist", up to "end"; returns the index of the terminator.
size_t CheckPlaylistBlock(LintContext& c, size_t at) {
    const StringList& lines = c.master;
    const size_t end = PlaylistBlockEnd(lines, at + 1);
    if (end == lines.size()) {
        c.findings.Error(kMasterFile, static_cast<int>(at) + 1,
                         "\"set playlist\" is not closed by a line \"end\": the rest of the "
                         "script is taken for its tracks");
        return end;
    }
    for (size_t k = at + 1; k < end; ++k) {
        CheckTrack(c, kMasterFile, static_cast<int>(k) + 1, LowerCaseCp1251(Trim(lines[k])));
    }
    return end;
}

}  // namespace

void LintMaster(LintContext& c) {
    const StringList& lines = c.master;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line(Trim(lines[i]));
        const int number = static_cast<int>(i) + 1;
        CheckLabel(c, line, number);
        const CommandRule* rule = MatchRule(line);
        const bool asShown = CheckTableMatch(c, line, number, rule);
        if (!rule) continue;
        if (asShown) CheckCommand(c, rule->command, line, number);
        if (rule->command == Command::SetCycle) i = CheckCycleBlock(c, i);
        if (rule->command == Command::SetPlaylist) i = CheckPlaylistBlock(c, i);
    }
}

}  // namespace orvane::lint
