#include "container/conman_driver.h"

#include <cstring>

namespace kyvo {

char bigone[kFileListSize];

namespace {

const char kConManClass[] = "TConManForm";
const char kConManTitle[] = "Container Manager";
const WPARAM kCommandExit = 14;
const WPARAM kCommandCreate = 6;
const WPARAM kCommandAdd = 10;

// Once a fixed wait is over, a window that is not there yet is looked for
// again for this long: under load a fresh program or dialog may take longer
// than the wait allows.
const DWORD kLookAgainMs = 5000;
const DWORD kLookEveryMs = 50;

HWND FindTopWindow(const char* windowClass, const char* title) {
    HWND found = FindWindowA(windowClass, title);
    for (DWORD waited = 0; !found && waited < kLookAgainMs; waited += kLookEveryMs) {
        Sleep(kLookEveryMs);
        found = FindWindowA(windowClass, title);
    }
    return found;
}

// Types text into the dialog's edit control and accepts it.
bool FillDialog(HWND ConMan, const char* title, const char* text, std::string& error) {
    HWND dialog = FindTopWindow("#32770", title);
    HWND edit = dialog ? FindWindowExA(dialog, nullptr, "Edit", nullptr) : nullptr;
    if (!edit) {
        error = std::string("The Container Manager did not open its \"") + title + "\" dialog.";
        return false;
    }
    SendMessageA(edit, WM_SETTEXT, 1, reinterpret_cast<LPARAM>(text));
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    if (!IsWindow(ConMan)) {
        error = std::string("The Container Manager ended while it worked on \"") + title + "\".";
        return false;
    }
    return true;
}

// Appends one quoted entry and a space to the list.
bool AppendEntry(std::size_t& used, const std::string& path, std::string& error) {
    std::size_t length = path.size();
    if (used + length + 4 > sizeof bigone) {
        error = "The file list for the Container Manager is too long.";
        return false;
    }
    bigone[used++] = '"';
    std::memcpy(bigone + used, path.data(), length);
    used += length;
    bigone[used++] = '"';
    bigone[used++] = ' ';
    bigone[used] = '\0';
    return true;
}

} // namespace

HWND StartConMan() {
    HWND running = FindWindowA(kConManClass, kConManTitle);
    if (running) {
        SendMessageA(running, WM_COMMAND, kCommandExit, 0);
        Sleep(100);
    }
    WinExec("ConMan.exe", SW_HIDE);
    Sleep(200);
    HWND ConMan = FindTopWindow(kConManClass, kConManTitle);
    if (ConMan)
        ShowWindow(ConMan, SW_HIDE);
    return ConMan;
}

bool CreateContainer(HWND ConMan, const char* path, std::string& error) {
    PostMessageA(ConMan, WM_COMMAND, kCommandCreate, 0);
    Sleep(300);
    return FillDialog(ConMan, "Create new Container", path, error);
}

bool AddFiles(HWND ConMan, const std::vector<std::string>& paths, std::string& error) {
    std::size_t used = 0;
    bigone[0] = '\0';
    for (const std::string& path : paths)
        if (!AppendEntry(used, path, error))
            return false;
    PostMessageA(ConMan, WM_COMMAND, kCommandAdd, 0);
    Sleep(300);
    if (!FillDialog(ConMan, "Add Files to Container", bigone, error))
        return false;
    Sleep(50);
    return true;
}

bool ExitConMan(HWND ConMan, const char* backupPath, std::string& error) {
    SendMessageA(ConMan, WM_COMMAND, kCommandExit, 0);
    Sleep(100);
    DeleteFileA(backupPath);
    for (DWORD waited = 0; IsWindow(ConMan) && waited < kLookAgainMs; waited += kLookEveryMs)
        Sleep(kLookEveryMs);
    if (IsWindow(ConMan)) {
        error = "The Container Manager did not end when told to.";
        return false;
    }
    return true;
}

void CloseConMan(HWND ConMan) {
    if (ConMan && IsWindow(ConMan)) {
        SendMessageTimeoutA(ConMan, WM_COMMAND, kCommandExit, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        Sleep(100);
    }
}

} // namespace kyvo
