#include "support/save_file.h"

#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "support/platform.h"

namespace kyvo {

namespace {

// A name beside path that no other save, in this process or another, uses.
std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + "." + std::to_string(ProcessId()) + "-" + std::to_string(counter++) + ".saving";
}

SaveResult Failed(std::string& error, const std::string& path, const std::string& reason) {
    error = path + ": " + reason;
    return SaveResult::Failed;
}

} // namespace

SaveResult SaveFile(const std::string& path, SaveMode mode, const std::function<bool(std::FILE*)>& write,
                    std::string& error) {
    std::string temp = TemporaryName(path);
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file)
        return Failed(error, path, "cannot be created (" + LastErrorText() + ")");
    bool written = write(file);
    std::string reason = written ? "" : LastErrorText();
    if (written && !SyncToDisk(file)) {
        written = false;
        reason = LastErrorText();
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        reason = LastErrorText();
    }
    if (!written) {
        std::remove(temp.c_str());
        return Failed(error, path, "cannot be written (" + reason + ")");
    }
    MoveResult moved = MoveIntoPlace(temp.c_str(), path.c_str(), mode == SaveMode::Replace, reason);
    if (moved == MoveResult::Moved)
        return SaveResult::Saved;
    std::remove(temp.c_str());
    if (moved == MoveResult::Exists)
        return SaveResult::Exists;
    return Failed(error, path, "cannot be written (" + reason + ")");
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
    bytes.clear();
    if (IsFolder(path.c_str())) {
        error = path + ": is a folder, not a file";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    struct stat info;
    if (!file) {
        error = path + ": cannot be read (" + LastErrorText() + ")";
        return false;
    }
    if (fstat(fileno(file), &info) != 0 || (info.st_mode & S_IFMT) == S_IFDIR) {
        std::fclose(file);
        error = path + ": is a folder, not a file";
        return false;
    }
    // Straight into the string at its full size, then whatever a growing
    // file added since.
    std::size_t size = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    bytes.resize(size);
    bytes.resize(size > 0 ? std::fread(&bytes[0], 1, size, file) : 0);
    char chunk[65536];
    std::size_t got;
    while (!std::ferror(file) && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    bool failed = std::ferror(file) != 0;
    std::string reason = failed ? LastErrorText() : "";
    std::fclose(file);
    if (failed) {
        error = path + ": cannot be read (" + reason + ")";
        return false;
    }
    return true;
}

} // namespace kyvo
