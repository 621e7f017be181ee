// Drives the real Tormesk Kyvo window the way a user would: finds it by class
// and title, types with WM_SETTEXT, presses with WM_COMMAND, reads and
// dismisses each message box, then looks at the folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>
#include <string>

#include "app/resource.h"
#include "container/conman_contract.h"
#include "generate_run.h"
#include "kyvo_version.h"
#include "support/save_file.h"
#include "test_folder.h"

namespace fs = std::filesystem;

namespace {

const char kTitle[] = "Tormesk Kyvo v0.5 NF PRE-RELEASE";
const char kRefusedName[] = "The password holds a character that a file name cannot hold "
                            "(\\ / : * ? \" < > | or a control character). Choose another password.";

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path().string();
}

std::string ToolPath() { return ProgramFolder() + "\\TormeskKyvo.exe"; }
std::string SampleBundle() { return ProgramFolder() + "\\info.txt"; }

std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct Box {
    std::string caption;
    std::string text;
    bool icon = false;
    std::chrono::steady_clock::time_point shown; // when it was found
};

struct FindOwned {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM data) {
    FindOwned* find = reinterpret_cast<FindOwned*>(data);
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && GetWindow(window, GW_OWNER) == find->owner && IsWindowVisible(window)) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

// The tool, started in a folder of its own.
class Tool {
public:
    explicit Tool(const std::string& folder, const char* fault = nullptr) {
        SetEnvironmentVariableA("KYVO_CONMAN_FAULT", fault);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = "\"" + ToolPath() + "\"";
        EXPECT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                   &startup, &myProcess));
        SetEnvironmentVariableA("KYVO_CONMAN_FAULT", nullptr);
        for (int i = 0; i < 400 && !main; i++) {
            HWND window = FindWindowA("tesk", kTitle);
            DWORD pid = 0;
            if (window)
                GetWindowThreadProcessId(window, &pid);
            if (window && pid == myProcess.dwProcessId)
                main = window;
            else
                Sleep(50);
        }
        EXPECT_NE(nullptr, main) << "the tool's window did not appear";
        // The controls come a moment after the window itself.
        for (int i = 0; i < 200 && main && !edit; i++) {
            edit = FindWindowExA(main, nullptr, "Edit", nullptr);
            if (!edit)
                Sleep(25);
        }
        EXPECT_NE(nullptr, edit) << "the password field did not appear";
    }

    ~Tool() {
        if (WaitForSingleObject(myProcess.hProcess, 0) == WAIT_TIMEOUT) {
            PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
            if (WaitForSingleObject(myProcess.hProcess, 5000) == WAIT_TIMEOUT)
                TerminateProcess(myProcess.hProcess, 99);
        }
        CloseHandle(myProcess.hThread);
        CloseHandle(myProcess.hProcess);
    }

    void Type(const std::string& text) { SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    void Command(WPARAM id) { PostMessageA(main, WM_COMMAND, id, 0); }

    // Waits for a message box owned by the window, reads it and dismisses it.
    Box Answer(DWORD timeoutMs = 60000) {
        Box box;
        FindOwned find = {main, nullptr};
        for (DWORD waited = 0; !find.found && waited < timeoutMs; waited += 25) {
            Sleep(25);
            EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&find));
        }
        if (!find.found) {
            ADD_FAILURE() << "no message box appeared";
            return box;
        }
        box.shown = std::chrono::steady_clock::now();
        char text[4096] = "";
        GetWindowTextA(find.found, text, sizeof text);
        box.caption = text;
        GetDlgItemTextA(find.found, 0xFFFF, text, sizeof text);
        box.text = text;
        box.icon = SendDlgItemMessageA(find.found, 0x440, STM_GETICON, 0, 0) != 0;
        PostMessageA(find.found, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 200 && IsWindow(find.found); i++)
            Sleep(25);
        // Answered only once the window procedure is back in the message
        // loop, that is, once the run has finished what follows its box.
        SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_BLOCK, 20000, nullptr);
        return box;
    }

    // The exit code once the process has ended, or -1.
    long ExitCode(DWORD timeoutMs = 10000) {
        if (WaitForSingleObject(myProcess.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(myProcess.hProcess, &code);
        return static_cast<long>(code);
    }

    HWND main = nullptr;
    HWND edit = nullptr;

private:
    PROCESS_INFORMATION myProcess = {};
};

std::set<std::string> ListingA(const std::string& folder);

class ToolWindow : public ::testing::Test {
protected:
    ToolWindow() { fs::copy_file(SampleBundle(), folder / "info.txt"); }
    TestFolder folder;
};

} // namespace

TEST_F(ToolWindow, HasItsClassStylesSizeAndControls) {
    Tool tool(folder.path());
    ASSERT_NE(nullptr, tool.main);
    EXPECT_EQ(static_cast<ULONG_PTR>(CS_DBLCLKS), GetClassLongPtrA(tool.main, GCL_STYLE));
    LONG style = GetWindowLongA(tool.main, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION),
              style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CAPTION));
    EXPECT_TRUE(GetWindowLongA(tool.main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT outer;
    GetWindowRect(tool.main, &outer);
    EXPECT_EQ(300, outer.right - outer.left);
    EXPECT_EQ(115, outer.bottom - outer.top);
    RECT client;
    GetClientRect(tool.main, &client);
    EXPECT_LT(client.bottom, 85) << "the menu bar is attached";

    HWND button = FindWindowExA(tool.main, nullptr, "Button", nullptr);
    HWND label = FindWindowExA(tool.main, nullptr, "Static", nullptr);
    char text[64];
    GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ("Generate Kyvo Gob!", text);
    EXPECT_EQ(IDC_GENERATE, GetDlgCtrlID(button));
    GetWindowTextA(label, text, sizeof text);
    EXPECT_STREQ("PASS:", text);
    EXPECT_EQ(0, GetDlgCtrlID(label));
    EXPECT_EQ(static_cast<LONG>(0x50001001), GetWindowLongA(label, GWL_STYLE));
    EXPECT_EQ(0, GetWindowTextLengthA(tool.edit));
    EXPECT_EQ(0, GetDlgCtrlID(tool.edit));
    EXPECT_FALSE(GetWindowLongA(tool.edit, GWL_STYLE) & ES_PASSWORD);

    tool.Command(IDC_GENERATE + 1); // no such command: nothing happens
    Sleep(200);
    EXPECT_TRUE(IsWindow(tool.main));
}

TEST(ToolResources, MenuAndIcon) {
    HMODULE program = LoadLibraryExA(ToolPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, program);
    EXPECT_NE(nullptr, FindResourceExA(program, MAKEINTRESOURCEA(4), MAKEINTRESOURCEA(IDR_MAINMENU),
                                       MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));
    HMENU menu = LoadMenuA(program, MAKEINTRESOURCEA(IDR_MAINMENU));
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(2, GetMenuItemCount(menu));
    char text[32];
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&File", text);
    GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&About", text);
    HMENU file = GetSubMenu(menu, 0), about = GetSubMenu(menu, 1);
    ASSERT_EQ(1, GetMenuItemCount(file));
    EXPECT_EQ(static_cast<UINT>(IDM_EXIT), GetMenuItemID(file, 0));
    GetMenuStringA(file, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&Exit", text);
    ASSERT_EQ(2, GetMenuItemCount(about));
    EXPECT_EQ(static_cast<UINT>(IDM_NOTE), GetMenuItemID(about, 0));
    GetMenuStringA(about, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&Note", text);
    EXPECT_EQ(static_cast<UINT>(IDM_CREDITS), GetMenuItemID(about, 1));
    GetMenuStringA(about, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&Credits", text);

    HRSRC group = FindResourceA(program, MAKEINTRESOURCEA(IDI_KYVO), MAKEINTRESOURCEA(14));
    ASSERT_NE(nullptr, group);
    const BYTE* entries = static_cast<const BYTE*>(LockResource(LoadResource(program, group)));
    EXPECT_EQ(1, entries[4]);  // one image
    EXPECT_EQ(35, entries[6]); // width
    EXPECT_EQ(30, entries[7]); // height
    EXPECT_EQ(8, entries[12]); // bits per pixel
    FreeLibrary(program);
}

// Each program runs as the user who starts it, never in a virtual store,
// and carries the one version.
TEST(ToolResources, ManifestAndVersionInEveryProgram) {
    for (const char* name : {"TormeskKyvo.exe", "ConMan.exe", "kyvo.exe"}) {
        HMODULE program = LoadLibraryExA((ProgramFolder() + "\\" + name).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, program) << name;
        HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
        ASSERT_NE(nullptr, found) << name;
        std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, found))),
                             SizeofResource(program, found));
        EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\"")) << name;
        EXPECT_NE(std::string::npos, manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")) << name;
        found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16)); // RT_VERSION
        ASSERT_NE(nullptr, found) << name;
        const wchar_t* data = static_cast<const wchar_t*>(LockResource(LoadResource(program, found)));
        std::wstring text(data, SizeofResource(program, found) / sizeof(wchar_t));
        std::string version = KYVO_VERSION;
        EXPECT_NE(std::wstring::npos, text.find(std::wstring(version.begin(), version.end()))) << name;
        FreeLibrary(program);
    }
}

TEST_F(ToolWindow, AboutBoxes) {
    Tool tool(folder.path());
    tool.Command(IDM_CREDITS);
    Box credits = tool.Answer();
    EXPECT_EQ("Credits", credits.caption);
    EXPECT_EQ(0u, credits.text.find("Special Thanks To:\n\n"));
    EXPECT_NE(std::string::npos,
              credits.text.find("\n\nThis project would not have been possible without their aid and encouragement.\n\n- "));
    EXPECT_FALSE(credits.icon);
    tool.Command(IDM_NOTE);
    Box note = tool.Answer();
    EXPECT_EQ("Note", note.caption);
    EXPECT_EQ("Password cannot be longer than 30 characters!", note.text);
    EXPECT_TRUE(note.icon);
}

TEST_F(ToolWindow, FileExitAndTheCloseBoxEndWithZero) {
    {
        Tool tool(folder.path());
        tool.Command(IDM_EXIT);
        EXPECT_EQ(0, tool.ExitCode());
    }
    Tool tool(folder.path());
    PostMessageA(tool.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0, tool.ExitCode());
}

TEST_F(ToolWindow, RefusalsInTheirOrder) {
    Tool tool(folder.path());
    const std::string k30(30, 'p');
    struct Case {
        std::string password;
        const char* existing;
        bool bundle;
        const char* message;
    } cases[] = {
        {"", "Tmk_Kyvo_.gob", true, "Kyvo with current password already exists!"},
        {"", nullptr, true, "Enter a password."},
        {"abc", "Tmk_Kyvo_abc.gob", true, "Kyvo with current password already exists!"},
        {k30 + "q", nullptr, true, "Password exceeds 30 character limit."},
        {k30 + "q", "Tmk_Kyvo_pppppppppppppppppppppppppppppp.gob", true, "Kyvo with current password already exists!"},
        {"abc", nullptr, false, "info.txt not found!"},
        {"a?b", nullptr, true, kRefusedName},
    };
    for (const Case& c : cases) {
        if (c.existing)
            WriteBytes(folder / c.existing, "earlier");
        if (!c.bundle)
            fs::rename(folder / "info.txt", folder / "away.txt");
        std::set<std::string> before = Listing(folder.path());
        tool.Type(c.password);
        tool.Command(IDC_GENERATE);
        Box box = tool.Answer();
        EXPECT_EQ("Error", box.caption) << c.message;
        EXPECT_EQ(c.message, box.text);
        EXPECT_TRUE(box.icon);
        EXPECT_EQ(before, Listing(folder.path()));
        if (c.existing) {
            EXPECT_EQ("earlier", ReadBytes(folder / c.existing));
            fs::remove(folder / c.existing);
        }
        if (!c.bundle)
            fs::rename(folder / "away.txt", folder / "info.txt");
    }
}

TEST_F(ToolWindow, FullRunsMakeTheSameContainerAsTheCommandLine) {
    Tool tool(folder.path());
    const char* passwords[] = {"abc", "second run"};
    for (const char* password : passwords) {
        tool.Type(password);
        auto start = std::chrono::steady_clock::now();
        tool.Command(IDC_GENERATE);
        Box box = tool.Answer();
        double took = std::chrono::duration<double>(box.shown - start).count();
        std::printf("full run with '%s': %.3f s from the press to the final message (fixed waits 9.8 s)\n",
                    password, took);
        EXPECT_EQ("Patch complete", box.caption);
        EXPECT_EQ("Kyvo files have been patched.", box.text);
        EXPECT_TRUE(box.icon);

        TestFolder other;
        fs::copy_file(SampleBundle(), other / "info.txt");
        std::string container, error;
        ASSERT_TRUE(kyvo::GenerateContainer(password, other.path(), "", container, error)) << error;
        std::string name = std::string("Tmk_Kyvo_") + password + ".gob";
        EXPECT_EQ(ReadBytes(other / name), ReadBytes(folder / name)) << password;
    }
    EXPECT_EQ((std::set<std::string>{"info.txt", "Tmk_Kyvo_abc.gob", "Tmk_Kyvo_second run.gob"}),
              Listing(folder.path()));
    EXPECT_EQ(nullptr, FindWindowA(CONMAN_CLASS, CONMAN_TITLE));
}

struct Fault {
    const char* fault;
    const char* message; // how the error begins; nullptr: the run succeeds
    const char* tail;    // how it ends, after the container's path
};

void PrintTo(const Fault& c, std::ostream* os) { *os << c.fault; }

class ToolFaults : public ToolWindow, public ::testing::WithParamInterface<Fault> {};

// A Container Manager that misbehaves gives an error within a bounded time,
// is ended, and leaves nothing behind; the window answers again after.
TEST_P(ToolFaults, AreErrorsNeverSuccess) {
    Tool tool(folder.path(), GetParam().fault);
    tool.Type("faulty");
    tool.Command(IDC_GENERATE);
    Box box = tool.Answer();
    if (!GetParam().message) {
        EXPECT_EQ("Patch complete", box.caption) << box.text;
        EXPECT_EQ((std::set<std::string>{"info.txt", "Tmk_Kyvo_faulty.gob"}), Listing(folder.path()));
        return;
    }
    EXPECT_EQ("Error", box.caption);
    EXPECT_EQ(0u, box.text.find(GetParam().message)) << box.text;
    if (GetParam().tail) {
        std::string tail = std::string("Tmk_Kyvo_faulty.gob") + GetParam().tail;
        EXPECT_NE(std::string::npos, box.text.find(tail)) << box.text;
    }
    EXPECT_TRUE(box.icon);
    EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing(folder.path()));
    EXPECT_EQ(nullptr, FindWindowA(CONMAN_CLASS, CONMAN_TITLE));
    DWORD_PTR result = 0;
    EXPECT_NE(0, SendMessageTimeoutA(tool.main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result));
    tool.Command(IDM_NOTE);
    EXPECT_EQ("Note", tool.Answer().caption);
}

const std::string kPacked = "The Container Manager did not pack the generated files into ";

INSTANTIATE_TEST_SUITE_P(
    ConMan, ToolFaults,
    ::testing::Values(
        Fault{"no-dialog", "The Container Manager did not open its \"Create new Container\" dialog.", nullptr},
        Fault{"late-dialog", nullptr, nullptr},
        Fault{"crash-adding", "The Container Manager ended while it worked on \"Add Files to Container\".", nullptr},
        Fault{"hang", "The Container Manager does not answer. It was closed; try again.", nullptr},
        Fault{"drop-file", kPacked.c_str(), ": entry ui\\jkstrings.uni is missing."},
        Fault{"alter-file", kPacked.c_str(), ": entry cog\\item_bacta.cog differs from byte 0 on ("}),
    [](const ::testing::TestParamInfo<Fault>& info) {
        std::string name = info.param.fault;
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

// One run at a time, whichever copy of the tool and whichever folder: a run
// pressed while another lasts is refused and touches nothing.
TEST_F(ToolWindow, ASecondCopyIsRefusedWhileARunLasts) {
    TestFolder otherFolder;
    fs::copy_file(SampleBundle(), otherFolder / "info.txt");
    int index = 0;
    for (DWORD delayMs : {500, 3000, 6300}) {
        std::string password = "first" + std::to_string(index++);
        Tool first(folder.path());
        Tool second(otherFolder.path());
        first.Type(password);
        second.Type("second");
        first.Command(IDC_GENERATE);
        Sleep(delayMs);
        second.Command(IDC_GENERATE);
        Box refused = second.Answer();
        EXPECT_EQ("Error", refused.caption) << delayMs;
        EXPECT_EQ("Another Tormesk Kyvo is making a container right now. Try again once it has shown its message.",
                  refused.text);
        Box done = first.Answer();
        EXPECT_EQ("Patch complete", done.caption) << delayMs << " ms: " << done.text;

        TestFolder expected;
        std::string container, error;
        ASSERT_TRUE(kyvo::GenerateContainer(password, expected.path(), SampleBundle(), container, error)) << error;
        std::string name = "Tmk_Kyvo_" + password + ".gob";
        EXPECT_EQ(ReadBytes(container), ReadBytes(folder / name)) << delayMs;
        fs::remove(folder / name);
        EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing(folder.path())) << delayMs;
        EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing(otherFolder.path())) << delayMs;
    }
}

// Windows takes no path longer than MAX_PATH in these calls; a folder so
// deep that the run's files would pass it is refused before anything is made.
TEST(ToolPaths, AFolderTooDeepForWindowsIsRefusedFirst) {
    TestFolder base;
    std::string folder = base.path();
    while (folder.size() < MAX_PATH - 30) {
        folder += "\\" + std::string(20, 'd');
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    }
    ASSERT_TRUE(CopyFileA(SampleBundle().c_str(), (folder + "\\info.txt").c_str(), FALSE));
    Tool tool(folder);
    tool.Type("abc");
    tool.Command(IDC_GENERATE);
    Box box = tool.Answer();
    EXPECT_EQ("Error", box.caption);
    EXPECT_EQ("The path of generated cogs in the working folder is longer than 259 characters. "
              "Run the tool from a folder with a shorter path.",
              box.text);
    EXPECT_EQ((std::set<std::string>{"info.txt"}), ListingA(folder));
    EXPECT_EQ(nullptr, FindWindowA(CONMAN_CLASS, CONMAN_TITLE));
}

TEST_F(ToolWindow, ABrokenBundleIsAnError) {
    std::string bundle = ReadBytes(folder / "info.txt");
    WriteBytes(folder / "info.txt", bundle.substr(0, bundle.size() / 3));
    Tool tool(folder.path());
    tool.Type("abc");
    tool.Command(IDC_GENERATE);
    Box box = tool.Answer();
    EXPECT_EQ("Error", box.caption);
    EXPECT_EQ(0u, box.text.find("The template bundle is broken: cog section ")) << box.text;
    EXPECT_EQ((std::set<std::string>{"info.txt"}), Listing(folder.path()));
}

// ---- non-ASCII folders and passwords ----------------------------------------

namespace {

// The names in a folder as the ANSI calls see them.
std::set<std::string> ListingA(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.insert(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string ReadBytesA(const std::string& path) {
    std::string bytes, error;
    EXPECT_TRUE(kyvo::ReadWholeFile(path, bytes, error)) << error;
    return bytes;
}

struct CodePageRun {
    const char* name;
    UINT codePage;
    const char* folder;   // in that code page; "" for the test folder itself
    const char* password; // in that code page
};

void PrintTo(const CodePageRun& c, std::ostream* os) { *os << c.name; }

const CodePageRun kCodePageRuns[] = {
    {"CafeFolder", 1252, "caf\xE9", "abc"},
    {"EuroPassword", 1252, "", "\x80" "100!"},
    {"OeTradeMarkPassword", 1252, "", "\x8C" "uvre\x99"},
    {"CyrillicFolder", 1251, "\xC8\xE3\xF0\xFB", "abc"},
};

class CodePageRuns : public ::testing::TestWithParam<CodePageRun> {};

} // namespace

// Every run of the table patches in the code page wine was started with,
// with the container byte for byte the command line's for the same bytes,
// and leaves neither a half-saved container nor the scratch folder.
TEST_P(CodePageRuns, PatchAndMatchTheCommandLine) {
    const CodePageRun& c = GetParam();
    if (GetACP() != c.codePage)
        GTEST_SKIP() << "runs under code page " << c.codePage << "; this one is " << GetACP();
    TestFolder base;
    std::string folder = base.path();
    if (*c.folder) {
        folder += std::string("\\") + c.folder;
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    }
    ASSERT_TRUE(CopyFileA(SampleBundle().c_str(), (folder + "\\info.txt").c_str(), FALSE));
    {
        Tool tool(folder);
        tool.Type(c.password);
        tool.Command(IDC_GENERATE);
        Box box = tool.Answer();
        EXPECT_EQ("Patch complete", box.caption) << box.text;
    }
    std::string name = std::string("Tmk_Kyvo_") + c.password + ".gob";
    EXPECT_EQ((std::set<std::string>{"info.txt", name}), ListingA(folder));

    TestFolder expected;
    std::string container, error;
    ASSERT_TRUE(kyvo::GenerateContainer(c.password, expected.path(), SampleBundle(), container, error)) << error;
    EXPECT_EQ(ReadBytesA(container), ReadBytesA(folder + "\\" + name));
}

INSTANTIATE_TEST_SUITE_P(Table, CodePageRuns, ::testing::ValuesIn(kCodePageRuns),
                         [](const ::testing::TestParamInfo<CodePageRun>& info) { return std::string(info.param.name); });

// The table above has runs for the code page of every locale the tests use,
// so that a locale that wine did not take shows as a failure, not as skips.
TEST(CodePage, IsOneTheTableCovers) {
    bool covered = false;
    for (const CodePageRun& c : kCodePageRuns)
        covered = covered || c.codePage == GetACP();
    EXPECT_TRUE(covered) << "code page " << GetACP();
}
