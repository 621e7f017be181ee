#include "generate/generation_run_win.h"

#include <cstring>
#include <string>

#include "container/conman_driver.h"
#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/generation.h"
#include "generate/names.h"
#include "generate/paths.h"
#include "generate/refusals.h"
#include "gob/gob.h"

namespace kyvo {

namespace {

void SleepMs(int ms) { Sleep(static_cast<DWORD>(ms)); }

bool IsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The container holds every file of the run once the Container Manager ended.
bool ContainerComplete(const char* path) {
    GobArchive archive;
    std::string error;
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
        SetGenerateError("The Container Manager did not write %s.", path);
        return false;
    }
    if (!ReadGob(path, archive, error) || archive.entries.size() != kRunFileCount) {
        SetGenerateError("The Container Manager did not add every file to %s.", path);
        return false;
    }
    return true;
}

bool Generate(HWND& ConMan, apvector<char[30]>& rand_values, const char* container, const char* backup) {
    if (!DecodeBundle("info.txt", kTempName))
        return false;
    int unique = SeedValue(grabber);
    if (!GenerateFiles(unique, rand_values, SleepMs))
        return false;
    if (!CreateContainer(ConMan, container) || !AddFiles(ConMan, rand_values))
        return false;
    bool ended = ExitConMan(ConMan, backup);
    ConMan = nullptr;
    return ended && ContainerComplete(container);
}

// The full path of the container's name with extension, or false.
bool ContainerPath(char* out, const char* extension) {
    char name[100];
    ContainerName(name, sizeof name, extension);
    if (!PathInCurrentDirectory(name))
        return false;
    std::strcpy(out, directory);
    return true;
}

} // namespace

void GenerationRun(HWND owner, HWND passwordField) {
    ClearGenerateError();
    int length = GetWindowTextLengthA(passwordField);
    std::string field(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(passwordField, &field[0], length + 1);
    field.resize(std::strlen(field.c_str()));
    if (const char* refusal = RefuseRun(field.c_str(), "info.txt")) {
        MessageBoxA(owner, refusal, Alert, MB_ICONERROR | MB_OK);
        return;
    }

    char container[kPathBufferSize], backup[kPathBufferSize];
    if (!ContainerPath(container, ".gob") || !ContainerPath(backup, ".~go") || !ScratchFolderPath()) {
        MessageBoxA(owner, GenerateError(), Alert, MB_ICONERROR | MB_OK);
        return;
    }
    CreateDirectoryA(directory, nullptr);
    if (!IsFolder(directory)) {
        std::string message = std::string("Cannot create the scratch folder ") + directory +
                              ". Check that the working folder is writable and holds no file of that name.";
        MessageBoxA(owner, message.c_str(), Alert, MB_ICONERROR | MB_OK);
        return;
    }

    apvector<char[30]> rand_values(kCogCount);
    for (int k = 0; k < kCogCount; k++)
        rand_values[k][0] = '\0';
    HWND ConMan = StartConMan();
    if (!ConMan) {
        RemoveScratchFiles(rand_values, nullptr);
        MessageBoxA(owner, "ConMan.exe not found!", Alert, MB_OK);
        return;
    }

    if (!Generate(ConMan, rand_values, container, backup)) {
        std::string message = GenerateError();
        CloseConMan(ConMan);
        RemoveScratchFiles(rand_values, nullptr);
        DeleteFileA(backup);
        DeleteFileA(container); // the refusals made sure it was not there before
        DeleteFileA(kTempName);
        MessageBoxA(owner, message.c_str(), Alert, MB_ICONERROR | MB_OK);
        return;
    }
    RemoveScratchFiles(rand_values, SleepMs); // the Container Manager may still be letting go
    MessageBoxA(owner, "Kyvo files have been patched.", Finish, MB_ICONEXCLAMATION | MB_OK);
    DeleteFileA(kTempName);
}

} // namespace kyvo
