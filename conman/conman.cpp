// ConMan.exe: a stand-in Container Manager with the windows, commands and
// dialogs that Tormesk Kyvo drives, writing real GOB containers.
//
// For tests, KYVO_CONMAN_FAULT picks a fault: "no-dialog" (the dialogs never
// open), "late-dialog" (each opens 1.5 s late), "crash-adding" (the process
// dies while adding files, before it saves), "hang" (it stops answering
// messages once its window is up), "drop-file" (it leaves out the last file
// it is given), "alter-file" (it changes one byte of the first file).
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "conman_files.h"
#include "conman_ids.h"
#include "gob/gob.h"

namespace {

const char kClass[] = CONMAN_CLASS;
const char kTitle[] = CONMAN_TITLE;
const UINT_PTR kLateTimer = 1;

HINSTANCE instance;
HWND mainWindow;
HWND entriesList;
std::string containerPath; // the open container, "" before one is made
kyvo::GobArchive archive;
int lateDialog = 0; // the dialog a late fault will open
// Containers this process created: saving over one makes no backup.
std::vector<std::string> createdHere;
// Containers already backed up in this process: only their first save does.
std::vector<std::string> backedUp;

std::string Fault() {
    const char* fault = std::getenv("KYVO_CONMAN_FAULT");
    return fault ? fault : "";
}

void ShowEntries() {
    SendMessageA(entriesList, LB_RESETCONTENT, 0, 0);
    std::string title = containerPath.empty() ? "(no container)" : containerPath;
    SendMessageA(entriesList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    for (const kyvo::GobEntry& entry : archive.entries) {
        std::string line = "    " + entry.name + "    " + std::to_string(entry.data.size()) + " bytes";
        SendMessageA(entriesList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

void ShowError(const std::string& text) { MessageBoxA(mainWindow, text.c_str(), kTitle, MB_ICONERROR | MB_OK); }

bool Listed(const std::vector<std::string>& list, const std::string& path) {
    for (const std::string& item : list)
        if (lstrcmpiA(item.c_str(), path.c_str()) == 0)
            return true;
    return false;
}

// The version a container had before this process first saved over it stays
// beside it as its ".~go" backup; later saves keep that backup as it is.
bool Save(const std::string& path, const kyvo::GobArchive& contents) {
    bool existed = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (existed && !Listed(createdHere, path) && !Listed(backedUp, path)) {
        if (!CopyFileA(path.c_str(), conman::BackupPathFor(path).c_str(), FALSE)) {
            ShowError("Cannot back up " + path + " as " + conman::BackupPathFor(path) + ". Nothing was saved.");
            return false;
        }
        backedUp.push_back(path);
    }
    std::string error;
    if (!kyvo::WriteGob(path, contents, error)) {
        ShowError(error);
        return false;
    }
    if (!existed)
        createdHere.push_back(path);
    return true;
}

void CreateNew(const std::string& path) {
    if (path.empty())
        return ShowError("Type the path of the new container.");
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return ShowError(path + " already exists. A new container never replaces a file; choose another name.");
    kyvo::GobArchive empty;
    if (!Save(path, empty))
        return;
    containerPath = path;
    archive = empty;
}

// All or nothing: one file that cannot be added leaves the container as it was.
void AddAll(const std::string& list) {
    if (containerPath.empty())
        return ShowError("Create or open a container first.");
    kyvo::GobArchive grown = archive;
    std::string error;
    std::vector<std::string> paths = conman::ParseFileList(list);
    if (Fault() == "drop-file" && !paths.empty())
        paths.pop_back();
    for (const std::string& path : paths) {
        if (!kyvo::AddGobFile(grown, path, error))
            return ShowError(error + "\nNo file was added.");
    }
    if (Fault() == "alter-file" && !grown.entries.empty() && !grown.entries[0].data.empty())
        grown.entries[0].data[0] ^= 0x20;
    if (Fault() == "crash-adding")
        ExitProcess(3);
    if (Save(containerPath, grown))
        archive = grown;
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SendDlgItemMessageA(dialog, IDC_PATH, EM_SETLIMITTEXT, 0, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            HWND edit = GetDlgItem(dialog, IDC_PATH);
            std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
            GetWindowTextA(edit, &text[0], static_cast<int>(text.size()));
            text.resize(std::strlen(text.c_str()));
            if (GetWindowLongPtrA(dialog, DWLP_USER) == IDD_CREATE)
                CreateNew(text);
            else
                AddAll(text);
            ShowEntries();
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void OpenDialog(int id) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(id), mainWindow, DialogProcedure, id);
}

void OnDialogCommand(int id) {
    std::string fault = Fault();
    if (fault == "no-dialog")
        return;
    if (fault == "late-dialog") {
        lateDialog = id;
        SetTimer(mainWindow, kLateTimer, 1500, nullptr);
        return;
    }
    OpenDialog(id);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(entriesList, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_TIMER:
        KillTimer(window, kLateTimer);
        OpenDialog(lateDialog);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_NEW_CONTAINER:
            OnDialogCommand(IDD_CREATE);
            break;
        case IDM_ADD_FILES:
            OnDialogCommand(IDD_ADD);
            break;
        case IDM_EXIT:
            DestroyWindow(window);
            break;
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int showCommand) {
    instance = hInstance;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClass;
    if (!RegisterClassExA(&wc))
        return 1;
    mainWindow = CreateWindowExA(0, kClass, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480, 320,
                                 nullptr, LoadMenuA(hInstance, MAKEINTRESOURCEA(IDR_CONMAN_MENU)), hInstance, nullptr);
    entriesList = CreateWindowExA(WS_EX_CLIENTEDGE, "ListBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                  0, 0, 0, 0, mainWindow, reinterpret_cast<HMENU>(IDC_ENTRIES), hInstance, nullptr);
    ShowEntries();
    ShowWindow(mainWindow, showCommand);
    if (Fault() == "hang")
        for (;;)
            Sleep(INFINITE);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
