#include "render/text_layout.h"

#include "base/decimal.h"
#include "base/text.h"

namespace orvane {
namespace {

bool IsBreak(char c) { return c == ' ' || c == '.' || c == ',' || c == '-'; }

// How many bytes of `rest` make `width` visible characters; a tag inside is taken whole.
size_t PieceLength(std::string_view rest, int width) {
    size_t pos = 0;
    int visible = 0;
    while (pos < rest.size() && visible < width) {
        if (rest[pos] == '/') {
            const size_t close = rest.find('/', pos + 1);
            if (close != std::string_view::npos) {
                pos = close + 1;
                continue;
            }
        }
        ++pos;
        ++visible;
    }
    return pos;
}

}  // namespace

uint32_t PaletteColor(int number) {
    static constexpr uint32_t kPalette[16] = {
        0x000000, 0xFF0000, 0x0000FF, 0x008000, 0xFFFF00, 0xFF00FF, 0x800000, 0x808000,
        0x000080, 0x800080, 0x008080, 0x00FF00, 0x00FFFF, 0xC0C0C0, 0x808080, 0xFFFFFF,
    };
    if (number >= 0 && number < 16) return kPalette[number];
    const auto value = static_cast<uint32_t>(number);
    // A Windows colour value keeps red in its low byte.
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

std::optional<FontSetting> ParseFontSetting(std::string_view text) {
    FontSetting font;
    size_t fieldStart = 0;
    std::string_view fields[5];
    for (int i = 0; i < 5; ++i) {
        const size_t colon = text.find(':', fieldStart);
        const bool last = i == 4;
        if (!last && colon == std::string_view::npos) return std::nullopt;
        fields[i] = text.substr(fieldStart, last ? std::string_view::npos : colon - fieldStart);
        fieldStart = colon + 1;
    }
    const auto size = ParseDecimal(fields[1]);
    const auto color = ParseDecimal(fields[3]);
    const auto wrap = ParseDecimal(fields[4]);
    if (!size || !color || !wrap) return std::nullopt;
    font.face = std::string(fields[0]);
    font.size = *size;
    font.style = std::string(fields[2]);
    font.color = *color;
    font.wrap = *wrap;
    return font;
}

void AddStyle(std::string& style, std::string_view word) {
    if (!Contains(style, word)) style += word;
}

void RemoveStyle(std::string& style, std::string_view word) {
    for (size_t at = style.find(word); at != std::string::npos; at = style.find(word)) {
        style.erase(at, word.size());
    }
}

void ApplyTag(std::string_view tag, const TextFont& base, TextFont& font) {
    static constexpr std::pair<char, std::string_view> kStyles[] = {
        {'b', "bold"}, {'i', "italic"}, {'u', "underline"}, {'s', "strikeout"}};
    if (tag == "-") {
        font = base;
    } else if (tag == "-h") {
        font.size = base.size;
    } else if (tag == "-f") {
        font.face = base.face;
    } else if (StartsWith(tag, "h")) {
        if (auto size = ParseDecimal(tag.substr(1))) font.size = *size;
    } else if (StartsWith(tag, "f")) {
        font.face = std::string(tag.substr(1));
    } else {
        for (const auto& [letter, word] : kStyles) {
            if (tag.size() == 1 && tag[0] == letter) AddStyle(font.style, word);
            if (tag.size() == 2 && tag[0] == '-' && tag[1] == letter) RemoveStyle(font.style, word);
        }
    }
}

std::string WrapText(std::string_view text, int width) {
    if (width < 1 || static_cast<int>(text.size()) <= width) return std::string(text);
    std::string result;
    std::string_view rest = Trim(text);
    while (!rest.empty()) {
        // A line break already within reach stays where it is.
        const size_t cr = rest.substr(0, static_cast<size_t>(width)).find('\r');
        if (cr != std::string_view::npos) {
            const size_t lf = rest.find('\n', cr);
            const size_t end = lf == std::string_view::npos ? cr + 1 : lf + 1;
            result += rest.substr(0, end);
            rest.remove_prefix(end);
            continue;
        }
        const size_t length = PieceLength(rest, width);
        std::string_view piece = rest.substr(0, length);
        if (length >= rest.size()) {
            result += piece;
            break;
        }
        if (piece.find_first_of(" .,-") == std::string_view::npos) {
            result += piece;
            result += "\r\n";
            rest.remove_prefix(length);
            continue;
        }
        const char after = rest[length];
        if (after == ' ' || after == '\n' || after == '\r') {
            if (after == '\n') piece.remove_suffix(1);
            result += piece;
            result += "\r\n";
            size_t drop = length + 1;
            if (after == '\r' && drop < rest.size() && rest[drop] == '\n') ++drop;
            rest.remove_prefix(drop);
            continue;
        }
        const char last = piece.back();
        if (last != ' ' && last != '\n') {
            size_t cut = piece.size();
            while (cut > 0 && !IsBreak(piece[cut - 1])) --cut;
            result += piece.substr(0, cut);
            result += "\r\n";
            rest.remove_prefix(cut);
            continue;
        }
        result += piece;
        if (last != '\n') result += "\r\n";
        rest.remove_prefix(length);
    }
    return result;
}

}  // namespace orvane
