#include "generate_run.h"

#include <algorithm>
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

std::string FirstDifference(const GobArchive& expected, const GobArchive& actual) {
    std::size_t count = std::min(expected.entries.size(), actual.entries.size());
    for (std::size_t k = 0; k < count; k++) {
        const GobEntry& want = expected.entries[k];
        const GobEntry& got = actual.entries[k];
        if (want.name != got.name)
            return "entry " + std::to_string(k + 1) + " is " + got.name + " where " + want.name + " belongs";
        if (want.data != got.data) {
            std::size_t at = 0;
            while (at < want.data.size() && at < got.data.size() && want.data[at] == got.data[at])
                at++;
            return "entry " + want.name + " differs from byte " + std::to_string(at) + " on (" +
                   std::to_string(got.data.size()) + " bytes, " + std::to_string(want.data.size()) + " expected)";
        }
    }
    if (actual.entries.size() < expected.entries.size())
        return "entry " + expected.entries[count].name + " is missing";
    if (actual.entries.size() > expected.entries.size())
        return "entry " + actual.entries[count].name + " is extra";
    return "";
}

} // namespace kyvo
