// The interpreter: runs the lines of the script from ScriptPos until a command waits, then
// returns. Whoever ends the wait calls RunScript() again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "script/command_table.h"
#include "script/game_state.h"
#include "script/scene_index.h"
#include "script/script_hooks.h"

namespace orvane {

inline constexpr char kScriptFileName[] = "master.scn";

class Interpreter {
public:
    Interpreter(GameState& game, ScriptHooks& hooks) : game_(game), hooks_(hooks) {}

    void RunScript();
    // The index of the line "scene NAME" (compared lower-cased and trimmed), or nothing.
    std::optional<int> FindScene(std::string_view name) const;
    // Jumps to scene `name`: true when found (ScriptPos is then the label line).
    bool JumpTo(std::string_view name);

    // The main tick (Timer2: fades, quake, moves) and the cycle tick (Timer3).
    void MainTick();
    void CycleTick();

private:
    enum class Flow { Continue, Stop };

    // What one run remembers from one stage command to the next.
    struct RunMemory {
        std::optional<int> level;
        int opacity = 255;
    };

    Flow Execute(const std::string& line, int index);
    // The clearing commands and "delete cycle ", which compose the frame after them.
    void Clear(const std::string& line, Command command);
    void SetScroll(const std::string& line, int index);

    // Stage commands.
    Flow SetItem(const std::string& line, int index, std::string_view command);
    Flow DeleteItem(const std::string& line);
    void ClearLevel(const std::string& line, int index);
    Flow Move(const std::string& line, int index);
    Flow SetOpacity(const std::string& line, int index);
    void SetCycle(const std::string& line, int index);
    void DeleteCycle(const std::string& line);
    void Qmove(const std::string& line, int index);
    void SetSpacing(const std::string& line, int index);
    Flow Quake(const std::string& line, int index);
    void ReadPlaylistBlock();
    void Transition(const std::string& line, int index, bool dissolve);
    void AdjustVolume(const std::string& line, int index, int& level);

    // Fades that the set commands and "set opacity" start.
    void StartFade(const std::string& name, int step, int target);
    bool NextLineStartsAnimation(int index) const;
    void FinishAnimations();
    bool AnimationsIdle() const;

    GameState& game_;
    ScriptHooks& hooks_;
    RunMemory memory_;
    int jumpsInRun_ = 0;
    mutable SceneIndex scenes_;
};

}  // namespace orvane
