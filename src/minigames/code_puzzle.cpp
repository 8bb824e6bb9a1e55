#include "minigames/code_puzzle.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "base/log.h"
#include "base/text.h"
#include "render/blend.h"
#include "render/display.h"
#include "render/text_renderer.h"
#include "shell/shell.h"

namespace orvane {
namespace {

constexpr int kPuzzleMode = 8;

constexpr int kSlotPanel = 12;
constexpr int kSlotPanelPressed = 13;
constexpr int kSlotDigits = 14;
constexpr int kSlotFirstFrame = 15;
constexpr int kSlotPage = 16;

constexpr Rect kPanelArea{190, 0, 814, 570};
constexpr int kPanelX = 0;
constexpr int kPanelY = 100;
constexpr Rect kPageArea{0, 0, 974, 570};
constexpr int kPageX = 50;
constexpr int kPageY = 100;

// What a move restores before lighting a key, what a keypress redraws, and what the wrong-answer
// message wipes: the frame as first drawn is copied back over these.
constexpr Rect kKeypadArea{0, 300, 512, 768};
constexpr Rect kLeftHalf{0, 0, 512, 768};
constexpr Rect kMessageArea{0, 0, 912, 768};

constexpr int kMaxDigits = 4;
constexpr int kDigitsX = 250;
constexpr int kDigitsY = 200;
constexpr int kDigitHeight = 40;
constexpr int kDeleteKey = 11;
constexpr int kCheckKey = 12;
constexpr int kWrongAnswerMs = 1000;
constexpr int kTextX = 560;

struct Key {
    int left, top, right, bottom;  // exclusive bounds in the frame
    Rect pressed;                  // in "code_.bmp"
    int x, y;                      // where the pressed image is drawn
};
// Keys 1..12: digits 1 to 9, then 0, delete and check.
constexpr Key kKeys[] = {
    {195, 351, 267, 399, {383, 249, 460, 302}, 193, 349},
    {285, 351, 357, 399, {473, 249, 560, 302}, 283, 349},
    {375, 351, 447, 399, {563, 249, 640, 302}, 373, 349},
    {195, 411, 267, 459, {383, 309, 460, 362}, 193, 409},
    {285, 411, 357, 459, {473, 309, 560, 362}, 283, 409},
    {375, 411, 447, 459, {563, 309, 640, 362}, 373, 409},
    {195, 471, 267, 519, {383, 369, 460, 422}, 193, 469},
    {285, 471, 357, 519, {473, 369, 560, 422}, 283, 469},
    {375, 471, 447, 519, {563, 369, 660, 422}, 373, 469},
    {285, 531, 357, 579, {473, 429, 550, 482}, 283, 529},
    {195, 531, 267, 579, {385, 431, 457, 479}, 195, 531},
    {375, 531, 447, 579, {565, 431, 637, 479}, 375, 531},
};

struct DigitImage {
    int left, right;  // columns of "code_digits.bmp"
    int advance;
};
constexpr DigitImage kDigits[] = {
    {41, 85, 36},   {80, 104, 24},  {105, 141, 36}, {143, 175, 30}, {176, 212, 36},
    {213, 249, 36}, {251, 291, 40}, {293, 329, 36}, {329, 365, 36}, {368, 400, 32},
};

constexpr struct {
    int slot;
    const char* file;
    int width;
    int height;
} kPictures[] = {
    {kSlotPanel, "code.bmp", 1024, 570},
    {kSlotPanelPressed, "code_.bmp", 1024, 570},
    {kSlotDigits, "code_digits.bmp", 406, 40},
    {kSlotPage, "bortzhur.bmp", 1024, 570},
};

// The puzzle's words, each ending in the blank that the line drawer leaves off.
struct Words {
    std::string enterLost, ofSequence, ofSecond, ofThird, firstRestored, secondRestored, restored,
        wrong, tryAgain;
};

std::string Cp1251(std::string_view utf8) {
    return Utf8ToCp1251(utf8).value_or(std::string());
}

const Words& PuzzleWords() {
    static const Words words{
        Cp1251("Введите потерянное число "),
        Cp1251("последовательности: "),
        Cp1251("второй последовательности: "),
        Cp1251("третьей последовательности: "),
        Cp1251("Первая последовательность "),
        Cp1251("Вторая последовательность "),
        Cp1251("восстановлена "),
        Cp1251("Число введено неверно! "),
        Cp1251("Попробуйте еще раз "),
    };
    return words;
}

void Restore(GameState& game, const Rect& area) {
    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* first = game.slots.Get(kSlotFirstFrame);
    if (back && first) CopyRect(*back, area.left, area.top, *first, &area);
}

void Blend(GameState& game, int slot, const Rect& from, int x, int y) {
    Surface* back = game.slots.Get(kSlotBackBuffer);
    const Surface* source = game.slots.Get(slot);
    if (back && source) BlendBlit(*back, *source, x, y, &from, 255);
}

void Say(GameState& game, std::string_view line, int y) {
    if (Surface* back = game.slots.Get(kSlotBackBuffer)) {
        DrawTextLine(*back, game.fonts, game.text, line, kTextX, y, 0, /*withSpeaker=*/false);
    }
}

}  // namespace

FixedPictures CodePuzzlePictures() {
    FixedPictures pictures;
    for (const auto& picture : kPictures) pictures.push_back({picture.file, PictureNeed::Required});
    return pictures;
}

bool IsTypeableCodeAnswer(std::string_view answer) {
    return !answer.empty() && answer.size() <= kMaxDigits &&
           std::all_of(answer.begin(), answer.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool CodePuzzle::Start() {
    GameState& game = shell_.game;
    const StringList& lines = game.lists.CodeLines;
    // Blank lines hold no sequence (a file read from the archive ends with one): choosing one
    // would ask for an answer nobody can give.
    std::vector<int> usable;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!Trim(lines[i]).empty()) usable.push_back(static_cast<int>(i));
    }
    if (usable.empty()) {
        LogError("code.scn has no sequences; the code puzzle is skipped");
        return false;
    }
    CodeDigitX = kDigitsX;
    CodeEntry.clear();
    CodeKey = 0;
    game.ScreenMode = kPuzzleMode;
    ClearStage(game, ClearKind::All);
    TextState& text = game.text;
    text.TextFontFace = "GLQuarleMicra Normal";
    text.TextFontSize = 10;
    text.TextMaxLines = 5;
    text.TextFontColor = 0;
    text.TextWrapWidth = 36;
    text.TextLineSpacing = 18;

    for (int slot = kSlotScreenFirst; slot <= kSlotScreenLast; ++slot) game.slots.Release(slot);
    for (const auto& picture : kPictures) {
        Surface& surface = game.slots.Create(picture.slot, picture.width, picture.height);
        game.pictures.LoadPicture(surface, picture.file);
        surface.MarkChanged();
    }
    Blend(game, kSlotPage, kPageArea, kPageX, kPageY);
    Blend(game, kSlotPanel, kPanelArea, kPanelX, kPanelY);
    if (const Surface* back = game.slots.Get(kSlotBackBuffer)) {
        Surface& first = game.slots.Create(kSlotFirstFrame, back->width, back->height);
        CopyRect(first, 0, 0, *back);
    }

    // A file of fewer than three lines cannot give three different ones: it gives what it has.
    const int count = static_cast<int>(usable.size());
    sequences = std::min(kSequences, count);
    if (sequences < kSequences) {
        LogError("code.scn has " + std::to_string(count) + " sequence(s); the code puzzle asks for " +
                 std::to_string(sequences) + " sequence(s) instead of " +
                 std::to_string(kSequences));
    }
    game.SeedRandom();
    for (int k = 0; k < sequences; ++k) {
        int line;
        do {
            line = usable[static_cast<size_t>(game.random.Random(count))];
        } while (std::find(chosen_.begin(), chosen_.begin() + k, line) != chosen_.begin() + k);
        chosen_[static_cast<size_t>(k)] = line;
    }
    CodeShown.fill(std::string());
    TakeSequence(0);
    CodeSolved = 0;
    DrawPrompts();
    Present(game.slots, game.platform);
    return true;
}

void CodePuzzle::TakeSequence(int k) {
    const size_t index = static_cast<size_t>(chosen_[static_cast<size_t>(k)]);
    const std::string& line = shell_.game.lists.CodeLines[index];
    const size_t split = line.find(';');
    // Taken literally, as the file has them: no blanks are trimmed.
    CodeShown[static_cast<size_t>(k)] =
        (split == std::string::npos ? std::string() : line.substr(0, split)) + " ";
    CodeAnswer = split == std::string::npos ? line : line.substr(split + 1);
    if (!IsTypeableCodeAnswer(CodeAnswer)) {
        LogError("code.scn:" + std::to_string(index + 1) + ": the answer \"" +
                 Cp1251ToUtf8(CodeAnswer) + "\" is not a number of 1 to 4 digits after a \";\"" +
                 "; it cannot be entered on the keypad");
    }
}

void CodePuzzle::Hover(int x, int y) {
    GameState& game = shell_.game;
    CodeKey = 0;
    Restore(game, kKeypadArea);
    for (int k = 0; k < static_cast<int>(std::size(kKeys)); ++k) {
        const Key& key = kKeys[k];
        if (key.left < x && x < key.right && key.top < y && y < key.bottom) {
            CodeKey = k + 1;
            Blend(game, kSlotPanelPressed, key.pressed, key.x, key.y);
            break;
        }
    }
    Present(game.slots, game.platform);
}

void CodePuzzle::Click() {
    if (CodeKey >= 1 && CodeKey <= 10) {
        if (CodeEntry.size() < kMaxDigits) CodeEntry += static_cast<char>('0' + CodeKey % 10);
    } else if (CodeKey == kDeleteKey) {
        if (!CodeEntry.empty()) CodeEntry.pop_back();
    }
    if (CodeKey == kCheckKey) return Check();
    // CodeKey stays: only a move changes it, so the same key may be pressed again at once.
    DrawEntry();
    Present(shell_.game.slots, shell_.game.platform);
}

void CodePuzzle::DrawEntry() {
    GameState& game = shell_.game;
    Restore(game, kLeftHalf);
    CodeDigitX = kDigitsX;
    for (char c : CodeEntry) {
        const DigitImage& digit = kDigits[c - '0'];
        Blend(game, kSlotDigits, {digit.left, 0, digit.right, kDigitHeight}, CodeDigitX, kDigitsY);
        CodeDigitX += digit.advance;
    }
}

void CodePuzzle::Check() {
    GameState& game = shell_.game;
    if (CodeEntry == CodeAnswer) {
        ++CodeSolved;
        CodeEntry.clear();
        Restore(game, kLeftHalf);
        if (CodeSolved >= sequences) {
            game.ScreenMode = 1;
            shell_.interpreter.RunScript();
            return;
        }
        TakeSequence(CodeSolved);
        DrawBlock(CodeSolved);
        Present(game.slots, game.platform);
        return;
    }
    CodeEntry.clear();
    Restore(game, kMessageArea);
    Say(game, PuzzleWords().wrong, 270);
    Say(game, PuzzleWords().tryAgain, 290);
    Present(game.slots, game.platform);
    game.platform.Sleep(kWrongAnswerMs);
    Restore(game, kMessageArea);
    DrawPrompts();
    Present(game.slots, game.platform);
}

void CodePuzzle::DrawPrompts() {
    for (int k = 0; k <= CodeSolved && k < sequences; ++k) DrawBlock(k);
}

void CodePuzzle::DrawBlock(int k) {
    GameState& game = shell_.game;
    const Words& words = PuzzleWords();
    const std::string& shown = CodeShown[static_cast<size_t>(k)];
    if (k == 0) {
        Say(game, words.enterLost, 210);
        Say(game, words.ofSequence, 230);
        Say(game, shown, 250);
        return;
    }
    const int top = 170 + 100 * k;
    Say(game, k == 1 ? words.firstRestored : words.secondRestored, top);
    Say(game, words.restored, top + 20);
    Say(game, words.enterLost, top + 40);
    Say(game, k == 1 ? words.ofSecond : words.ofThird, top + 60);
    Say(game, shown, top + 80);
}

}  // namespace orvane
