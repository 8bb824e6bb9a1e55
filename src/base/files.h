// File helpers: case-insensitive lookup of loose game files, bounded reads, atomic writes.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

namespace fs = std::filesystem;

// The largest file the engine reads into memory (pictures, scripts, sounds, saves).
inline constexpr size_t kMaxFileBytes = size_t{512} << 20;

// A game-relative name in the engine's text (CP1251, backslashes allowed) as a path to hand to
// the operating system.
fs::path GameNameToPath(std::string_view cp1251Name);

// Finds `cp1251Name` below `dir`, matching every component without regard to letter case, as the
// data was made on a case-insensitive file system. An exact match wins over a case-folded one.
std::optional<fs::path> FindCaseInsensitive(const fs::path& dir, std::string_view cp1251Name);
// The same, but only a regular file is a match.
std::optional<fs::path> FindLooseFile(const fs::path& dir, std::string_view cp1251Name);

// Reads the whole file when it is at most `limit` bytes. On failure returns false and says why.
bool ReadFileBounded(const fs::path& path, size_t limit, std::string& bytes, std::string& error);

// Writes to a temporary file in the same folder, then renames it into place, so that a crash
// never leaves a half-written file. A symbolic link is written through to its target, which
// keeps its permissions; a new file gets those of the process's umask.
bool WriteFileAtomic(const fs::path& path, std::string_view bytes, std::string& error);

// Whether a file name (without folder) is one of our temporary files: ".orvane-tmp-" and six
// letters or digits. Such a name holds neither ".sav" nor "screenshot", so no listing of the
// engine takes a file that a crash left behind for one of its own.
bool IsEngineTemporaryFile(std::string_view name);
// Removes the temporary files that crashed writes left in `dir`. One younger than a minute may
// belong to another copy of the engine writing right now, and stays.
void RemoveStaleTemporaryFiles(const fs::path& dir);

// The same for a file written piece by piece. Nothing replaces the target until Commit();
// a writer destroyed before that removes its temporary file.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool Open(const fs::path& path, std::string& error);
    bool Write(std::string_view bytes, std::string& error);
    bool Commit(std::string& error);

private:
    void Abandon();
    fs::path target_;
    std::string temporary_;
    int fd_ = -1;
};

// Splits a text file the way a string list loads one: CR LF, a lone CR and a lone LF each end a
// line; a break at the very end does not start another line.
std::vector<std::string> SplitTextFileLines(std::string_view text);

bool IsWritableDirectory(const fs::path& dir);

}  // namespace orvane
