// The parameters of each command of master.scn, read with the interpreter's own helpers.
#include "base/text.h"
#include "checks.h"
#include "line_checker.h"
#include "script/command_params.h"
#include "script/conditions.h"
#include "script/stage_records.h"
#include "script/text_commands.h"

namespace orvane::lint {
namespace {

// "set bg ", "set character ", "set object ": NAME after " bg=", " character=", " object=".
void CheckSetItem(LineChecker& check, std::string_view line, std::string_view kind) {
    const std::string nameKey = " " + std::string(kind) + "=";
    if (const std::optional<std::string_view> name = RestOf(line, nameKey)) {
        check.Item(*name);
    } else {
        check.Error("has no \"" + nameKey.substr(1) + "NAME\" after a blank; nothing is added");
    }
    check.OptionalNumber(ValueOf(line, "level="), "level=");
    check.OptionalNumber(ValueOf(line, "opacity="), "opacity=");
    if (auto effect = ValueOf(line, "effect=opacity:")) check.Numbers(*effect, 3, "effect=");
    if (auto align = ValueOf(line, "align=")) check.Position(*align, false);
}

// The stage item a "move", "set opacity" or "qmove" works on: " object=" and the rest.
std::optional<std::string_view> MovedItem(LineChecker& check, std::string_view line) {
    const std::optional<std::string_view> name = RestOf(line, " object=");
    if (!name) check.Error("has no \"object=NAME\" after a blank; nothing moves");
    return name;
}

// "/vVAR/" stands for the names.scn line that begins with VAR.
void CheckNameVariables(LintContext& c, LineChecker& check, std::string_view text) {
    for (size_t at = text.find("/v"); at != std::string_view::npos; at = text.find("/v", at + 2)) {
        const size_t close = text.find('/', at + 2);
        if (close == std::string_view::npos) return;
        const std::string_view variable = text.substr(at + 2, close - at - 2);
        bool known = false;
        for (const std::string& entry : c.names) known = known || StartsWith(entry, variable);
        if (!known) {
            check.Warning("name variable " + Quoted(variable) +
                          " is not in names.scn; it shows as nothing");
        }
        at = close - 1;
    }
}

// name=NAME, NAME:default, or NAME:FACE:SIZE:STYLE:COLOR:WRAP:X:Y.
void CheckSpeaker(LintContext& c, LineChecker& check, std::string_view value) {
    const std::vector<std::string_view> fields = SplitFields(value, ':');
    CheckNameVariables(c, check, fields[0]);
    if (fields.size() < 2 || fields[1] == "default") return;
    if (fields.size() < 8) {
        check.Warning(
            "the speaker's style is not FACE:SIZE:STYLE:COLOR:WRAP:X:Y; the default "
            "style is used");
        return;
    }
    check.Number(fields[2], "speaker size");
    check.Number(fields[4], "speaker colour");
    check.Number(fields[5], "speaker wrap");
    check.Number(fields[6], "speaker x");
    check.Number(fields[7], "speaker y");
}

void CheckSetText(LintContext& c, LineChecker& check, std::string_view line) {
    const std::string_view settings = TextSettingsPart(line);
    for (std::string_view key : {"max_str=", "il="}) {
        if (auto value = ValueOf(settings, key); value && *value != "default") {
            check.Number(*value, key);
        }
    }
    if (auto voice = ValueOf(settings, "voice=")) {
        if (voice->empty()) {
            check.Error("voice= has no file (a value read up to a blank must have one after it)");
        } else if (!c.data.HasVoice(*voice)) {
            check.Error("voice " + Quoted(*voice) +
                        " is neither in the game folder nor in Sounds.pak");
        }
    }
    if (auto name = ValueOf(settings, "name=")) CheckSpeaker(c, check, *name);
    if (auto font = ValueOf(settings, " font="); font && *font != "default") {
        check.Font(*font, "font=");
    }
    if (auto align = ValueOf(settings, "align=")) check.Position(*align, true);
    if (auto speed = ValueOf(settings, "speed=")) {
        static constexpr std::string_view kSpeeds[] = {"fast", "medium", "slow", "no", "default"};
        bool known = false;
        for (std::string_view word : kSpeeds) known = known || *speed == word;
        if (!known) {
            check.Warning("speed " + Quoted(*speed) +
                          " is none of fast, medium, slow, no, default; the speed stays");
        }
    }
    if (const std::optional<std::string_view> text = RestOf(line, "text=")) {
        CheckNameVariables(c, check, *text);
    } else {
        check.Warning("has no \"text=\"; an empty text is shown");
    }
}

void CheckSetEnter(LintContext& c, LineChecker& check, std::string_view line) {
    const std::string_view variable = ValueOf(line, "name=").value_or("");
    if (variable.empty()) {
        check.Error("has no \"name=VARIABLE \"; the typed name is kept nowhere");
    } else {
        bool known = false;
        for (const std::string& entry : c.names) known = known || StartsWith(entry, variable);
        if (!known) {
            check.Error("name variable " + Quoted(variable) +
                        " is not in names.scn; the typed name is kept nowhere");
        }
    }
    if (auto font = ValueOf(line, " font="); font && *font != "default") check.Font(*font, "font=");
    if (auto align = ValueOf(line, "align=")) check.Position(*align, true);
    if (auto bg = ValueOf(line, "bg=")) check.Item(*bg);
}

void CheckVolume(LineChecker& check, std::string_view line) {
    const std::string_view value = RestOf(line, "=").value_or("");
    if (!value.empty() && value[0] != '+' && value[0] != '-') {
        check.Warning(
            "the level change has no sign \"+\" or \"-\" before its number; the level "
            "stays");
    }
    check.Number(value.empty() ? value : value.substr(1), "volume");
}

void CheckQmove(LineChecker& check, std::string_view line) {
    check.OptionalNumber(ValueOf(line, "delay="), "delay=");
    check.Numbers(PairValueOf(line, "start=").value_or(""), 2, "start=");
    check.Numbers(PairValueOf(line, "finish=").value_or(""), 2, "finish=");
    check.Numbers(PairValueOf(line, "params=").value_or(""), 2, "params=");
    check.OptionalNumber(ValueOf(line, "opacity="), "opacity=");
    if (auto name = MovedItem(check, line)) check.Item(*name);
    if (auto bg = ValueOf(line, "bg=")) check.Item(*bg);
}

void CheckMove(LineChecker& check, std::string_view line) {
    check.OptionalNumber(ValueOf(line, "delay="), "delay=");
    check.Numbers(PairValueOf(line, "start=").value_or(""), 2, "start=");
    check.Numbers(PairValueOf(line, "finish=").value_or(""), 2, "finish=");
    check.Numbers(PairValueOf(line, "time=").value_or(""), 2, "time=");
    if (auto name = MovedItem(check, line)) check.ItemPrefix(*name);
}

// "set opacity:A0:A1:MS object=NAME": the values after the first ":" up to a blank.
void CheckSetOpacity(LineChecker& check, std::string_view line) {
    const size_t colon = line.find(':');
    std::string_view values;
    if (colon != std::string_view::npos) {
        const size_t blank = line.find(' ', colon);
        values = line.substr(colon + 1, blank == std::string_view::npos ? 0 : blank - colon - 1);
    }
    check.Numbers(values, 3, "opacity");
    if (auto name = MovedItem(check, line)) check.ItemPrefix(*name);
}

void CheckGame(LintContext& c, LineChecker& check, std::string_view line, int number) {
    const std::string_view game = MiniGameName(line);
    if (game == "code") {
        if (!c.codeChecked) LintCodeLines(c, number);
    } else if (game == "necro") {
        if (!c.necroChecked) LintNecroScript(c, number);
        CheckNecroEndings(c, number);
    } else if (game != "cards") {
        check.Warning("game " + Quoted(game) +
                      " is none of cards, code, necro; the line only stops the script");
    }
}

}  // namespace

void CheckCommand(LintContext& c, Command command, const std::string& line, int number) {
    LineChecker check(c, kMasterFile, number);
    switch (command) {
        case Command::Delay:
            check.Number(std::string_view(line).substr(10), "delay");
            break;
        case Command::ClearLevel:
            check.Number(std::string_view(line).substr(12), "level");
            break;
        case Command::Qmove:
            CheckQmove(check, line);
            break;
        case Command::SetSpacing: {
            const std::vector<std::string_view> fields = SplitFields(line, ':');
            if (check.Number(fields.size() > 4 ? fields[4] : "", "delay")) {
                for (size_t i = 1; i <= 3; ++i) check.Picture(fields[i]);
            }
            break;
        }
        case Command::SetCycle: {
            const CycleHeader header = ReadCycleHeader(line);
            if (check.Number(header.period, "period")) check.Number(header.level, "level");
            break;
        }
        case Command::If: {
            const IfLine parts = ParseIf(line);
            CheckCondition(c, number, parts.condition);
            for (const IfBranch* branch : {&parts.then, &parts.otherwise}) {
                if (branch->target) CheckJump(c, kMasterFile, number, *branch->target);
                if (branch->assignment) {
                    CheckAssignment(c, kMasterFile, number, *branch->assignment);
                }
            }
            if (!parts.then.target && !parts.then.assignment) {
                check.Warning(
                    "the condition is followed by neither \" goto \" nor "
                    "\" set trigger \"; it does nothing");
            }
            break;
        }
        case Command::Goto:
            CheckJump(c, kMasterFile, number, Trim(*RestOf(line, "goto ")));
            break;
        case Command::SetTrigger:
            CheckAssignment(c, kMasterFile, number,
                            line.size() > 12 ? std::string_view(line).substr(12) : "");
            break;
        case Command::SfxVolume:
        case Command::Volume:
            CheckVolume(check, line);
            break;
        case Command::Dissolve:
        case Command::Fade: {
            const std::vector<std::string_view> fields = SplitFields(*RestOf(line, "="), ':');
            if (check.Number(fields.size() > 1 ? fields[1] : "", "speed")) {
                check.Number(fields.size() > 2 ? fields[2] : "", "limit");
            }
            break;
        }
        case Command::Quake: {
            const std::vector<std::string_view> fields = SplitFields(line, ':');
            for (size_t i = 1; i <= 6; ++i) {
                if (!check.Number(i < fields.size() ? fields[i] : "", "quake")) break;
            }
            break;
        }
        case Command::SetEnter:
            CheckSetEnter(c, check, line);
            break;
        case Command::SetText:
            CheckSetText(c, check, line);
            break;
        case Command::SetCursor: {
            const std::string_view file = Trim(*RestOf(line, "set cursor="));
            if (!c.data.HasLooseFile(file)) {
                check.Error("cursor " + Quoted(file) +
                            " is not in the game folder (cursors are never read from an "
                            "archive)");
            }
            break;
        }
        case Command::SetObject:
            CheckSetItem(check, line, "object");
            break;
        case Command::SetBg:
            CheckSetItem(check, line, "bg");
            break;
        case Command::SetCharacter:
            CheckSetItem(check, line, "character");
            break;
        case Command::Delete:
            check.Item(Trim(*RestOf(line, "delete ")));
            break;
        case Command::SetInterface:
            CheckInterface(c, number, RestOf(line, "set interface ").value_or(""));
            break;
        case Command::SetScroll: {
            const std::string_view value = *RestOf(line, "set scroll ");
            const size_t colon = value.find(':');
            check.Numbers(colon == std::string_view::npos ? "" : value.substr(colon + 1), 2,
                          "scroll step");
            const std::string_view kind = value.substr(0, colon);
            if (kind != "bg" && kind != "character" && kind != "0") {
                check.Warning("scroll " + Quoted(kind) +
                              " is neither bg nor character; the arrow keys move nothing");
            }
            break;
        }
        case Command::SetSectionMenu:
            CheckMenu(c, number, Trim(*RestOf(line, "menu=")));
            break;
        case Command::Move:
            CheckMove(check, line);
            break;
        case Command::SetOpacity:
            CheckSetOpacity(check, line);
            break;
        case Command::Game:
            CheckGame(c, check, line, number);
            break;
        default:
            break;
    }
}

}  // namespace orvane::lint
