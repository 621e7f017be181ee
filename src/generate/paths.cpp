#include "generate/paths.h"

#include <cstring>

#include "generate/generate_error.h"
#include "support/platform.h"

namespace kyvo {

char directory[kPathBufferSize];

PathRule HostPathRule() { return HostPathSeparator() == '\\' ? PathRule::Windows : PathRule::Posix; }

namespace {

bool IsRoot(const char* folder, PathRule rule) {
    if (rule == PathRule::Windows)
        return std::strlen(folder) == 3; // C:\ already ends in its backslash
    return std::strcmp(folder, "/") == 0;
}

bool TooLong(const char* name) {
    SetGenerateError("%s", PathTooLong(name, kPathBufferSize - 1).c_str());
    return false;
}

// The current directory joined with name, then with rest (which may be "").
bool CurrentDirectoryPath(const char* name, const char* rest) {
    char here[kPathBufferSize];
    if (!CurrentDirectory(here, sizeof here))
        return TooLong(name);
    PathRule rule = HostPathRule();
    if (!JoinPath(directory, sizeof directory, here, name, rule))
        return TooLong(name);
    std::size_t used = std::strlen(directory);
    if (used + std::strlen(rest) + 1 > sizeof directory) {
        directory[0] = '\0';
        return TooLong(name);
    }
    std::strcpy(directory + used, rest);
    return true;
}

} // namespace

bool JoinPath(char* out, int size, const char* folder, const char* name, PathRule rule) {
    char separator[2] = {rule == PathRule::Windows ? '\\' : '/', '\0'};
    if (IsRoot(folder, rule))
        separator[0] = '\0';
    std::size_t length = std::strlen(folder) + std::strlen(separator) + std::strlen(name);
    if (size <= 0 || length + 1 > static_cast<std::size_t>(size)) {
        if (size > 0)
            out[0] = '\0';
        return false;
    }
    std::strcpy(out, folder);
    std::strcat(out, separator);
    std::strcat(out, name);
    return true;
}

std::string PathTooLong(const char* name, int limit) {
    return std::string("The path of ") + name + " in the working folder is longer than " + std::to_string(limit) +
           " characters. Run the tool from a folder with a shorter path.";
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
    PathRule rule = HostPathRule();
    if (IsRoot(folder.c_str(), rule) || folder.empty())
        return folder + name;
    return folder + (rule == PathRule::Windows ? '\\' : '/') + name;
}

bool PathInCurrentDirectory(const char* name) { return CurrentDirectoryPath(name, ""); }

bool ScratchFolderPath() {
    const char separator[2] = {HostPathSeparator(), '\0'};
    return CurrentDirectoryPath(kScratchFolderName, separator);
}

bool PathInScratchFolder(const char* name) {
    char tail[kPathBufferSize];
    const char separator[2] = {HostPathSeparator(), '\0'};
    if (std::strlen(name) + 2 > sizeof tail)
        return TooLong(name);
    std::strcpy(tail, separator);
    std::strcat(tail, name);
    return CurrentDirectoryPath(kScratchFolderName, tail);
}

} // namespace kyvo
