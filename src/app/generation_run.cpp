#include "app/generation_run.h"

#include <cstring>
#include <string>
#include <vector>

#include "container/conman_contract.h"
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

// Held by a run from its first file operation to its last, by whichever
// copy of the tool runs it, in whatever folder.
const char kRunMutexName[] = "Local\\TormeskKyvo.GenerationRun";
const char kBusy[] = "Another Tormesk Kyvo is making a container right now. "
                     "Try again once it has shown its message.";

// The longest name a run puts in the scratch folder (a cog's file name)
// and what the Container Manager adds to the container's name while saving.
const int kLongestScratchName = 24;
const int kLongestSaveSuffix = 32;

void SleepMs(int ms) { Sleep(static_cast<DWORD>(ms)); }

bool TooLongForWindows(const std::string& path, int extra) {
    return path.size() + extra > MAX_PATH - 1;
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

// The container the Container Manager wrote holds exactly the generated
// files, each in its folder, in list order, byte for byte.
bool ContainerAsGenerated(const std::string& path, const std::vector<std::string>& files, std::string& error) {
    if (!PathExists(path.c_str())) {
        error = "The Container Manager did not write " + path + ".";
        return false;
    }
    GobArchive written, generated;
    if (!ReadGob(path, written, error)) {
        error = "The Container Manager wrote a damaged container: " + error;
        return false;
    }
    for (const std::string& file : files)
        if (!AddGobFile(generated, file, error))
            return false;
    std::string difference = FirstDifference(generated, written);
    if (!difference.empty()) {
        error = "The Container Manager did not pack the generated files into " + path + ": " + difference + ".";
        return false;
    }
    return true;
}

// The window's run: temp.dat and the scratch folder in the working folder,
// the generated files on disk, and the Container Manager to pack them.
class WindowRun : public RunFrontEnd {
public:
    WindowRun() { pause = SleepMs; }

    bool Prepare(RunFiles&, std::string& error) override {
        if (!PathInCurrentDirectory(ContainerName(grabber, CONMAN_BACKUP_EXTENSION).c_str())) {
            error = GenerateError();
            return false;
        }
        myBackup = directory;
        if (!ScratchFolderPath()) {
            error = GenerateError();
            return false;
        }
        if (TooLongForWindows(directory, kLongestScratchName)) {
            error = PathTooLong(kScratchFolderName, MAX_PATH - 1);
            return false;
        }
        if (TooLongForWindows(myBackup, kLongestSaveSuffix)) {
            error = PathTooLong(ContainerName(grabber, ".gob").c_str(), MAX_PATH - 1);
            return false;
        }
        myBackupExisted = PathExists(myBackup.c_str());
        if (!CreateDirectoryA(directory, nullptr) && !IsFolder(directory)) {
            error = std::string("Cannot create the scratch folder ") + directory +
                    ". Check that the working folder is writable and holds no file of that name.";
            return false;
        }
        return StartConMan(myConMan, error);
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
        // Only a container this run made is ever deleted after a failure.
        myContainer = PathExists(path.c_str()) ? "" : path;
        if (!CreateContainer(myConMan, path.c_str(), error) || !AddFiles(myConMan, list, error))
            return false;
        if (!ExitConMan(myConMan, myBackupExisted ? nullptr : myBackup.c_str(), error))
            return false;
        return ContainerAsGenerated(path, list, error);
    }

    void CleanUp(RunFiles& files, bool packed) override {
        if (packed) {
            RemoveScratchFiles(files.rand_values, SleepMs); // the Container Manager may still be letting go
            return;
        }
        CloseConMan(myConMan);
        RemoveScratchFiles(files.rand_values, nullptr);
        if (!myContainer.empty()) {
            if (!myBackupExisted)
                DeleteFileA(myBackup.c_str());
            DeleteFileA(myContainer.c_str());
        }
        if (myTempMade)
            DeleteFileA(kTempName);
    }

private:
    ConManProcess myConMan;
    bool myTempMade = false;
    bool myBackupExisted = false;
    std::string myBackup;
    std::string myContainer;
};

void ShowError(HWND owner, const std::string& message) {
    // The one message without an icon, as the tool always showed it.
    UINT icon = message == kConManNotFound ? 0 : MB_ICONERROR;
    MessageBoxA(owner, message.c_str(), Alert, icon | MB_OK);
}

} // namespace

void GenerationRun(HWND owner, HWND passwordField) {
    HANDLE running = CreateMutexA(nullptr, FALSE, kRunMutexName);
    DWORD waited = running ? WaitForSingleObject(running, 0) : WAIT_FAILED;
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        if (running)
            CloseHandle(running);
        MessageBoxA(owner, kBusy, Alert, MB_ICONERROR | MB_OK);
        return;
    }

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
        ShowError(owner, error);
    } else if (GenerationRun(field.c_str(), here, "", run, container, error)) {
        MessageBoxA(owner, "Kyvo files have been patched.", Finish, MB_ICONEXCLAMATION | MB_OK);
        DeleteFileA(kTempName);
    } else {
        ShowError(owner, error);
    }
    ReleaseMutex(running);
    CloseHandle(running);
}

} // namespace kyvo
