// Any bytes as info.txt: decoding and a whole generation either succeed or
// stop with a reason; never a crash, a hang or a read outside the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <unistd.h>
#include <filesystem>
#include <string>

#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/generation.h"
#include "generate/names.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path work = [] {
        fs::path path = fs::temp_directory_path() / ("kyvo-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(path / "generated cogs");
        fs::current_path(path);
        return path;
    }();
    if (std::FILE* out = std::fopen("info.txt", "wb")) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    if (kyvo::DecodeBundle("info.txt", kyvo::kTempName)) {
        kyvo::apvector<char[30]> slots(kyvo::kCogCount);
        kyvo::GenerateFiles(static_cast<int>(size), slots, nullptr);
    }
    return 0;
}
