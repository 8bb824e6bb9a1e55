#include "shell/screenshot.h"

#include <algorithm>

#include "archive/bmp_writer.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"
#include "shell/messages.h"

namespace orvane {

std::optional<int> NextScreenshotNumber(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;
    int next = 0;
    for (std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        const std::string name = LowerCaseCp1251(it->path().filename().string());
        if (!StartsWith(name, "screenshot") || !Contains(name, ".bmp")) continue;
        // Two digits as the game wrote them, and more past 99 so that numbering goes on.
        size_t digits = 10;
        while (digits < name.size() && name[digits] >= '0' && name[digits] <= '9') ++digits;
        if (digits < 12) continue;
        const int number = std::stoi(name.substr(10, std::min<size_t>(digits - 10, 6)));
        next = std::max(next, number + 1);
    }
    return next;
}

std::string ScreenshotName(int number) {
    return "screenshot" + std::string(number < 10 ? "0" : "") + std::to_string(number) + ".bmp";
}

std::optional<std::filesystem::path> TakeScreenshot(GameState& game) {
    const Surface* back = game.slots.Get(kSlotBackBuffer);
    if (!back) return std::nullopt;
    const std::optional<int> number = NextScreenshotNumber(game.folders.playerDir);
    if (!number) {
        game.platform.ShowMessage(kUnableToOpenDirectory);
        return std::nullopt;
    }
    const std::filesystem::path file = game.folders.playerDir / ScreenshotName(*number);
    std::string error;
    if (!WriteFileAtomic(file, EncodeBmp24(*back), error)) {
        LogError(error);
        return std::nullopt;
    }
    return file;
}

}  // namespace orvane
