// Drives the Container Manager through its windows, the way a user would:
// start it hidden, create the container, add the generated files, end it.
// Every wait on it is bounded, and only the windows of the process this run
// started are ever used.
#ifndef KYVO_CONTAINER_CONMAN_DRIVER_H
#define KYVO_CONTAINER_CONMAN_DRIVER_H

#include <windows.h>

#include <string>
#include <vector>

namespace kyvo {

// The file list handed to "Add Files to Container".
const int kFileListSize = 10000000;
extern char bigone[kFileListSize];

const char* const kConManNotFound = "ConMan.exe not found!";

// The Container Manager a run started.
struct ConManProcess {
    HANDLE process = nullptr;
    DWORD id = 0;
    HWND window = nullptr; // its main window
};

// Closes any running Container Manager and starts a fresh one, hidden.
// False, with kConManNotFound or another reason in error, when there is no
// ConMan.exe, it cannot be started or it shows no window.
bool StartConMan(ConManProcess& ConMan, std::string& error);

// Each is false, with the reason in error, when the Container Manager did
// not do its part: a dialog that never appeared, a Container Manager that
// does not answer, or one that ended on its own.
bool CreateContainer(ConManProcess& ConMan, const char* path, std::string& error);
// Adds the files at paths, in their order.
bool AddFiles(ConManProcess& ConMan, const std::vector<std::string>& paths, std::string& error);
// Ends the Container Manager, deletes its backup at backupPath (unless
// null) and waits until the process has ended.
bool ExitConMan(ConManProcess& ConMan, const char* backupPath, std::string& error);

// After a failed run: ends a Container Manager that is still there, by
// force when it does not answer, and lets go of its process.
void CloseConMan(ConManProcess& ConMan);

} // namespace kyvo

#endif
