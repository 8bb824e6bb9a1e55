#include "entry_paths.h"

#include "base/text.h"

namespace orvane::pak_tool {

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> EntryPathComponents(std::string_view cp1251Name,
                                                            std::string& why) {
    const std::string name = SlashPath(cp1251Name);
    if (!name.empty() && name[0] == '/') {
        why = "it is an absolute path";
        return std::nullopt;
    }
    const auto first = static_cast<unsigned char>(name.empty() ? '\0' : name[0]);
    if (name.size() >= 2 && name[1] == ':' &&
        ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) {
        why = "it starts with a drive letter";
        return std::nullopt;
    }
    std::vector<std::string> components;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string::npos) end = name.size();
        const std::string_view part = std::string_view(name).substr(start, end - start);
        if (part == "..") {
            why = "it leads out of the folder with \"..\"";
            return std::nullopt;
        }
        if (!part.empty() && part != ".") components.emplace_back(part);
        start = end + 1;
    }
    if (components.empty()) {
        why = "it names no file";
        return std::nullopt;
    }
    return components;
}

bool PrepareEntryTarget(const fs::path& root, const std::vector<std::string>& components,
                        fs::path& target, std::string& error) {
    fs::path current = root;
    for (size_t i = 0; i + 1 < components.size(); ++i) {
        current /= Cp1251ToUtf8(components[i]);
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(current, ec);
        if (fs::is_symlink(status)) {
            error = current.string() +
                    " is a symbolic link; extracting through it could write "
                    "outside the folder";
            return false;
        }
        if (!fs::exists(status)) {
            if (!fs::create_directory(current, ec) && ec) {
                error = "cannot create the folder " + current.string() + ": " + ec.message();
                return false;
            }
        } else if (!fs::is_directory(status)) {
            error = current.string() + " exists and is not a folder";
            return false;
        }
    }
    current /= Cp1251ToUtf8(components.back());
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(current, ec))) {
        error = current.string() + " exists and is a folder";
        return false;
    }
    // A symbolic link in the file's own place is replaced, not followed: the rename of an atomic
    // write swaps the directory entry itself.
    target = current;
    return true;
}

}  // namespace orvane::pak_tool
