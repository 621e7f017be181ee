#include "container/conman_driver.h"

#include <cstring>

#include "container/conman_contract.h"
#include "support/platform.h"

namespace kyvo {

char bigone[kFileListSize];

namespace {

// Once a fixed wait is over, a window that is not there yet is looked for
// again for this long: under load, or emulated, a fresh program or dialog
// may take far longer than the wait allows.
const DWORD kLookAgainMs = 8000;
const DWORD kLookEveryMs = 50;
// How long a message to the Container Manager may take: the commands and
// the typed text at once, accepting a dialog as long as adding and saving.
const UINT kAnswerMs = 5000;
const UINT kWorkMs = 60000;

const char kNoAnswer[] = "The Container Manager does not answer. It was closed; try again.";

struct FindWindowOf {
    DWORD process;
    const char* windowClass;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    FindWindowOf* find = reinterpret_cast<FindWindowOf*>(data);
    char name[64] = "", title[256] = "";
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != find->process)
        return TRUE;
    GetClassNameA(window, name, sizeof name);
    // Another process's title is read without a message to it, so a window
    // that does not answer cannot hold this search up.
    GetWindowTextA(window, title, sizeof title);
    if (std::strcmp(name, find->windowClass) == 0 && std::strcmp(title, find->title) == 0) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

// A top-level window of the given process, looked for again for a while.
HWND FindWindowOfProcess(DWORD process, const char* windowClass, const char* title) {
    FindWindowOf find = {process, windowClass, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&find));
    for (DWORD waited = 0; !find.found && waited < kLookAgainMs; waited += kLookEveryMs) {
        Sleep(kLookEveryMs);
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&find));
    }
    return find.found;
}

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs,
                               &result) != 0;
}

bool Ended(const ConManProcess& ConMan) { return WaitForSingleObject(ConMan.process, 0) == WAIT_OBJECT_0; }

// Types text into the dialog's edit control and accepts it.
bool FillDialog(ConManProcess& ConMan, const char* title, const char* text, std::string& error) {
    HWND dialog = FindWindowOfProcess(ConMan.id, "#32770", title);
    HWND edit = dialog ? FindWindowExA(dialog, nullptr, "Edit", nullptr) : nullptr;
    if (!edit) {
        if (Ended(ConMan))
            error = std::string("The Container Manager ended before its \"") + title + "\" dialog opened.";
        else if (!Send(ConMan.window, WM_NULL, 0, 0, kAnswerMs))
            error = kNoAnswer;
        else
            error = std::string("The Container Manager did not open its \"") + title + "\" dialog.";
        return false;
    }
    bool answered = Send(edit, WM_SETTEXT, 1, reinterpret_cast<LPARAM>(text), kAnswerMs) &&
                    Send(dialog, WM_COMMAND, IDOK, 0, kWorkMs);
    if (Ended(ConMan) || !IsWindow(ConMan.window)) {
        error = std::string("The Container Manager ended while it worked on \"") + title + "\".";
        return false;
    }
    if (!answered) {
        error = kNoAnswer;
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

bool StartConMan(ConManProcess& ConMan, std::string& error) {
    // One that is already running, the user's or left over, is asked to end.
    if (HWND running = FindWindowA(CONMAN_CLASS, CONMAN_TITLE)) {
        Send(running, WM_COMMAND, CONMAN_CMD_EXIT, 0, kAnswerMs);
        Sleep(100);
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started = {};
    char command[] = CONMAN_PROGRAM;
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            error = kConManNotFound;
        else
            error = std::string(CONMAN_PROGRAM " could not be started (") + LastErrorText() + ").";
        return false;
    }
    CloseHandle(started.hThread);
    ConMan.process = started.hProcess;
    ConMan.id = started.dwProcessId;
    Sleep(200);
    ConMan.window = FindWindowOfProcess(ConMan.id, CONMAN_CLASS, CONMAN_TITLE);
    if (!ConMan.window) {
        error = kConManNotFound;
        return false;
    }
    ShowWindowAsync(ConMan.window, SW_HIDE); // never waits on the other program
    return true;
}

bool CreateContainer(ConManProcess& ConMan, const char* path, std::string& error) {
    PostMessageA(ConMan.window, WM_COMMAND, CONMAN_CMD_NEW_CONTAINER, 0);
    Sleep(300);
    return FillDialog(ConMan, CONMAN_CREATE_CAPTION, path, error);
}

bool AddFiles(ConManProcess& ConMan, const std::vector<std::string>& paths, std::string& error) {
    std::size_t used = 0;
    bigone[0] = '\0';
    for (const std::string& path : paths)
        if (!AppendEntry(used, path, error))
            return false;
    PostMessageA(ConMan.window, WM_COMMAND, CONMAN_CMD_ADD_FILES, 0);
    Sleep(300);
    if (!FillDialog(ConMan, CONMAN_ADD_CAPTION, bigone, error))
        return false;
    Sleep(50);
    return true;
}

bool ExitConMan(ConManProcess& ConMan, const char* backupPath, std::string& error) {
    Send(ConMan.window, WM_COMMAND, CONMAN_CMD_EXIT, 0, kAnswerMs);
    Sleep(100);
    if (backupPath)
        DeleteFileA(backupPath);
    if (WaitForSingleObject(ConMan.process, kLookAgainMs) != WAIT_OBJECT_0) {
        error = "The Container Manager did not end when told to.";
        return false;
    }
    CloseConMan(ConMan);
    return true;
}

void CloseConMan(ConManProcess& ConMan) {
    if (!ConMan.process)
        return;
    if (!Ended(ConMan)) {
        if (ConMan.window)
            PostMessageA(ConMan.window, WM_COMMAND, CONMAN_CMD_EXIT, 0);
        if (WaitForSingleObject(ConMan.process, 2000) != WAIT_OBJECT_0) {
            TerminateProcess(ConMan.process, 1);
            WaitForSingleObject(ConMan.process, 2000);
        }
    }
    CloseHandle(ConMan.process);
    ConMan = ConManProcess();
}

} // namespace kyvo
