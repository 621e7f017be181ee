// Any bytes as a container: parsed or refused, never read outside.
#include <cstddef>
#include <cstdint>
#include <string>

#include "gob/gob.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input, so that the sanitizer sees any read past it.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    kyvo::GobArchive archive;
    std::string error;
    if (kyvo::ParseGob(bytes, archive, error)) {
        std::string again;
        kyvo::SerializeGob(archive, again, error);
    }
    return 0;
}
