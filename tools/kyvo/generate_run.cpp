#include "generate_run.h"

#include <cstdio>
#include <utility>

#include "generate/bundle.h"
#include "generate/refusals.h"
#include "generate/run.h"
#include "support/save_file.h"

namespace kyvo {

namespace {

// Reads the bundle once, generates into memory and hands the files over as
// the container's entries; nothing touches the working folder.
class MemoryRun : public RunFrontEnd {
public:
    explicit MemoryRun(bool save) : mySave(save) {}

    bool Prepare(RunFiles& files, std::string&) override {
        files.WriteInMemory();
        return true;
    }

    bool OpenBundle(const std::string& path, RunFiles& files, std::string& error) override {
        std::string encoded;
        if (!ReadWholeFile(path, encoded, error))
            return false;
        myDecoded = DecodeBundleBytes(encoded);
        files.all.OpenMemory(myDecoded);
        // The strings file is most of a large bundle: room for it at once,
        // instead of a copy at each doubling. Pages never written cost nothing.
        files.memory[kRunFileCount - 1].reserve(myDecoded.size());
        return true;
    }

    bool Pack(RunFiles& files, const std::string& path, std::string& error) override {
        myDecoded = std::string(); // the generators are done with it
        archive.entries.clear();
        for (int k = 0; k < kRunFileCount; k++) {
            std::string name = RunFileName(files.rand_values, k);
            if (!AddGobEntry(archive, GobFolderFor(name) + name, std::string(), error))
                return false;
            archive.entries.back().data = std::move(files.memory[k]);
        }
        if (!mySave)
            return true;
        switch (SaveGob(path, archive, SaveMode::KeepExisting, error)) {
        case SaveResult::Saved:
            return true;
        case SaveResult::Exists: // another run made it since the refusals looked
            error = kExistsRefusal;
            return false;
        case SaveResult::Failed:
            return false;
        }
        return false;
    }

    void CleanUp(RunFiles&, bool) override {}

    GobArchive archive;

private:
    bool mySave;
    std::string myDecoded;
};

} // namespace

bool GenerateContainer(const std::string& password, const std::string& folder, const std::string& bundle,
                       std::string& container, std::string& error) {
    MemoryRun run(true);
    return GenerationRun(password.c_str(), folder, bundle, run, container, error);
}

bool GenerateEntries(const std::string& password, const std::string& bundlePath, GobArchive& archive,
                     std::string& error) {
    std::snprintf(grabber, sizeof grabber, "%s", password.c_str());
    MemoryRun run(false);
    if (!GenerateAndPack(bundlePath, "", run, error))
        return false;
    archive = std::move(run.archive);
    return true;
}

} // namespace kyvo
