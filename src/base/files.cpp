#include "base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <random>

#include "base/text.h"

namespace orvane {

fs::path GameNameToPath(std::string_view cp1251Name) {
    return fs::path(Cp1251ToUtf8(SlashPath(cp1251Name)));
}

namespace {

std::optional<fs::path> FindComponent(const fs::path& dir, const std::string& componentUtf8) {
    std::error_code ec;
    fs::path exact = dir / componentUtf8;
    if (fs::exists(exact, ec)) return exact;
    const std::optional<std::string> wanted = Utf8ToCp1251(componentUtf8);
    if (!wanted) return std::nullopt;
    const std::string wantedLower = LowerCaseCp1251(*wanted);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<std::string> name = Utf8ToCp1251(it->path().filename().string());
        if (name && LowerCaseCp1251(*name) == wantedLower) return it->path();
    }
    return std::nullopt;
}

}  // namespace

std::optional<fs::path> FindCaseInsensitive(const fs::path& dir, std::string_view cp1251Name) {
    const fs::path relative = GameNameToPath(cp1251Name);
    if (relative.empty()) return std::nullopt;
    fs::path current = dir.empty() ? fs::path(".") : dir;
    for (const fs::path& part : relative) {
        const std::string piece = part.string();
        if (piece.empty() || piece == "/") continue;
        if (piece == "." || piece == "..") {
            current /= piece;
            continue;
        }
        std::optional<fs::path> found = FindComponent(current, piece);
        if (!found) return std::nullopt;
        current = *found;
    }
    return current;
}

std::optional<fs::path> FindLooseFile(const fs::path& dir, std::string_view cp1251Name) {
    std::optional<fs::path> found = FindCaseInsensitive(dir, cp1251Name);
    std::error_code ec;
    if (found && fs::is_regular_file(*found, ec)) return found;
    return std::nullopt;
}

bool ReadFileBounded(const fs::path& path, size_t limit, std::string& bytes, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) {
        error = "cannot read " + path.string();
        return false;
    }
    if (static_cast<uint64_t>(size) > limit) {
        error = path.string() + " is too large (" + std::to_string(size) + " bytes)";
        return false;
    }
    in.seekg(0, std::ios::beg);
    std::string data(static_cast<size_t>(size), '\0');
    if (size > 0 && !in.read(data.data(), size)) {
        error = "cannot read " + path.string();
        return false;
    }
    bytes = std::move(data);
    return true;
}

namespace {

constexpr std::string_view kTemporaryPrefix = ".orvane-tmp-";
constexpr size_t kTemporarySuffixLength = 6;
constexpr std::string_view kSuffixLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// Linux gives up on a chain of links at this length too.
constexpr int kMaxLinkHops = 40;

bool IsSuffixLetter(char c) { return kSuffixLetters.find(c) != std::string_view::npos; }

std::string TemporaryName() {
    thread_local std::mt19937 random{std::random_device{}()};
    std::string name(kTemporaryPrefix);
    std::uniform_int_distribution<size_t> pick(0, kSuffixLetters.size() - 1);
    for (size_t i = 0; i < kTemporarySuffixLength; ++i) name += kSuffixLetters[pick(random)];
    return name;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The file that writing to `path` reaches: a symbolic link is followed, even to a file that
// does not exist yet, so that the link itself stays in place.
bool FollowLinks(fs::path& path, std::string& error) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return true;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) {
            error = "cannot follow the link " + path.string() + ": " + ec.message();
            return false;
        }
        path = target.is_absolute() ? target : FolderOf(path) / target;
    }
    error = "cannot write " + path.string() + ": too many levels of symbolic links";
    return false;
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the file is in
// place all the same, so a failure here is no failure of the write.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool IsEngineTemporaryFile(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporarySuffixLength ||
        name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix) {
        return false;
    }
    const std::string_view suffix = name.substr(kTemporaryPrefix.size());
    return std::all_of(suffix.begin(), suffix.end(), IsSuffixLetter);
}

void RemoveStaleTemporaryFiles(const fs::path& dir) {
    const auto staleBefore = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!IsEngineTemporaryFile(it->path().filename().string()) ||
            !it->is_regular_file(entryError) || it->is_symlink(entryError)) {
            continue;
        }
        const auto modified = it->last_write_time(entryError);
        if (!entryError && modified < staleBefore) fs::remove(it->path(), entryError);
    }
}

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

void AtomicFileWriter::Abandon() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    fd_ = -1;
    temporary_.clear();
}

bool AtomicFileWriter::Open(const fs::path& path, std::string& error) {
    Abandon();
    target_ = path;
    if (!FollowLinks(target_, error)) return false;
    const fs::path folder = FolderOf(target_);
    int openError = 0;
    // A clash with a name in use is unlikely; a few more tries make it practically impossible.
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        std::string name = (folder / TemporaryName()).string();
        // Created like any new file, so the umask applies.
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        openError = errno;
        if (fd_ >= 0) temporary_ = std::move(name);
        if (fd_ < 0 && openError != EEXIST) break;
    }
    if (fd_ < 0) {
        error = "cannot create a temporary file in " + folder.string() + ": " +
                std::strerror(openError);
        return false;
    }
    // The file replaced keeps its permissions (a player may have made a save private).
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd_, existing.st_mode & 07777);
    }
    return true;
}

bool AtomicFileWriter::Write(std::string_view bytes, std::string& error) {
    size_t done = 0;
    while (fd_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = "cannot write " + target_.string() + ": " + std::strerror(errno);
            Abandon();
            return false;
        }
        done += static_cast<size_t>(n);
    }
    if (fd_ < 0) {
        error = "cannot write " + target_.string() + ": the file is not open";
        return false;
    }
    return true;
}

bool AtomicFileWriter::Commit(std::string& error) {
    if (fd_ < 0) {
        error = "cannot write " + target_.string() + ": the file is not open";
        return false;
    }
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed) {
        error = "cannot write " + target_.string() + ": " + std::strerror(errno);
        Abandon();
        return false;
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error = "cannot replace " + target_.string() + ": " + std::strerror(errno);
        Abandon();
        return false;
    }
    temporary_.clear();
    SyncFolder(FolderOf(target_));
    return true;
}

bool WriteFileAtomic(const fs::path& path, std::string_view bytes, std::string& error) {
    AtomicFileWriter writer;
    return writer.Open(path, error) && writer.Write(bytes, error) && writer.Commit(error);
}

std::vector<std::string> SplitTextFileLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, pos - start));
            ++pos;
            if (c == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
            start = pos;
        } else {
            ++pos;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

bool IsWritableDirectory(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

}  // namespace orvane
