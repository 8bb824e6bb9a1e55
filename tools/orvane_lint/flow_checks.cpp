// Jumps, triggers and conditions: what the engine ignores in silence when a name is wrong.
#include "base/text.h"
#include "checks.h"
#include "minigames/necro_script.h"
#include "script/conditions.h"
#include "script/triggers.h"

namespace orvane::lint {
namespace {

void Remember(LintContext& c, std::string_view name, std::string_view value) {
    c.assignedNames.insert(std::string(name));
    c.assignments.insert(std::string(name) + "=" + std::string(value));
}

void RememberAssignment(LintContext& c, std::string_view assignment) {
    const size_t eq = assignment.find('=');
    if (eq != std::string_view::npos) {
        Remember(c, assignment.substr(0, eq), assignment.substr(eq + 1));
    }
}

}  // namespace

void GatherAssignments(LintContext& c) {
    for (const std::string& raw : c.master) {
        const std::string_view line = Trim(raw);
        const Command command = MatchCommand(line);
        if (command == Command::SetTrigger && line.size() > 12) {
            RememberAssignment(c, line.substr(12));
        } else if (command == Command::If) {
            const IfLine parts = ParseIf(line);
            for (const IfBranch* branch : {&parts.then, &parts.otherwise}) {
                if (branch->assignment) RememberAssignment(c, *branch->assignment);
            }
        }
    }
    // The phone game's trigger lines: the name and value after the keyword, lower-cased.
    for (const std::string& line : c.necro) {
        if (!IsNecroTriggerLine(line)) continue;
        const std::string lower = LowerCaseCp1251(line);
        const std::string entry = lower.substr(lower.find("set trigger") + 11);
        const size_t eq = entry.find('=');
        if (eq != std::string::npos) {
            Remember(c, Trim(std::string_view(entry).substr(0, eq)),
                     Trim(std::string_view(entry).substr(eq + 1)));
        }
    }
}

void CheckJump(LintContext& c, std::string_view file, int number, std::string_view target) {
    if (target.empty()) {
        c.findings.Error(file, number, "the jump names no scene");
    } else if (LowerCaseCp1251(target) != target) {
        c.findings.Error(file, number,
                         "jump to " + Quoted(target) +
                             ": it has capital letters, and labels are compared lower-cased, so "
                             "it is never found");
    } else if (!c.FindScene(target)) {
        c.findings.Error(file, number,
                         "jump to " + Quoted(target) + ": no line \"scene " + Cp1251ToUtf8(target) +
                             "\"; the jump does nothing");
    }
}

void CheckAssignment(LintContext& c, std::string_view file, int number,
                     std::string_view assignment) {
    const size_t eq = assignment.find('=');
    if (eq == std::string_view::npos) {
        c.findings.Error(file, number, Quoted(assignment) + " is not NAME=VALUE; nothing is set");
        return;
    }
    const std::string_view name = assignment.substr(0, eq);
    if (!c.Declared(name)) {
        c.findings.Error(file, number,
                         "trigger " + Quoted(name) +
                             " is not declared in triggers.scn; setting it changes nothing");
    }
}

bool CheckDeclared(LintContext& c, std::string_view file, int number, std::string_view name,
                   std::string_view consequence) {
    if (c.Declared(name)) return true;
    bool otherCase = false;
    const std::string lowerPrefix = LowerCaseCp1251(name) + "=";
    for (const std::string& entry : c.triggers) {
        otherCase = otherCase || StartsWith(LowerCaseCp1251(entry), lowerPrefix);
    }
    c.findings.Error(file, number,
                     "trigger " + Quoted(name) +
                         (otherCase ? " is declared with other capitals in triggers.scn, and "
                                      "names are compared as written"
                                    : " is not declared in triggers.scn") +
                         ": " + std::string(consequence));
    return false;
}

void CheckCondition(LintContext& c, int number, std::string_view text) {
    const Condition condition = ParseCondition(text);
    const auto error = [&](std::string message) {
        c.findings.Error(kMasterFile, number, std::move(message));
    };
    for (const ConditionTerm& term : condition.terms) {
        for (const std::string& part : {term.name, term.value}) {
            if (!Contains(part, condition.connective)) continue;
            error("the condition is cut at every \"" + condition.connective + "\", also inside " +
                  Quoted(part) + ": trigger names and values must not hold it");
            return;
        }
    }
    if (condition.terms.empty()) error("the condition has no terms");
    for (const ConditionTerm& term : condition.terms) {
        if (term.name.empty()) {
            error("a term of the condition names no trigger");
            continue;
        }
        if (!CheckDeclared(c, kMasterFile, number, term.name,
                           "the test on it leaves the condition as it was")) {
        } else if (!c.assignedNames.count(term.name) && !IsPersistentTriggerName(term.name)) {
            c.findings.Warning(kMasterFile, number,
                               "nothing sets trigger " + Quoted(term.name) +
                                   ": the test always sees its declared value " +
                                   Quoted(GetTrigger(c.triggers, term.name)));
        }
    }
}

void CheckNecroEndings(LintContext& c, int number) {
    for (const char* code : {"11", "12", "13", "21", "22", "23"}) {
        const std::string trigger = std::string(code) + "_necro";
        if (!c.Declared(trigger)) continue;
        if (GetTrigger(c.triggers, trigger) != "1" && !c.assignments.count(trigger + "=1")) {
            continue;
        }
        for (const char* suffix : {"_end", "_off"}) {
            // Found as the phone game finds it: the trimmed line as written, not as a jump.
            const std::string label = NecroEndingLabel({trigger + "=1"}, suffix);
            if (!FindNecroEndingScene(c.master, label)) {
                c.findings.Error(kMasterFile, number,
                                 "the phone game goes on at scene " + Quoted(label) + " when " +
                                     trigger + " is 1, but no line is \"scene " + label + "\"");
            }
        }
    }
}

}  // namespace orvane::lint
