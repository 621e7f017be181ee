#include "generate/random.h"

#include <cstdint>

namespace kyvo {

namespace {
std::uint32_t state = 0;
}

void srand(unsigned int seed) { state = seed; }

int rand() {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

} // namespace kyvo
