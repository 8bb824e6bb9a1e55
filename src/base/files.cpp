#include "base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

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
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    fd_ = mkstemp(pattern.data());
    if (fd_ < 0) {
        error = "cannot create a temporary file in " + folder.string() + ": " + std::strerror(errno);
        return false;
    }
    temporary_ = pattern;
    // mkstemp creates the file private; a game file is an ordinary one.
    ::fchmod(fd_, 0644);
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
