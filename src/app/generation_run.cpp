#include "app/generation_run.h"

#include <cstring>
#include <string>
#include <vector>

#include "container/conman_driver.h"
#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/paths.h"
#include "generate/refusals.h"
#include "generate/run.h"
#include "gob/gob.h"
#include "support/platform.h"

namespace kyvo {

namespace {

void SleepMs(int ms) { Sleep(static_cast<DWORD>(ms)); }

// The container holds every file of the run once the Container Manager ended.
bool ContainerComplete(const std::string& path, std::string& error) {
    GobArchive archive;
    if (!PathExists(path.c_str())) {
        error = "The Container Manager did not write " + path + ".";
        return false;
    }
    if (!ReadGob(path, archive, error) || archive.entries.size() != kRunFileCount) {
        error = "The Container Manager did not add every file to " + path + ".";
        return false;
    }
    return true;
}

// Deletes the run's files from the scratch folder, then the folder itself
// when it is empty; pause(50) follows each deletion when pause is given. A
// name slot names a file only once it ends in ".cog".
void RemoveScratchFiles(apvector<char[30]>& rand_values, void (*pause)(int ms)) {
    for (int k = 0; k < kRunFileCount; k++) {
        const char* name = RunFileName(rand_values, k);
        std::size_t length = std::strlen(name);
        bool written = k >= rand_values.length() || (length > 4 && std::strcmp(name + length - 4, ".cog") == 0);
        if (written && PathInScratchFolder(name))
            DeleteFileA(directory);
        if (pause)
            pause(50);
    }
    if (ScratchFolderPath())
        RemoveDirectoryA(directory); // only when empty
}

// The window's run: temp.dat and the scratch folder in the working folder,
// the generated files on disk, and the Container Manager to pack them.
class WindowRun : public RunFrontEnd {
public:
    WindowRun() { pause = SleepMs; }

    bool Prepare(RunFiles&, std::string& error) override {
        char name[100];
        std::snprintf(name, sizeof name, "%s%s.~go", kContainerPrefix, grabber);
        if (!PathInCurrentDirectory(name) || (myBackup = directory, !ScratchFolderPath())) {
            error = GenerateError();
            return false;
        }
        CreateDirectoryA(directory, nullptr);
        if (!IsFolder(directory)) {
            error = std::string("Cannot create the scratch folder ") + directory +
                    ". Check that the working folder is writable and holds no file of that name.";
            return false;
        }
        myConMan = StartConMan();
        if (!myConMan) {
            error = "ConMan.exe not found!";
            conManMissing = true;
            return false;
        }
        return true;
    }

    bool OpenBundle(const std::string& path, RunFiles& files, std::string& error) override {
        ClearGenerateError();
        myTempMade = true;
        if (!DecodeBundle(path.c_str(), kTempName)) {
            error = GenerateError();
            return false;
        }
        files.all.open(kTempName);
        if (!files.all.is_open()) {
            error = std::string("Cannot read ") + kTempName + " back from the working folder.";
            return false;
        }
        return true;
    }

    bool Pack(RunFiles& files, const std::string& path, std::string& error) override {
        std::vector<std::string> list;
        for (int k = 0; k < kRunFileCount; k++) {
            if (!PathInScratchFolder(RunFileName(files.rand_values, k))) {
                error = GenerateError();
                return false;
            }
            list.push_back(directory);
        }
        myContainer = path;
        if (!CreateContainer(myConMan, path.c_str(), error) || !AddFiles(myConMan, list, error))
            return false;
        bool ended = ExitConMan(myConMan, myBackup.c_str(), error);
        myConMan = nullptr;
        return ended && ContainerComplete(path, error);
    }

    void CleanUp(RunFiles& files, bool packed) override {
        if (packed) {
            RemoveScratchFiles(files.rand_values, SleepMs); // the Container Manager may still be letting go
            return;
        }
        CloseConMan(myConMan);
        RemoveScratchFiles(files.rand_values, nullptr);
        if (!myContainer.empty()) { // the refusals made sure it was not there before
            DeleteFileA(myBackup.c_str());
            DeleteFileA(myContainer.c_str());
        }
        if (myTempMade)
            DeleteFileA(kTempName);
    }

    bool conManMissing = false;

private:
    HWND myConMan = nullptr;
    bool myTempMade = false;
    std::string myBackup;
    std::string myContainer;
};

} // namespace

void GenerationRun(HWND owner, HWND passwordField) {
    int length = GetWindowTextLengthA(passwordField);
    std::string field(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(passwordField, &field[0], length + 1);
    field.resize(std::strlen(field.c_str()));

    char here[kPathBufferSize];
    std::string container, error;
    WindowRun run;
    if (!CurrentDirectory(here, sizeof here)) {
        error = "The working folder's path is longer than " + std::to_string(kPathBufferSize - 1) +
                " characters. Run the tool from a folder with a shorter path.";
    } else if (GenerationRun(field.c_str(), here, "", run, container, error)) {
        MessageBoxA(owner, "Kyvo files have been patched.", Finish, MB_ICONEXCLAMATION | MB_OK);
        DeleteFileA(kTempName);
        return;
    }
    MessageBoxA(owner, error.c_str(), Alert, run.conManMissing ? MB_OK : MB_ICONERROR | MB_OK);
}

} // namespace kyvo
