#include "shell/save_state_text.h"

#include "base/log.h"
#include "base/text.h"

namespace orvane {
namespace {

constexpr std::string_view kSectionLine = "----";
constexpr std::string_view kLineEnd = "\r\n";
// Names, then stage items, moves, menu items, triggers, interface items and cycles.
constexpr int kSections = 7;

// Held by the player's installation rather than by one game. A save compares the whole entry,
// value included, and so must every reader of saves for the files to agree.
bool BelongsToInstallation(std::string_view trigger) {
    return Contains(trigger, "sys_") || Contains(trigger, "gal_");
}

void AppendLines(std::string& text, const StringList& lines) {
    for (const std::string& line : lines) {
        text += line;
        text += kLineEnd;
    }
}

// Lines as the state text ends them: at a CR, whose LF is dropped. A lone LF stays in its line.
StringList SplitStateLines(std::string_view text) {
    StringList lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace

std::string StateText(const GameState& game) {
    const Stage& stage = game.stage;
    std::string text = game.SceneName;
    text += kLineEnd;
    AppendLines(text, game.lists.NameList);

    StringList moves;
    // The list of moves begins with an empty entry whenever it holds any.
    if (!stage.MoveList.empty()) moves.emplace_back();
    for (const StageMove& move : stage.MoveList) moves.push_back(move.Format());
    StringList triggers;
    for (const std::string& trigger : game.Triggers) {
        if (!BelongsToInstallation(trigger)) triggers.push_back(trigger);
    }
    StringList cycles;
    for (const StageCycle& cycle : stage.Cycles) cycles.push_back(cycle.Format());
    const StringList stageItems = stage.FormatStageItems();

    const StringList* const sections[] = {
        &stageItems, &moves, &stage.MenuItems, &triggers, &stage.InterfaceItems, &cycles};
    for (const StringList* section : sections) {
        text += kSectionLine;
        text += kLineEnd;
        AppendLines(text, *section);
    }
    return text;
}

std::string EncodeStateText(std::string_view plain) {
    std::string stored(plain);
    for (char& c : stored) c = static_cast<char>(static_cast<unsigned char>(c) - 1);
    return stored;
}

std::string DecodeStateText(std::string_view stored) {
    std::string plain(stored);
    for (char& c : plain) c = static_cast<char>(static_cast<unsigned char>(c) + 1);
    return plain;
}

std::optional<SavedState> ReadStateText(std::string_view stored, std::string& error) {
    const std::string plain = DecodeStateText(stored);
    const size_t cr = plain.find('\r');
    if (cr == std::string::npos) {
        error = "the saved state has no scene line";
        return std::nullopt;
    }
    SavedState saved;
    saved.sceneName = plain.substr(0, cr);
    StringList* lists[kSections] = {&saved.names,     &saved.stageItems, &saved.moves,
                                    &saved.menuItems, &saved.triggers,   &saved.interfaceItems,
                                    nullptr};
    int section = 0;
    size_t rest = cr + 1;
    if (rest < plain.size() && plain[rest] == '\n') ++rest;
    for (std::string& line : SplitStateLines(std::string_view(plain).substr(rest))) {
        if (line == kSectionLine) {
            ++section;
        } else if (section < kSections && lists[section]) {
            lists[section]->push_back(std::move(line));
        }
    }
    if (section < kSections - 1) {
        error = "the saved state is incomplete (" + std::to_string(section) + " of " +
                std::to_string(kSections - 1) + " sections)";
        return std::nullopt;
    }
    return saved;
}

std::optional<int> FindLastSceneLine(const StringList& lines, std::string_view sceneName) {
    // The game compared the lower-cased line with the name as saved, so a scene whose name has
    // capitals or trailing blanks was never found again; both sides are folded here.
    const std::string wanted = LowerCaseCp1251("scene " + std::string(Trim(sceneName)));
    for (size_t i = lines.size(); i-- > 0;) {
        if (LowerCaseCp1251(Trim(lines[i])) == wanted) return static_cast<int>(i);
    }
    return std::nullopt;
}

void ApplyStateText(GameState& game, const SavedState& saved) {
    Stage& stage = game.stage;
    game.lists.NameList = saved.names;

    stage.StageItems.clear();
    for (const std::string& record : saved.stageItems) {
        if (record.empty()) continue;
        if (std::optional<StageItem> item = StageItem::Parse(record)) {
            stage.StageItems.push_back(std::move(*item));
        } else {
            LogWarning("a saved stage item is not one and is left out: " + Cp1251ToUtf8(record));
        }
    }
    // The saved list ends with its end marker once anything was ever added.
    stage.endMarker = !saved.stageItems.empty();

    stage.MoveList.clear();
    for (const std::string& record : saved.moves) {
        if (record.empty()) continue;
        if (std::optional<StageMove> move = StageMove::Parse(record)) {
            stage.MoveList.push_back(std::move(*move));
        } else {
            LogWarning("a saved move is not one and is left out: " + Cp1251ToUtf8(record));
        }
    }
    stage.MenuItems = saved.menuItems;
    stage.InterfaceItems = saved.interfaceItems;
    stage.Cycles.clear();

    std::erase_if(game.Triggers,
                  [](const std::string& trigger) { return !BelongsToInstallation(trigger); });
    for (const std::string& trigger : saved.triggers) {
        // A save never holds the installation's triggers; one that does would add a second
        // entry of that name to the player's trigger file with every load.
        if (!BelongsToInstallation(trigger)) game.Triggers.push_back(trigger);
    }

    if (const std::optional<int> line =
            FindLastSceneLine(game.lists.ScriptLines, saved.sceneName)) {
        game.ScriptPos = *line;
    }
}

}  // namespace orvane
