#include "support/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <cstdio>
#include <cstdlib>

namespace kyvo {

char HostPathSeparator() { return '/'; }

bool CurrentDirectory(char* buffer, int size) {
    if (size <= 0)
        return false;
    if (!getcwd(buffer, static_cast<size_t>(size))) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/')
        return path;
    char here[4096];
    if (!CurrentDirectory(here, sizeof here))
        return path;
    if (path.empty() || path == ".")
        return here;
    return std::string(here) + (std::strcmp(here, "/") == 0 ? "" : "/") + path;
}

bool IsFolder(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool MakeFolder(const char* path, std::string& reason) {
    if (mkdir(path, 0777) == 0)
        return true;
    reason = LastErrorText();
    return false;
}

bool ListFolder(const char* path, std::vector<std::string>& names, std::vector<bool>& folders) {
    names.clear();
    folders.clear();
    DIR* folder = opendir(path);
    if (!folder)
        return false;
    while (dirent* entry = readdir(folder)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        names.push_back(name);
        folders.push_back(IsFolder((std::string(path) + "/" + name).c_str()));
    }
    closedir(folder);
    return true;
}

bool RemoveFile(const char* path) { return unlink(path) == 0; }

bool RemoveEmptyFolder(const char* path) { return rmdir(path) == 0; }

bool PathExists(const char* path) {
    struct stat info;
    return stat(path, &info) == 0;
}

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

bool SyncToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

std::string LastErrorText() { return std::strerror(errno); }

namespace {

// The folder's entry for a file moved into it survives a power cut only once
// the folder itself is synced.
void SyncFolderOf(const char* path) {
    std::string folder = path;
    std::size_t slash = folder.find_last_of('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

MoveResult MoveIntoPlace(const char* from, const char* to, bool replace, std::string& reason) {
    if (replace) {
        if (rename(from, to) != 0) {
            reason = LastErrorText();
            return MoveResult::Failed;
        }
    } else if (link(from, to) == 0) {
        unlink(from);
    } else if (errno == EEXIST) {
        return MoveResult::Exists;
    } else {
        // A file system without hard links: look, then rename.
        if (PathExists(to))
            return MoveResult::Exists;
        if (rename(from, to) != 0) {
            reason = LastErrorText();
            return MoveResult::Failed;
        }
    }
    SyncFolderOf(to);
    return MoveResult::Moved;
}

void WriteErrorLine(const char* text) {
    std::fputs(text, stderr);
    std::fputs("\r\n", stderr);
    std::fflush(stderr);
}

void ReportAssertionFailure(const char* message) {
    std::fprintf(stderr, "Assertion Failure\r\n%s\r\n", message);
    std::fflush(stderr);
    std::exit(1);
}

} // namespace kyvo
