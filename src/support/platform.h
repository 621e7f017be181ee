// The little the portable code needs from the host. One source file per host
// implements it; nothing here names a Windows or POSIX type.
#ifndef KYVO_SUPPORT_PLATFORM_H
#define KYVO_SUPPORT_PLATFORM_H

namespace kyvo {

// The separator the host puts between folder and file names.
char HostPathSeparator();

// Copies the current directory, as the host reports it, into buffer.
// False when it does not fit in size bytes with its terminator, or when the
// host cannot tell; buffer then holds "".
bool CurrentDirectory(char* buffer, int size);

// Writes text and a CR LF line end to standard error and flushes it.
void WriteErrorLine(const char* text);

// Shows a broken precondition to the user and ends the process with status 1.
[[noreturn]] void ReportAssertionFailure(const char* message);

} // namespace kyvo

#endif
