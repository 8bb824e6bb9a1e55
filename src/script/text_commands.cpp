#include "script/text_commands.h"

#include <algorithm>

#include "base/decimal.h"
#include "base/saturating.h"
#include "base/text.h"
#include "render/display.h"
#include "render/text_renderer.h"
#include "script/command_params.h"
#include "script/stage.h"

namespace orvane {
namespace {

constexpr int kSkips[10] = {7, 5, 6, 3, 8, 6, 10, 7, 7, 6};

void SetSpeed(GameState& game, std::string_view word) {
    static constexpr std::pair<std::string_view, int> kSpeeds[] = {
        {"fast", 10}, {"medium", 50}, {"slow", 100}};
    for (const auto& [name, ms] : kSpeeds) {
        if (word == name) {
            game.text.TextSpeed = std::string(word);
            game.platform.SetTimerInterval(TimerId::Timer1, ms);
            return;
        }
    }
    // "no" shows the text at once; any other word leaves the speed as it was.
    if (word == "no") game.text.TextSpeed = "no";
}

void SetTextFont(TextState& text, const FontSetting& font) {
    text.TextFontFace = font.face;
    text.TextFontSize = font.size;
    text.TextFontStyle = font.style;
    text.TextFontColor = font.color;
    text.TextWrapWidth = font.wrap;
}

// "X:Y", a word of the stage alignments, or ":X:Y".
void SetTextPosition(TextState& text, std::string_view value) {
    if (!value.empty() && value[0] != ':' && Contains(value, ":")) {
        const size_t colon = value.find(':');
        text.TextX = ParseDecimal(value.substr(0, colon)).value_or(text.TextX);
        text.TextY = ParseDecimal(value.substr(colon + 1)).value_or(text.TextY);
        return;
    }
    const StagePoint at = StagePosition(value, 1, 1);
    text.TextX = at.x;
    text.TextY = at.y;
}

void ApplyCommonDefaults(GameState& game) {
    TextState& text = game.text;
    SetTextPosition(text, text.defaults.position);
    if (auto font = ParseFontSetting(text.defaults.font)) SetTextFont(text, *font);
    SetSpeed(game, text.defaults.speed);
    text.TextClickSetting = text.defaults.click;
    text.TextLineSpacing = ParseDecimal(text.defaults.spacing).value_or(text.TextLineSpacing);
    text.TextMaxLines = ParseDecimal(text.defaults.maxLines).value_or(text.TextMaxLines);
}

void SetSpeaker(GameState& game, std::string_view value) {
    TextState& text = game.text;
    const std::vector<std::string_view> fields = SplitFields(value, ':');
    std::string name(fields[0]);
    std::replace(name.begin(), name.end(), '%', ' ');
    text.SpeakerName = ReplaceNameVariables(name, game.lists.NameList);
    std::optional<FontSetting> font;
    int x = 0, y = 0;
    if (fields.size() >= 8 && fields[1] != "default") {
        const size_t styleStart = fields[0].size() + 1;
        const std::string_view rest = value.substr(styleStart);
        const size_t fifthColon = [&] {
            size_t at = 0;
            for (int i = 0; i < 5; ++i) at = rest.find(':', at) + 1;
            return at - 1;
        }();
        font = ParseFontSetting(rest.substr(0, fifthColon));
        x = ParseDecimal(fields[6]).value_or(0);
        y = ParseDecimal(fields[7]).value_or(0);
    } else {
        font = ParseFontSetting(text.defaults.nameFont);
        x = ParseDecimal(text.defaults.nameX).value_or(0);
        y = ParseDecimal(text.defaults.nameY).value_or(0);
    }
    if (!font) return;
    text.NameFontFace = font->face;
    text.NameFontSize = font->size;
    text.NameFontStyle = font->style;
    text.NameFontColor = font->color;
    text.NameX = x;
    text.NameY = y;
    text.TextWrapWidth = font->wrap;
}

void PresentUnlessCycling(GameState& game) {
    if (game.stage.Cycles.empty()) Present(game.slots, game.platform);
}

// Removes the first `count` lines (through their line feeds) from the shown text.
void DropLines(std::string& shown, int count) {
    size_t at = 0;
    for (int i = 0; i < count && at != std::string::npos; ++i) {
        at = shown.find('\n', at);
        if (at != std::string::npos) ++at;
    }
    shown.erase(0, at == std::string::npos ? shown.size() : at);
}

// Where the typewriter draws line `k` of the page. Positions and spacings are whatever the
// script says, so the sum is taken in 64 bits and held to the int range.
int LineTop(const TextState& text, int k) {
    return SaturatingAdd(text.TextTop, int64_t{k} * text.TextLineSpacing);
}

// The k-th line (1-based) of `text` with its carriage return; empty past the end.
std::string_view NthLine(std::string_view text, int k) {
    size_t start = 0;
    for (int i = 1; i < k && start < text.size(); ++i) {
        const size_t lf = text.find('\n', start);
        start = lf == std::string_view::npos ? text.size() : lf + 1;
    }
    const size_t lf = text.find('\n', start);
    return text.substr(start, (lf == std::string_view::npos ? text.size() : lf) - start);
}

// Completes the page at once: what the typewriter has not drawn of lines TypeLine ..
// TextMaxLines is drawn, and the page's lines are taken off the shown text.
void ShowPageAtOnce(GameState& game) {
    TextState& text = game.text;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    text.SetCurrentFont(text.lineFont);
    // Lines past the end of the text are empty and draw nothing (after the first, which may
    // draw the speaker); a page may allow far more lines than a text ever has.
    const int64_t textLines = std::count(text.ShownText.begin(), text.ShownText.end(), '\n') + 1;
    const int last = static_cast<int>(
        std::min<int64_t>(text.TextMaxLines, std::max<int64_t>(textLines, text.TypeLine)));
    for (int k = text.TypeLine; k <= last; ++k) {
        const std::string_view line = NthLine(text.ShownText, k);
        const size_t drawn = k == text.TypeLine ? static_cast<size_t>(text.lineDrawn) : 0;
        DrawTextLine(*back, game.fonts, text, line, text.TextX, LineTop(text, k), drawn,
                     !text.speakerShown);
        text.speakerShown = true;
    }
    DropLines(text.ShownText, text.TextMaxLines);
    text.TypeLine = text.TextMaxLines;
    game.platform.SetTimerEnabled(TimerId::Timer1, false);
    PresentUnlessCycling(game);
}

void BeginPage(GameState& game) {
    TextState& text = game.text;
    text.TypePos = 1;
    text.TypeLine = 1;
    text.TypeLineStart = 1;
    text.TextFinished = false;
    text.lineFont = text.CurrentFont();
    text.lineDrawn = 0;
    text.speakerShown = false;
    game.platform.SetTimerEnabled(TimerId::Timer1, true);
}

}  // namespace

TextDefaults ParseTextDefaults(const StringList& lines) {
    std::string values[10];
    for (size_t i = 0; i < 10 && i < lines.size(); ++i) {
        const size_t skip = static_cast<size_t>(kSkips[i]);
        if (lines[i].size() > skip) values[i] = lines[i].substr(skip);
    }
    return {values[0], values[1], values[2], values[3], values[4],
            values[5], values[6], values[7], values[8], values[9]};
}

void ApplyTextDefaults(GameState& game) {
    TextState& text = game.text;
    text.defaults = ParseTextDefaults(game.lists.TextDefaults);
    ApplyCommonDefaults(game);
    if (auto font = ParseFontSetting(text.defaults.nameFont)) {
        text.NameFontFace = font->face;
        text.NameFontSize = font->size;
        text.NameFontStyle = font->style;
        text.NameFontColor = font->color;
    }
    text.NameX = ParseDecimal(text.defaults.nameX).value_or(0);
    text.NameY = ParseDecimal(text.defaults.nameY).value_or(0);
}

std::string ReplaceNameVariables(std::string_view text, const StringList& names) {
    std::string out;
    size_t pos = 0;
    for (size_t at = text.find("/v"); at != std::string_view::npos; at = text.find("/v", pos)) {
        const size_t close = text.find('/', at + 2);
        if (close == std::string_view::npos) break;
        out += text.substr(pos, at - pos);
        const std::string_view variable = text.substr(at + 2, close - at - 2);
        for (const std::string& entry : names) {
            if (StartsWith(entry, variable)) {
                const size_t colon = entry.find(':');
                if (colon != std::string::npos) out += entry.substr(colon + 1);
                break;
            }
        }
        pos = close + 1;
    }
    out += text.substr(pos);
    return out;
}

void SetText(GameState& game, ScriptHooks& hooks, std::string_view line) {
    TextState& text = game.text;
    text.SpeakerName.clear();
    if (Contains(line, "set text default")) ApplyCommonDefaults(game);
    const std::string_view settings = TextSettingsPart(line);
    auto number = [&](std::string_view key, int fallbackDefault, int& field) {
        if (auto value = ValueOf(settings, key)) {
            if (*value == "default") field = fallbackDefault;
            else field = ParseDecimal(*value).value_or(field);
        }
    };
    number("max_str=", ParseDecimal(text.defaults.maxLines).value_or(text.TextMaxLines),
           text.TextMaxLines);
    number("il=", ParseDecimal(text.defaults.spacing).value_or(text.TextLineSpacing),
           text.TextLineSpacing);
    if (auto voice = ValueOf(settings, "voice=")) hooks.PlayVoice(*voice);
    if (auto name = ValueOf(settings, "name=")) SetSpeaker(game, *name);
    if (auto font = ValueOf(settings, " font=")) {
        if (*font == "default") font = text.defaults.font;
        if (auto parsed = ParseFontSetting(*font)) SetTextFont(text, *parsed);
    }
    if (auto click = ValueOf(settings, "click=")) {
        text.TextClickSetting = *click == "default" ? text.defaults.click : std::string(*click);
    }
    if (auto align = ValueOf(settings, "align=")) {
        SetTextPosition(text, *align == "default" ? std::string_view(text.defaults.position) : *align);
    }
    if (auto speed = ValueOf(settings, "speed=")) {
        SetSpeed(game, *speed == "default" ? std::string_view(text.defaults.speed) : *speed);
    }
    const std::string shown =
        ReplaceNameVariables(RestOf(line, "text=").value_or(""), game.lists.NameList);
    text.ShownText = WrapText(shown, text.TextWrapWidth) + "\r\n";
    text.TextTop = SaturatingAdd(text.TextY, -int64_t{text.TextLineSpacing});
    BeginPage(game);
    if (text.TextSpeed == "no") ShowPageAtOnce(game);
}

std::string_view TextSettingsPart(std::string_view line) {
    const size_t text = line.find("text=");
    return text == std::string_view::npos ? line : line.substr(0, text);
}

void SetSelectionText(GameState& game) {
    game.ScreenMode = 2;
    game.MenuKind = 3;
}

void SetEnter(GameState& game, std::string_view line) {
    ClearStage(game, ClearKind::All);
    NameEntryState& entry = game.nameEntry;
    entry = NameEntryState{};
    entry.variable = std::string(ValueOf(line, "name=").value_or(""));
    entry.font = ParseFontSetting(game.text.defaults.font).value_or(FontSetting{});
    if (auto font = ValueOf(line, " font=")) {
        if (*font != "default") {
            if (auto parsed = ParseFontSetting(*font)) entry.font = *parsed;
        }
    }
    TextState position;
    SetTextPosition(position, game.text.defaults.position);
    if (auto align = ValueOf(line, "align=")) {
        if (*align != "default") SetTextPosition(position, *align);
    }
    entry.originX = position.TextX;
    entry.originY = position.TextY;
    entry.penX = entry.originX;
    if (auto bg = ValueOf(line, "bg=")) {
        const std::optional<std::string> file = CatalogFile(game.lists.ObjectCatalog, *bg);
        Surface* back = game.slots.Get(kSlotBackBuffer);
        if (file && back) {
            game.pictures.LoadPicture(*back, *file);
            back->MarkChanged();
        }
    }
    game.ScreenMode = 14;
    game.platform.SetTimerEnabled(TimerId::Timer4, true);
    Present(game.slots, game.platform);
}

void TypewriterTick(GameState& game) {
    if (game.Suspended || game.ScreenMode == 20 || (game.ScreenMode >= 40 && game.ScreenMode <= 43)) {
        return;
    }
    TextState& text = game.text;
    const std::string& shown = text.ShownText;
    const int length = static_cast<int>(shown.size());
    if (text.TypePos > length + 1) {
        // The text is done. The script position stays: the line after "set text" runs on the
        // next click whether the player finished the text or the typewriter did.
        text.ShownText.clear();
        game.platform.SetTimerEnabled(TimerId::Timer1, false);
        text.TextFinished = true;
        return;
    }
    const auto skipTag = [&] {
        const size_t close = shown.find('/', static_cast<size_t>(text.TypePos));
        if (close != std::string::npos) text.TypePos = static_cast<int>(close) + 2;
    };
    const auto at = [&](int position) {  // 1-based, 0 past the ends
        return position >= 1 && position <= length ? shown[static_cast<size_t>(position - 1)] : '\0';
    };
    if (at(text.TypePos - 1) == '\n') {
        // A line has ended; the next starts with its first character shown.
        const int lineStart = text.TypePos;
        text.TypeLine += 1;
        if (text.TypeLine == int64_t{text.TextMaxLines} + 1) {
            game.platform.SetTimerEnabled(TimerId::Timer1, false);
            DropLines(text.ShownText, text.TextMaxLines);
            return;
        }
        text.TypeLineStart = lineStart;
        text.lineFont = text.CurrentFont();
        text.lineDrawn = 0;
        text.TypePos = lineStart + 2;
        // A line that starts with a tag: the tag is passed over as a whole, so the line break
        // before it is not lost.
        if (at(lineStart) == '/') {
            text.TypePos = lineStart;
            skipTag();
        }
    } else if (at(text.TypePos) == '/') {
        skipTag();
    }
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    const int start = std::clamp(text.TypeLineStart - 1, 0, length);
    const int end = std::clamp(text.TypePos - 1, start, length);
    text.SetCurrentFont(text.lineFont);
    const std::string_view line =
        std::string_view(shown).substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
    DrawTextLine(*back, game.fonts, text, line, text.TextX, LineTop(text, text.TypeLine),
                 static_cast<size_t>(text.lineDrawn), !text.speakerShown);
    text.speakerShown = true;
    text.lineDrawn = std::max(text.lineDrawn, static_cast<int>(line.size()) - 1);
    PresentUnlessCycling(game);
    text.TypePos += 1;
}

void FinishPage(GameState& game) { ShowPageAtOnce(game); }

void StartNextPage(GameState& game) { BeginPage(game); }

void CaretTick(GameState& game) {
    if (game.Suspended || game.ScreenMode == 20) return;
    NameEntryState& entry = game.nameEntry;
    Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return;
    const bool wasWhite = entry.caretWhite;
    entry.caretWhite = !entry.caretWhite;
    const FontSpec fontSpec = ToFontSpec({entry.font.face, entry.font.size, entry.font.style, 0});
    game.fonts.DrawChar(*back, entry.penX, entry.originY, fontSpec, wasWhite ? 0xFFFFFF : 0x010000, '|');
    back->MarkChanged();
    Present(game.slots, game.platform);
}

}  // namespace orvane
