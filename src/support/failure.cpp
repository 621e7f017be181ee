#include <cstdio>
#include <cstdlib>

#include "support/apvector.h"
#include "support/platform.h"
#include "support/precondition.h"

namespace kyvo {

void FailVectorIndex(int k, int maxIndex) {
    char line[80];
    std::snprintf(line, sizeof line, "Illegal vector index: %d max index = %d", k, maxIndex);
    WriteErrorLine(line);
    std::exit(1);
}

void FailPrecondition(const char* condition, const char* file, int line) {
    char message[512];
    std::snprintf(message, sizeof message, "Assertion (%s) failed in \"%s\" on line %d", condition, file,
                  line);
    ReportAssertionFailure(message);
}

} // namespace kyvo
