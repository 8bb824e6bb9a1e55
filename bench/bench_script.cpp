// How long the interpreter takes to report a script that only jumps: 3,000 lines whose last two
// are "scene loop" and "goto loop". Start-up runs into it, so this is how long the game stands
// still before the script is stopped and named (goal: well under a second).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include "platform/headless_platform.h"
#include "script/interpreter.h"

namespace orvane {
namespace {

StringList JumpLoopScript() {
    StringList lines;
    for (int i = 0; lines.size() < 2998; ++i) {
        lines.push_back(i % 10 == 0 ? "scene part" + std::to_string(i / 10)
                                    : "-- narration " + std::to_string(i));
    }
    lines.push_back("scene loop");
    lines.push_back("goto loop");
    return lines;
}

// The report goes to stderr once per run; it is not what is measured.
class QuietStderr {
public:
    QuietStderr() : saved_(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        close(null);
    }
    ~QuietStderr() {
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }

private:
    int saved_;
};

void BM_ReportAScriptThatOnlyJumps(benchmark::State& state) {
    HeadlessPlatform platform;
    GameState game(platform, {".", ".", "."});
    game.lists.ScriptLines = JumpLoopScript();
    ScriptHooks hooks;
    QuietStderr quiet;
    for (auto _ : state) {
        // A fresh interpreter, so that finding the scenes is measured too.
        Interpreter interpreter(game, hooks);
        game.ScriptPos = 0;
        interpreter.RunScript();
        if (game.ScriptPos != 2998) state.SkipWithError("the loop was not stopped at its label");
    }
}
BENCHMARK(BM_ReportAScriptThatOnlyJumps)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
