#include "generate_run.h"

#include <filesystem>
#include <system_error>

#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/generation.h"
#include "generate/names.h"
#include "generate/paths.h"
#include "generate/refusals.h"
#include "gob/gob.h"

namespace fs = std::filesystem;

namespace kyvo {

namespace {

bool PackContainer(apvector<char[30]>& rand_values, const char* path, std::string& error) {
    GobArchive archive;
    for (int k = 0; k < kRunFileCount; k++) {
        if (!PathInScratchFolder(RunFileName(rand_values, k))) {
            error = GenerateError();
            return false;
        }
        if (!AddGobFile(archive, directory, error))
            return false;
    }
    return WriteGob(path, archive, error);
}

bool Run(const std::string& bundle, apvector<char[30]>& rand_values, std::string& container, std::string& error) {
    if (!ScratchFolderPath())
        return error = GenerateError(), false;
    std::error_code failed;
    fs::create_directory(directory, failed);
    if (!fs::is_directory(directory)) {
        error = std::string("Cannot create the scratch folder ") + directory + ". Check that the working folder is "
                "writable and holds no file of that name.";
        return false;
    }
    if (!DecodeBundle(bundle.c_str(), kTempName) || !GenerateFiles(SeedValue(grabber), rand_values, nullptr))
        return error = GenerateError(), false;
    char name[100];
    ContainerName(name, sizeof name, ".gob");
    if (!PathInCurrentDirectory(name))
        return error = GenerateError(), false;
    container = directory;
    return PackContainer(rand_values, container.c_str(), error);
}

} // namespace

bool GenerateContainer(const std::string& password, const std::string& bundle, std::string& container,
                       std::string& error) {
    ClearGenerateError();
    if (const char* refusal = RefuseRun(password.c_str(), bundle.c_str())) {
        error = refusal;
        return false;
    }
    apvector<char[30]> rand_values(kCogCount);
    for (int k = 0; k < kCogCount; k++)
        rand_values[k][0] = '\0';
    bool ok = Run(bundle, rand_values, container, error);
    RemoveScratchFiles(rand_values, nullptr);
    std::error_code ignored;
    fs::remove(kTempName, ignored);
    return ok;
}

} // namespace kyvo
