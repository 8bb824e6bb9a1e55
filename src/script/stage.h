// The stage: the pictures on screen as records, the running moves, fades, cycles and quake, and
// the operations that add, find, hide and remove items and compose the frame.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_files.h"
#include "script/stage_records.h"

namespace orvane {

struct GameState;

struct Stage {
    // Sorted by level, drawn first to last. Once anything was added the saved text of the list
    // ends with one empty entry, which `endMarker` stands for.
    std::vector<StageItem> StageItems;
    bool endMarker = false;
    std::vector<StageMove> MoveList;    // saved with an empty head entry
    std::vector<StageFade> FadeEffects;  // saved with an empty head entry
    std::vector<StageCycle> Cycles;
    std::optional<QuakeState> Quake;
    StringList InterfaceItems;
    StringList MenuItems;

    bool RightButtonAllowed = true;
    bool InterfaceShown = false;
    bool MotionActive = false;
    std::string ScrollKind = "0";
    int ScrollStepX = 0;
    int ScrollStepY = 0;
    int MenuOffset = 0;
    int TickCount = 0;

    // The first record whose text after LEVEL begins with `prefix`; null when none.
    StageItem* FindByPrefix(std::string_view prefix);
    // The records as the game keeps them as text, with the end marker.
    StringList FormatStageItems() const;
};

enum class ClearKind { All = 0, Objects = 1, Backgrounds = 2, Characters = 3, Interface = 4,
                       Scroll = 5, Cycles = 6 };

// The picture file of catalogue item `name` (the first line NAME:FILE); nothing when absent.
std::optional<std::string> CatalogFile(const StringList& catalog, std::string_view name);

// Looks NAME up in the object catalogue, loads its picture into the lowest free pool surface
// and inserts its record. False when nothing was added (unknown name, pool full).
bool AddStageItem(GameState& game, std::string_view name, int level, int opacity,
                  std::string_view align);
// Inserts before the first record whose level is at least `level`.
void InsertStageRecord(Stage& stage, StageItem item);
// Removes every record named exactly `name` and frees its pool surface.
void RemoveStageItem(GameState& game, std::string_view name);
// Removes the records that `match` picks (only the first with `firstOnly`), freeing their
// pool surfaces.
void RemoveStageItemsIf(GameState& game, const std::function<bool(const StageItem&)>& match,
                        bool firstOnly = false);
void ClearStage(GameState& game, ClearKind kind);
// Shows every record whose name begins with `prefix` at `level`, moving it to its new place.
void ShowAtLevel(Stage& stage, std::string_view prefix, int level);
// Hides (level 0) every record whose name begins with `prefix`.
void HideByPrefix(Stage& stage, std::string_view prefix);

struct StagePoint {
    int x = 0;
    int y = 0;
};
// Where an item of the given size goes for an alignment word or ":X:Y".
StagePoint StagePosition(std::string_view align, int width, int height);

// Draws the stage into the back buffer and presents it (nothing in screen mode 2).
void ComposeFrame(GameState& game);

}  // namespace orvane
