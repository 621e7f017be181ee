// Where the files of a run live. A file in a folder is the folder, a
// separator unless the folder is a root that already ends in one, then the
// name. Windows and POSIX hosts differ only in the separator and the root.
#ifndef KYVO_GENERATE_PATHS_H
#define KYVO_GENERATE_PATHS_H

#include <string>

namespace kyvo {

enum class PathRule { Windows, Posix };

const int kPathBufferSize = 1024;
const char* const kScratchFolderName = "generated cogs";

// The shared path buffer: every path of a run is rebuilt here just before use.
extern char directory[kPathBufferSize];

PathRule HostPathRule();

// Puts folder, the separator unless folder is a root, then name into out.
// Windows: a root is a text of three characters (C:\). POSIX: "/".
// False, and out empty, when the result does not fit size bytes.
bool JoinPath(char* out, int size, const char* folder, const char* name, PathRule rule);
// The same with the host's rule and no length limit.
std::string JoinFolder(const std::string& folder, const std::string& name);

// "The path of NAME in the working folder is longer than LIMIT characters..."
std::string PathTooLong(const char* name, int limit);

// The file name in the current directory, in directory. False, with the
// reason in GenerateError(), when it does not fit.
bool PathInCurrentDirectory(const char* name);
// The scratch folder itself, with its trailing separator, in directory.
bool ScratchFolderPath();
// The file name in the scratch folder, in directory.
bool PathInScratchFolder(const char* name);

} // namespace kyvo

#endif
