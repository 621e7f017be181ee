// Drives the Container Manager through its windows, the way a user would:
// start it hidden, create the container, add the generated files, end it.
#ifndef KYVO_CONTAINER_CONMAN_DRIVER_H
#define KYVO_CONTAINER_CONMAN_DRIVER_H

#include <windows.h>

#include <string>
#include <vector>

namespace kyvo {

// The file list handed to "Add Files to Container".
const int kFileListSize = 10000000;
extern char bigone[kFileListSize];

// Closes any running Container Manager and starts a fresh one, hidden. Its
// main window, or nullptr when none appeared.
HWND StartConMan();

// Each is false, with the reason in error, when the Container Manager did
// not do its part: a dialog that never appeared, or a Container Manager that
// ended on its own.
bool CreateContainer(HWND ConMan, const char* path, std::string& error);
// Adds the files at paths, in their order.
bool AddFiles(HWND ConMan, const std::vector<std::string>& paths, std::string& error);
// Ends the Container Manager and deletes its backup at backupPath.
bool ExitConMan(HWND ConMan, const char* backupPath, std::string& error);

// Ends a Container Manager that is still there, after a failed run.
void CloseConMan(HWND ConMan);

} // namespace kyvo

#endif
