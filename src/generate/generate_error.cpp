#include "generate/generate_error.h"

#include <cstdarg>
#include <cstdio>

namespace kyvo {

namespace {
char error[2048] = "";
}

void SetGenerateError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(error, sizeof error, format, args);
    va_end(args);
}

const char* GenerateError() { return error; }

void ClearGenerateError() { error[0] = '\0'; }

} // namespace kyvo
