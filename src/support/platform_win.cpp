#include "support/platform.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cstdlib>

namespace kyvo {

char HostPathSeparator() { return '\\'; }

bool CurrentDirectory(char* buffer, int size) {
    if (size <= 0)
        return false;
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(size), buffer);
    if (length == 0 || length >= static_cast<DWORD>(size)) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

std::string AbsolutePath(const std::string& path) {
    // C:\..., \\server\..., and \... on the current drive are absolute enough.
    if ((path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) ||
        (!path.empty() && (path[0] == '\\' || path[0] == '/')))
        return path;
    char here[MAX_PATH * 4];
    if (!CurrentDirectory(here, sizeof here))
        return path;
    if (path.empty() || path == ".")
        return here;
    std::size_t length = std::strlen(here);
    return std::string(here) + (length > 0 && here[length - 1] == '\\' ? "" : "\\") + path;
}

bool IsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolder(const char* path, std::string& reason) {
    if (CreateDirectoryA(path, nullptr))
        return true;
    reason = LastErrorText();
    return false;
}

bool ListFolder(const char* path, std::vector<std::string>& names, std::vector<bool>& folders) {
    names.clear();
    folders.clear();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(path) + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND && IsFolder(path);
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        names.push_back(name);
        folders.push_back((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

bool RemoveFile(const char* path) { return DeleteFileA(path) != 0; }

bool RemoveEmptyFolder(const char* path) { return RemoveDirectoryA(path) != 0; }

bool PathExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

unsigned long ProcessId() { return GetCurrentProcessId(); }

bool SyncToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
}

std::string LastErrorText() {
    DWORD code = GetLastError();
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                  sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.'))
        length--;
    if (length == 0)
        return "error " + std::to_string(code);
    return std::string(text, length);
}

MoveResult MoveIntoPlace(const char* from, const char* to, bool replace, std::string& reason) {
    DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (MoveFileExA(from, to, flags))
        return MoveResult::Moved;
    DWORD code = GetLastError();
    if (!replace && (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS))
        return MoveResult::Exists;
    reason = LastErrorText();
    return MoveResult::Failed;
}

void WriteErrorLine(const char* text) {
    // Binary mode, so that the CR LF below is written as it stands.
    _setmode(_fileno(stderr), _O_BINARY);
    std::fputs(text, stderr);
    std::fputs("\r\n", stderr);
    std::fflush(stderr);
}

void ReportAssertionFailure(const char* message) {
    WriteErrorLine(message);
    MessageBoxA(nullptr, message, "Assertion Failure", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    std::exit(1);
}

} // namespace kyvo
