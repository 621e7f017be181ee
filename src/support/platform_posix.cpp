#include "support/platform.h"

#include <unistd.h>

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
