#include <map>
#include <set>

#include "archive/pak_reader.h"
#include "base/files.h"
#include "base/text.h"
#include "commands.h"
#include "entry_paths.h"

namespace orvane::pak_tool {
namespace {

namespace fs = std::filesystem;

std::string Describe(const std::vector<PakEntry>& entries, size_t index) {
    return "entry " + std::to_string(index + 1) + " \"" + DisplayName(entries[index].name) + "\"";
}

// The entries to extract: all of them, or for each name asked for the first entry that the
// engine would find by that name.
bool SelectEntries(const std::vector<PakEntry>& entries, const Arguments& names,
                   const std::string& archive, std::vector<size_t>& selected) {
    if (names.empty()) {
        for (size_t i = 0; i < entries.size(); ++i) selected.push_back(i);
        return true;
    }
    std::set<size_t> chosen;
    bool allFound = true;
    for (const std::string& wanted : names) {
        const std::optional<std::string> name = CommandLineNameToCp1251(wanted);
        size_t i = 0;
        while (name && i < entries.size() && !EqualsIgnoreCaseCp1251(entries[i].name, *name)) ++i;
        if (!name || i == entries.size()) {
            Fail(archive + " has no entry named '" + wanted + "'");
            allFound = false;
        } else if (chosen.insert(i).second) {
            selected.push_back(i);
        }
    }
    return allFound;
}

}  // namespace

int RunExtract(const Arguments& args) {
    if (args.size() < 2) return UsageError("usage: orvane-pak extract ARCHIVE DIR [NAME...]");
    const std::string& archive = args[0];
    const fs::path root = args[1];
    std::vector<PakEntry> entries;
    std::string error;
    if (!ListPakEntries(archive, entries, error)) return Fail(error);
    std::vector<size_t> selected;
    if (!SelectEntries(entries, Arguments(args.begin() + 2, args.end()), archive, selected)) {
        return kExitFailure;
    }
    std::error_code ec;
    fs::create_directories(root, ec);
    if (!fs::is_directory(root, ec)) {
        return Fail(fs::exists(root, ec) ? root.string() + " is not a folder"
                                         : "cannot create the folder " + root.string());
    }

    bool failed = false;
    std::map<std::string, size_t> firstByName;  // lower-cased stored name -> entry
    std::map<std::string, size_t> firstByPath;  // lower-cased file path -> entry
    for (const size_t i : selected) {
        const PakEntry& entry = entries[i];
        const auto [byName, newName] = firstByName.emplace(LowerCaseCp1251(entry.name), i);
        if (!newName) {
            Warn(Describe(entries, i) + " is not extracted: it repeats the name of " +
                 Describe(entries, byName->second) + ", which is the one the engine reads");
            continue;
        }
        std::string why;
        const auto components = EntryPathComponents(entry.name, why);
        if (!components) {
            Fail("refusing to extract " + Describe(entries, i) + ": " + why);
            failed = true;
            continue;
        }
        std::string key;
        for (const std::string& part : *components) key += LowerCaseCp1251(part) + '/';
        const auto [byPath, newPath] = firstByPath.emplace(key, i);
        if (!newPath) {
            Warn(Describe(entries, i) + " is not extracted: it would overwrite the file of " +
                 Describe(entries, byPath->second));
            continue;
        }
        fs::path target;
        if (!PrepareEntryTarget(root, *components, target, error)) {
            Fail("refusing to extract " + Describe(entries, i) + ": " + error);
            failed = true;
            continue;
        }
        const PakRead read = ReadPakBytes(archive, entry.name);
        if (read.status != PakStatus::Found) {
            Fail(read.status == PakStatus::Broken ? read.error
                                                  : Describe(entries, i) + " vanished meanwhile");
            failed = true;
            continue;
        }
        if (!WriteFileAtomic(target, read.bytes, error)) {
            Fail(error);
            failed = true;
        }
    }
    return failed ? kExitFailure : kExitOk;
}

}  // namespace orvane::pak_tool
