// Any bytes as info.txt: decoding and a whole generation in memory either
// succeed or stop with a reason; never a crash, a hang or a read outside the
// input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "generate/bundle.h"
#include "generate/generation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string decoded = kyvo::DecodeBundleBytes(std::string(reinterpret_cast<const char*>(data), size));
    kyvo::RunFiles files;
    files.WriteInMemory();
    files.all.OpenMemory(decoded);
    kyvo::GenerateFiles(static_cast<int>(size), files, nullptr);
    return 0;
}
