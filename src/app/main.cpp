// Tormesk Kyvo: one small always-on-top window, a password field and one
// button. The window procedure is a plain dispatcher; a generation run
// happens inside it, on the one thread.
#include <windows.h>

#include "app/resource.h"
#include "app/generation_run.h"
#include "generate/refusals.h"

const char Class[] = "tesk";
const char Window[] = "Tormesk Kyvo v0.5 NF PRE-RELEASE";
const char About[] = "Credits";
const char Alert[] = "Error";
const char Note[] = "Note";
const char Finish[] = "Patch complete";

HWND hwnd;
HWND hwndCreate;
HWND hwndSPass;
HWND hwndPass;
HMENU hmenuMain;

namespace {

const char kCredits[] =
    "Special Thanks To:\n"
    "\n"
    "Marit Okonkwo-Vale\n"
    "Tobiah Renquist\n"
    "Ilse Varnaby\n"
    "\n"
    "This project would not have been possible without their aid and encouragement.\n"
    "\n"
    "- Dorran Kyvo";

void OnExit(HWND window) {
    PostQuitMessage(0);
    DestroyWindow(window);
}

void OnCredits(HWND window) { MessageBoxA(window, kCredits, About, MB_OK); }

void OnNote(HWND window) {
    MessageBoxA(window, "Password cannot be longer than 30 characters!", Note, MB_ICONINFORMATION | MB_OK);
}

void OnGenerate(HWND window) { kyvo::GenerationRun(window, hwndPass); }

} // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_EXIT:
            OnExit(window);
            break;
        case IDM_CREDITS:
            OnCredits(window);
            break;
        case IDM_NOTE:
            OnNote(window);
            break;
        case IDC_GENERATE:
            OnGenerate(window);
            break;
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE hThisInstance, HINSTANCE hPrevInstance, LPSTR lpszArgument, int nFunsterStil) {
    (void)hPrevInstance;
    (void)lpszArgument;
    (void)nFunsterStil;

    WNDCLASSEXA wincl;
    wincl.cbSize = sizeof(WNDCLASSEXA);
    wincl.style = CS_DBLCLKS;
    wincl.lpfnWndProc = WindowProcedure;
    wincl.cbClsExtra = 0;
    wincl.cbWndExtra = 0;
    wincl.hInstance = hThisInstance;
    wincl.hIcon = LoadIconA(hThisInstance, MAKEINTRESOURCEA(IDI_KYVO));
    wincl.hIconSm = LoadIconA(hThisInstance, MAKEINTRESOURCEA(IDI_KYVO));
    wincl.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wincl.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wincl.lpszMenuName = nullptr;
    wincl.lpszClassName = Class;
    if (!RegisterClassExA(&wincl))
        return 0;

    hwnd = CreateWindowExA(WS_EX_TOPMOST, Class, Window, WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                           CW_USEDEFAULT, 300, 115, nullptr, nullptr, hThisInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    hmenuMain = LoadMenuA(hThisInstance, MAKEINTRESOURCEA(IDR_MAINMENU));
    SetMenu(hwnd, hmenuMain);

    hwndCreate = CreateWindowExA(0, "Button", "Generate Kyvo Gob!", WS_CHILD | WS_VISIBLE, 0, 0, 294, 35, hwnd,
                                 reinterpret_cast<HMENU>(IDC_GENERATE), hThisInstance, nullptr);
    hwndSPass = CreateWindowExA(0, "Static", "PASS:", WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTER, 5, 43, 45, 20,
                                hwnd, nullptr, hThisInstance, nullptr);
    hwndPass = CreateWindowExA(0, "Edit", kyvo::grabber, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 55, 43,
                               235, 20, hwnd, nullptr, hThisInstance, nullptr);

    HFONT t_font = CreateFontA(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0x0C, "Verdana");
    if (!t_font)
        return -1;
    SendMessageA(hwndPass, WM_SETFONT, reinterpret_cast<WPARAM>(t_font), 1);
    SendMessageA(hwndSPass, WM_SETFONT, reinterpret_cast<WPARAM>(t_font), 1);
    SendMessageA(hwndCreate, WM_SETFONT, reinterpret_cast<WPARAM>(t_font), 1);

    MSG messages;
    while (GetMessageA(&messages, nullptr, 0, 0)) {
        TranslateMessage(&messages);
        DispatchMessageA(&messages);
    }
    return static_cast<int>(messages.wParam);
}
