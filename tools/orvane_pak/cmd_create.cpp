#include <map>

#include "archive/pak_writer.h"
#include "base/files.h"
#include "base/text.h"
#include "commands.h"
#include "script_source.h"

namespace orvane::pak_tool {
namespace {

namespace fs = std::filesystem;

// "NAME=PATH" sets the entry name; a '=' after a '/' belongs to a path, so "./a=b" is a file.
void SplitFileArgument(const std::string& arg, std::string& name, fs::path& path) {
    const size_t equals = arg.find('=');
    if (equals != std::string::npos && equals > 0 && arg.find('/') > equals) {
        name = arg.substr(0, equals);
        path = arg.substr(equals + 1);
    } else {
        path = arg;
        name = path.filename().string();
    }
}

bool IsScriptName(std::string_view cp1251Name) {
    return cp1251Name.size() >= 4 &&
           EqualsIgnoreCaseCp1251(cp1251Name.substr(cp1251Name.size() - 4), ".scn");
}

bool MakeSource(const std::string& arg, bool scripts, PakSource& source) {
    std::string utf8Name;
    fs::path path;
    SplitFileArgument(arg, utf8Name, path);
    const std::optional<std::string> name = CommandLineNameToCp1251(utf8Name);
    if (!name || name->empty()) {
        Fail("'" + arg + "' gives no entry name that Windows-1251 can hold");
        return false;
    }
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        Fail(fs::exists(path, ec) ? path.string() + " is not a file"
                                  : "cannot find " + path.string());
        return false;
    }
    source = PakSource{*name, path, std::nullopt};
    if (!scripts || !IsScriptName(*name)) return true;
    std::string text;
    std::string stored;
    std::string error;
    if (!ReadFileBounded(path, kMaxFileBytes, text, error) ||
        !PrepareScriptForPak(text, path.string(), stored, error)) {
        Fail(error);
        return false;
    }
    source.bytes = std::move(stored);
    return true;
}

}  // namespace

int RunCreate(const Arguments& args) {
    bool scripts = false;
    size_t next = 0;
    for (; next < args.size() && StartsWith(args[next], "--"); ++next) {
        if (args[next] == "--") {
            ++next;
            break;
        }
        if (args[next] != "--scripts") return UsageError("unknown option '" + args[next] + "'");
        scripts = true;
    }
    if (next >= args.size())
        return UsageError("usage: orvane-pak create [--scripts] ARCHIVE FILE...");
    const fs::path archive = args[next++];

    std::vector<PakSource> sources;
    std::map<std::string, std::string> firstByName;  // lower-cased name -> its argument
    for (; next < args.size(); ++next) {
        PakSource source;
        if (!MakeSource(args[next], scripts, source)) return kExitFailure;
        const auto [first, isNew] = firstByName.emplace(LowerCaseCp1251(source.name), args[next]);
        if (!isNew) {
            Warn("'" + args[next] + "' repeats the entry name of '" + first->second +
                 "'; the engine will only ever read the first");
        }
        sources.push_back(std::move(source));
    }
    std::string error;
    if (!WritePak(sources, archive, error)) return Fail(error);
    return kExitOk;
}

}  // namespace orvane::pak_tool
