#include "generate/run.h"

#include "generate/generate_error.h"
#include "generate/names.h"
#include "generate/paths.h"
#include "generate/refusals.h"

namespace kyvo {

namespace {

bool Generate(const std::string& bundlePath, const std::string& container, RunFrontEnd& frontEnd, RunFiles& files,
              std::string& error) {
    if (!frontEnd.OpenBundle(bundlePath, files, error))
        return false;
    ClearGenerateError();
    bool generated = GenerateFiles(SeedValue(grabber), files, frontEnd.pause);
    files.CloseAll();
    if (!generated) {
        error = GenerateError();
        return false;
    }
    return frontEnd.Pack(files, container, error);
}

} // namespace

bool GenerateAndPack(const std::string& bundlePath, const std::string& container, RunFrontEnd& frontEnd,
                     std::string& error) {
    RunFiles files;
    bool packed = frontEnd.Prepare(files, error) && Generate(bundlePath, container, frontEnd, files, error);
    frontEnd.CleanUp(files, packed);
    return packed;
}

bool GenerationRun(const char* field, const std::string& folder, const std::string& bundle, RunFrontEnd& frontEnd,
                   std::string& container, std::string& error) {
    if (RefuseRun(field, folder, bundle, error))
        return false;
    container = JoinFolder(folder, ContainerName(grabber, ".gob"));
    return GenerateAndPack(BundlePath(folder, bundle), container, frontEnd, error);
}

} // namespace kyvo
