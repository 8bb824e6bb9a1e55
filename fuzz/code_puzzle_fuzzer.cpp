// "code.scn" of the code puzzle, then (after kEventsMark) the keys pressed, one byte each: 0
// moves off the keypad, 1..12 press a key (digits 1..9, 0, delete, check), 13 types the answer
// and checks it. Without keys, each sequence is first answered wrong, then right.
#include <string>

#include "fuzz_game.h"
#include "input_parts.h"
#include "scratch_folder.h"

namespace {

struct Point {
    int x, y;
};
// The middle of each key: 1..9, 0, delete, check.
constexpr Point kKeyCentres[] = {{231, 375}, {321, 375}, {411, 375}, {231, 435},
                                 {321, 435}, {411, 435}, {231, 495}, {321, 495},
                                 {411, 495}, {321, 555}, {231, 555}, {411, 555}};
constexpr int kCheck = 12;
constexpr int kTypeAnswer = 13;
constexpr size_t kMaxPresses = 256;

constexpr std::string_view kMaster =
    "scene room\r\n"
    "set bg level=1 align=center bg=bg_room\r\n"
    "game=code\r\n"
    "scene voyage\r\n"
    "set text text=done\r\n"
    "end\r\n";

void Press(orvane::Engine& engine, int key) {
    if (key == 0) return engine.FormMouseMove(10, 10);
    const Point at = kKeyCentres[key - 1];
    engine.FormMouseMove(at.x, at.y);
    engine.FormMouseDown(orvane::MouseButton::Left, at.x, at.y);
    engine.FormMouseUp(orvane::MouseButton::Left, at.x, at.y);
}

void TypeAnswer(orvane::Engine& engine) {
    // Taken before the first key, as a right answer moves the puzzle to the next sequence.
    const std::string answer = engine.codePuzzle.CodeAnswer;
    for (char c : answer) {
        if (c >= '0' && c <= '9') Press(engine, c == '0' ? 10 : c - '0');
    }
    Press(engine, kCheck);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    const auto [code, keys] = fuzz::SplitAtMark(fuzz::Bytes(data, size));
    fuzz::WriteWholeFile(fuzz::GameFolder() / "master.scn", kMaster);
    fuzz::WriteWholeFile(fuzz::GameFolder() / "code.scn", code);
    fuzz::EngineRun run;
    if (!run.Start()) return 0;
    Engine& engine = *run.engine;
    if (keys.empty()) {
        for (int sequence = 0; sequence < CodePuzzle::kSequences; ++sequence) {
            for (int key : {9, 9, 11, 9, 9, kCheck}) Press(engine, key);
            TypeAnswer(engine);
        }
    } else {
        for (size_t i = 0; i < keys.size() && i < kMaxPresses; ++i) {
            const int key = static_cast<uint8_t>(keys[i]) % (kTypeAnswer + 1);
            if (key == kTypeAnswer) {
                TypeAnswer(engine);
            } else {
                Press(engine, key);
            }
        }
    }
    run.Play({});
    return 0;
}
