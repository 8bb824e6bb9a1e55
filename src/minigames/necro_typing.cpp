#include "minigames/necro_typing.h"

#include "base/text.h"
#include "render/text_layout.h"

namespace orvane {

void NecroTyping::Begin(std::string_view text) {
    // The blank at the end is the character "about to be typed" when the last real one shows.
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    text_ = WrapText(text.substr(0, end), kWrapWidth) + " ";
    Restart();
}

void NecroTyping::Restart() {
    cursor_ = 0;
    lineStart_ = 0;
    line_ = 1;
}

void NecroTyping::Clear() {
    text_.clear();
    Restart();
}

bool NecroTyping::Tick(const DrawLine& draw) {
    if (cursor_ >= text_.size()) {
        Clear();
        return false;
    }
    const size_t at = cursor_++;
    if (text_[at] == '\n') {
        lineStart_ = cursor_;
        if (++line_ > kPageLines) {
            text_.erase(0, cursor_);
            Restart();
            return false;
        }
        return true;
    }
    const size_t drawn = at > lineStart_ ? at - 1 - lineStart_ : 0;
    draw(std::string_view(text_).substr(lineStart_, at - lineStart_ + 1), line_, drawn);
    return true;
}

void NecroTyping::FinishPage(const DrawLine& draw) {
    size_t start = 0;
    for (int line = 1; line <= kPageLines && start < text_.size(); ++line) {
        const size_t lf = text_.find('\n', start);
        const size_t end = lf == std::string::npos ? text_.size() : lf + 1;
        if (line == line_) {
            draw(std::string_view(text_).substr(start, end - start), line,
                 cursor_ > lineStart_ + 1 ? cursor_ - 1 - lineStart_ : 0);
        } else if (line > line_) {
            draw(std::string_view(text_).substr(start, end - start), line, 0);
        }
        start = end;
    }
    text_.erase(0, start);
    Restart();
}

}  // namespace orvane
