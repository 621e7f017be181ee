// kyvo bundle pack | unpack | check
#include <cstdio>

#include "bundle_folder.h"
#include "commands.h"
#include "generate/names.h"
#include "outputs.h"

namespace kyvo {

namespace {

// Pack and unpack alike: keep what was written, or say why nothing was.
int Finish(bool done, Outputs& outputs, std::size_t written, const std::string& where, bool quiet,
           const std::string& error) {
    if (!done)
        return Fail(kExitProblem, error);
    outputs.Keep();
    if (!quiet)
        std::printf("%d files, %s bytes into %s\n", kCogCount + 1, GroupDigits(written).c_str(), where.c_str());
    return 0;
}

} // namespace

int BundlePack(const std::string& folder, const std::string& file, bool force, bool quiet) {
    Outputs outputs(force);
    std::size_t written = 0;
    std::string error;
    bool done = PackBundle(folder, file, outputs, written, error);
    return Finish(done, outputs, written, file, quiet, error);
}

int BundleUnpack(const std::string& file, const std::string& folder, bool force, bool quiet) {
    Outputs outputs(force);
    std::size_t written = 0;
    std::string error;
    bool done = UnpackBundle(file, folder, outputs, written, error);
    return Finish(done, outputs, written, folder, quiet, error);
}

int BundleCheck(const std::string& file) {
    std::string error;
    if (!CheckBundleFile(file, error))
        return Fail(kExitProblem, error);
    std::printf("%s: sound\n", file.c_str());
    return 0;
}

} // namespace kyvo
