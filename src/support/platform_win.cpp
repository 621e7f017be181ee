#include "support/platform.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
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
