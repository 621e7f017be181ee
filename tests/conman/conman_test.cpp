// The stand-in Container Manager on its own: its names, and that it never
// loses a file, driven through its windows as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conman_files.h"
#include "container/conman_contract.h"
#include "gob/gob.h"
#include "test_folder.h"

namespace {

struct Names {
    const char* path;
    const char* backup;
};

void PrintTo(const Names& c, std::ostream* os) { *os << c.path; }

class BackupNames : public ::testing::TestWithParam<Names> {};

TEST_P(BackupNames, ReplaceTheFileNamesExtensionOnly) { EXPECT_EQ(GetParam().backup, conman::BackupPathFor(GetParam().path)); }

INSTANTIATE_TEST_SUITE_P(Cases, BackupNames,
                         ::testing::Values(Names{"C:\\games\\Tmk_Kyvo_abc.gob", "C:\\games\\Tmk_Kyvo_abc.~go"},
                                           Names{"C:\\v1.2\\noext", "C:\\v1.2\\noext.~go"},
                                           Names{"C:\\a.b/c", "C:\\a.b/c.~go"},
                                           Names{"x.tar.gob", "x.tar.~go"},
                                           Names{".gob", ".~go"}, Names{"", ".~go"}));

TEST(FileList, QuotedOrNotSeparatedBySpaces) {
    EXPECT_EQ((std::vector<std::string>{"C:\\a b\\x.cog", "C:\\y.dat", "z.uni"}),
              conman::ParseFileList("\"C:\\a b\\x.cog\"  C:\\y.dat \"z.uni\" "));
    EXPECT_EQ((std::vector<std::string>{"open"}), conman::ParseFileList("\"open"));
    EXPECT_TRUE(conman::ParseFileList("").empty());
    EXPECT_TRUE(conman::ParseFileList("   ").empty());
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

struct FindOf {
    DWORD process;
    const char* windowClass;
    const char* title; // nullptr: any
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM data) {
    FindOf* find = reinterpret_cast<FindOf*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = "", title[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, title, sizeof title);
    if (owner == find->process && std::string(name) == find->windowClass &&
        (!find->title || std::string(title) == find->title) && IsWindowVisible(window)) {
        find->found = window;
        return FALSE;
    }
    return TRUE;
}

// The stand-in, started as a user would, driven through its windows.
class ConManWindow {
public:
    ConManWindow() {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = "\"" + ProgramFolder() + "\\" CONMAN_PROGRAM "\"";
        EXPECT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &myProcess));
        main = Wait(CONMAN_CLASS, CONMAN_TITLE);
        EXPECT_NE(nullptr, main);
    }
    ~ConManWindow() {
        PostMessageA(main, WM_COMMAND, CONMAN_CMD_EXIT, 0);
        if (WaitForSingleObject(myProcess.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(myProcess.hProcess, 1);
        CloseHandle(myProcess.hThread);
        CloseHandle(myProcess.hProcess);
    }

    HWND Wait(const char* windowClass, const char* title) {
        FindOf find = {myProcess.dwProcessId, windowClass, title, nullptr};
        for (int i = 0; i < 200 && !find.found; i++) {
            EnumWindows(Match, reinterpret_cast<LPARAM>(&find));
            if (!find.found)
                Sleep(25);
        }
        return find.found;
    }

    // Opens the dialog of command, types text into it and accepts it; the
    // text of the message box it shows then, or "" when it shows none.
    std::string Use(int command, const char* caption, const std::string& text) {
        PostMessageA(main, WM_COMMAND, command, 0);
        HWND dialog = Wait("#32770", caption);
        if (!dialog) {
            ADD_FAILURE() << "no dialog " << caption;
            return "";
        }
        SetDlgItemTextA(dialog, GetDlgCtrlID(FindWindowExA(dialog, nullptr, "Edit", nullptr)), text.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 200 && IsWindow(dialog); i++) {
            FindOf box = {myProcess.dwProcessId, "#32770", CONMAN_TITLE, nullptr};
            EnumWindows(Match, reinterpret_cast<LPARAM>(&box));
            if (box.found) {
                char said[1024] = "";
                GetDlgItemTextA(box.found, 0xFFFF, said, sizeof said);
                PostMessageA(box.found, WM_COMMAND, IDOK, 0);
                return said;
            }
            Sleep(25);
        }
        return "";
    }

    HWND main = nullptr;

private:
    PROCESS_INFORMATION myProcess = {};
};

} // namespace

TEST(ConManKeepsData, NewContainerNeverReplacesAFile) {
    TestFolder folder;
    std::string path = folder / "mine.gob";
    WriteBytes(path, "a container of the user's");
    ConManWindow conman;
    EXPECT_EQ(path + " already exists. A new container never replaces a file; choose another name.",
              conman.Use(CONMAN_CMD_NEW_CONTAINER, CONMAN_CREATE_CAPTION, path));
    EXPECT_EQ("a container of the user's", ReadBytes(path));
    EXPECT_FALSE(FileExists(folder / "mine.~go"));
}

// Saving again and again over a container this process made backs nothing up.
TEST(ConManKeepsData, SavesOfANewContainerMakeNoBackup) {
    TestFolder folder;
    std::string path = folder / "v1.2 new.gob";
    WriteBytes(folder / "a.cog", "first");
    WriteBytes(folder / "b.dat", "second");
    ConManWindow conman;
    EXPECT_EQ("", conman.Use(CONMAN_CMD_NEW_CONTAINER, CONMAN_CREATE_CAPTION, path));
    EXPECT_EQ("", conman.Use(CONMAN_CMD_ADD_FILES, CONMAN_ADD_CAPTION, "\"" + (folder / "a.cog") + "\""));
    EXPECT_EQ("", conman.Use(CONMAN_CMD_ADD_FILES, CONMAN_ADD_CAPTION, "\"" + (folder / "b.dat") + "\""));
    kyvo::GobArchive archive;
    std::string error;
    ASSERT_TRUE(kyvo::ReadGob(path, archive, error)) << error;
    ASSERT_EQ(2u, archive.entries.size());
    EXPECT_EQ("cog\\a.cog", archive.entries[0].name);
    EXPECT_EQ("second", archive.entries[1].data);
    EXPECT_FALSE(FileExists(folder / "v1.2 new.~go"));
    EXPECT_FALSE(FileExists(folder / "v1.~go"));
}
