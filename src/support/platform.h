// The little the portable code needs from the host. One source file per host
// implements it; nothing here names a Windows or POSIX type.
#ifndef KYVO_SUPPORT_PLATFORM_H
#define KYVO_SUPPORT_PLATFORM_H

#include <cstdio>
#include <string>
#include <vector>

namespace kyvo {

// The separator the host puts between folder and file names.
char HostPathSeparator();

// Copies the current directory, as the host reports it, into buffer.
// False when it does not fit in size bytes with its terminator, or when the
// host cannot tell; buffer then holds "".
bool CurrentDirectory(char* buffer, int size);

// path made absolute against the current directory; "." is the current
// directory itself. Nothing is resolved or checked.
std::string AbsolutePath(const std::string& path);

// True when path names a folder.
bool IsFolder(const char* path);

// One folder, whose parent must exist; false with the host's reason.
bool MakeFolder(const char* path, std::string& reason);
// The names in a folder, without "." and "..", and which of them are
// folders; false when it cannot be listed.
bool ListFolder(const char* path, std::vector<std::string>& names, std::vector<bool>& folders);
// Removes a file, or a folder that is empty.
bool RemoveFile(const char* path);
bool RemoveEmptyFolder(const char* path);

// True when something, a file or a folder, is at path (in the host's narrow
// encoding: the ANSI code page on Windows).
bool PathExists(const char* path);

// This process's number, for names no other process uses.
unsigned long ProcessId();

// Makes what was written to file durable: on the disk, not in a cache.
bool SyncToDisk(std::FILE* file);

enum class MoveResult { Moved, Exists, Failed };
// Moves the file from to to in one step, durably. With replace false a file
// already at to is never replaced: Exists. Failed: the host's reason in reason.
MoveResult MoveIntoPlace(const char* from, const char* to, bool replace, std::string& reason);

// The host's words for the error of the last failed call.
std::string LastErrorText();

// Writes text and a CR LF line end to standard error and flushes it.
void WriteErrorLine(const char* text);

// Shows a broken precondition to the user and ends the process with status 1.
[[noreturn]] void ReportAssertionFailure(const char* message);

} // namespace kyvo

#endif
