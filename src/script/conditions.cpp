#include "script/conditions.h"

#include "base/text.h"

namespace orvane {
namespace {

// Conditions are short; a bound keeps a pathological one from spinning.
constexpr int kMaxTerms = 1000;

std::string_view Before(std::string_view text, std::string_view marker) {
    const size_t at = text.find(marker);
    return at == std::string_view::npos ? std::string_view() : text.substr(0, at);
}

std::string_view After(std::string_view text, std::string_view marker) {
    const size_t at = text.find(marker);
    return at == std::string_view::npos ? std::string_view() : text.substr(at + marker.size());
}

}  // namespace

void AssignTrigger(StringList& triggers, std::string_view nameValue) {
    const size_t eq = nameValue.find('=');
    if (eq == std::string_view::npos) return;
    const std::string prefix(nameValue.substr(0, eq + 1));
    for (std::string& entry : triggers) {
        if (StartsWith(entry, prefix)) {
            entry = std::string(nameValue);
            return;
        }
    }
}

void SetTriggerLine(StringList& triggers, std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.size() > 12) AssignTrigger(triggers, trimmed.substr(12));
}

Condition ParseCondition(std::string_view rawCondition) {
    std::string condition(Trim(LowerCaseCp1251(rawCondition)));
    std::string k = "or";
    if (StartsWith(condition, "(")) {
        condition = condition.size() >= 2 ? condition.substr(1, condition.size() - 2) : "";
        if (Contains(condition, " and ")) k = "and";
        if (Contains(condition, " or ")) k = "or";
    }
    Condition parsed{k, {}};
    std::string e = k + " " + condition;
    for (int term = 0; term < kMaxTerms && Contains(e, k); ++term) {
        if (StartsWith(e, k)) e.erase(0, std::min(e.size(), k.size() + 1));
        const size_t eq = e.find('=');
        std::string name = eq == std::string::npos ? e : e.substr(0, eq);
        std::string value = eq == std::string::npos ? "" : e.substr(eq + 1);
        if (Contains(e, k + " ")) value = value.substr(0, value.find(' '));
        parsed.terms.push_back({std::move(name), std::move(value)});
        const size_t next = e.find(k);
        if (next != std::string::npos) e.erase(0, next);
    }
    return parsed;
}

bool EvaluateCondition(std::string_view rawCondition, const StringList& triggers) {
    const Condition condition = ParseCondition(rawCondition);
    const bool orTerms = condition.connective == "or";
    int r = orTerms ? 0 : 1;
    for (const ConditionTerm& term : condition.terms) {
        const std::string prefix = term.name + "=";
        for (const std::string& entry : triggers) {
            if (!StartsWith(entry, prefix)) continue;
            if (Contains(entry, "=" + term.value)) {
                if (orTerms) r = 1;
            } else {
                r = 0;
            }
            break;
        }
        if (orTerms && r == 1) break;
    }
    return r == 1;
}

IfLine ParseIf(std::string_view line) {
    const size_t blank = line.find(' ');
    const std::string_view rest = blank == std::string_view::npos ? "" : line.substr(blank + 1);
    IfLine parsed;
    if (Contains(rest, " set ")) parsed.condition = Before(rest, " set ");
    else if (Contains(rest, " goto ")) parsed.condition = Before(rest, " goto ");
    else parsed.condition = Before(rest, " else ");

    const std::string_view action = Contains(rest, " else ") ? Before(rest, " else ") : rest;
    if (Contains(action, " goto ")) {
        parsed.then.target = std::string(Trim(After(action, " goto ")));
    } else if (Contains(action, " set trigger ")) {
        parsed.then.assignment = std::string(Trim(After(action, " set trigger ")));
    }
    if (!Contains(rest, " else ")) return parsed;
    const std::string_view otherwise = rest.substr(rest.find(" else ") + 1);
    if (Contains(otherwise, " set trigger ")) {
        parsed.otherwise.assignment = std::string(Trim(After(otherwise, " set trigger ")));
    } else {
        parsed.otherwise.target = std::string(Trim(After(otherwise, "else goto ")));
    }
    return parsed;
}

std::optional<std::string> ApplyIf(std::string_view line, StringList& triggers) {
    const IfLine parsed = ParseIf(line);
    const IfBranch& branch =
        EvaluateCondition(parsed.condition, triggers) ? parsed.then : parsed.otherwise;
    if (branch.assignment) AssignTrigger(triggers, *branch.assignment);
    return branch.target;
}

}  // namespace orvane
