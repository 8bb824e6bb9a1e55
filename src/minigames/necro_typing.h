// How a text screen of the phone is typed: a character a tick, three lines a page. The page
// being typed and what follows it are NecroText; a page is taken off its front when it is full.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

class NecroTyping {
public:
    static constexpr int kWrapWidth = 25;
    static constexpr int kPageLines = 3;

    // Draws `line` (1..3 of the page) but its last character, leaving out its first
    // `firstToDraw` characters, which are on the screen already.
    using DrawLine = std::function<void(std::string_view line, int lineNumber, size_t firstToDraw)>;

    // A new text, wrapped to the phone's lines and typed from its first.
    void Begin(std::string_view text);
    // The page that now stands at the front, typed from its first line.
    void Restart();
    void Clear();

    // One tick. False when typing stops: the page is full (NecroText keeps what follows it) or
    // the text is done (NecroText is empty).
    bool Tick(const DrawLine& draw);
    // The rest of the page at once; NecroText keeps what follows the page.
    void FinishPage(const DrawLine& draw);

    const std::string& NecroText() const { return text_; }

private:
    std::string text_;
    size_t cursor_ = 0;
    size_t lineStart_ = 0;
    int line_ = 1;
};

}  // namespace orvane
