// The code puzzle (mode 8): sequences of numbers from "code.scn", each with one number missing,
// which the player restores on a drawn keypad, one after the other. When the last is restored
// the script goes on from the line after "game=code". It offers no way out of its own.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "archive/fixed_picture.h"

namespace orvane {

// The keypad enters at most four digits: an answer after the ";" of a "code.scn" line that is
// anything else can never be given.
bool IsTypeableCodeAnswer(std::string_view answer);

class Shell;

class CodePuzzle {
public:
    explicit CodePuzzle(Shell& shell) : shell_(shell) {}

    // "game=code" (the interpreter has moved ScriptPos past the line). False when "code.scn"
    // has no sequences: the puzzle is skipped and the script is to go on at once.
    bool Start();
    // Mode 8: a move lights the key under the pointer and makes it CodeKey; a button press acts
    // on CodeKey, wherever the pointer is.
    void Hover(int x, int y);
    void Click();

    // How many sequences are asked for: three, or as many as "code.scn" has lines when fewer.
    static constexpr int kSequences = 3;
    int sequences = 0;
    std::array<std::string, kSequences> CodeShown;  // each with a blank appended
    std::string CodeAnswer;
    int CodeSolved = 0;
    std::string CodeEntry;  // the digits typed, at most four
    int CodeKey = 0;        // 1..9 digits, 10 zero, 11 delete, 12 check; 0 none
    int CodeDigitX = 250;

private:
    // The sequence `k` (0-based) of the chosen lines becomes the current one.
    void TakeSequence(int k);
    void DrawEntry();
    void Check();
    // The prompts as far as the player has come: the first one, then a block for each sequence
    // restored so far.
    void DrawPrompts();
    // Block 0 asks for the first sequence; block k > 0 says that sequence k is restored and asks
    // for the next.
    void DrawBlock(int k);

    Shell& shell_;
    std::array<int, kSequences> chosen_{};  // indices into CodeLines
};

FixedPictures CodePuzzlePictures();

}  // namespace orvane
