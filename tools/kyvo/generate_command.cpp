// kyvo generate PASSWORD [--dir DIR] [--bundle FILE]
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "codepage.h"
#include "commands.h"
#include "generate_run.h"

namespace fs = std::filesystem;

namespace kyvo {

namespace {

const char* const kGenerateHelp =
    "usage: kyvo generate PASSWORD [--dir DIR] [--bundle FILE]\n"
    "\n"
    "Makes Tmk_Kyvo_PASSWORD.gob in DIR (default: the current directory) from\n"
    "the template bundle DIR/info.txt, or FILE, exactly as the Windows tool\n"
    "does, and prints the container's path. The password is at most 30\n"
    "characters of Windows-1252.\n";


} // namespace

int GenerateCommand(const Words& words) {
    if (WantsHelp(words))
        return std::fputs(kGenerateHelp, stdout), 0;
    std::string password, folder = ".", bundle = "info.txt";
    bool havePassword = false;
    for (size_t i = 0; i < words.size(); i++) {
        if ((words[i] == "--dir" || words[i] == "--bundle") && i + 1 < words.size())
            (words[i] == "--dir" ? folder : bundle) = words[i + 1], i++;
        else if (!havePassword)
            password = words[i], havePassword = true;
        else
            return UsageError(kGenerateHelp, "unexpected '" + words[i] + "'");
    }
    if (!havePassword)
        return UsageError(kGenerateHelp, "generate needs a PASSWORD (\"\" for an empty one)");

    std::string bytes, error, container;
#ifdef _WIN32
    bytes = password; // already in the Windows code page
#else
    if (!Utf8ToWindows1252(password, bytes, error))
        return Fail(kExitProblem, error);
#endif
    std::error_code failed;
    if (bundle != "info.txt")
        bundle = fs::absolute(bundle, failed).string();
    fs::current_path(folder, failed);
    if (failed)
        return Fail(kExitProblem, folder + ": cannot work in this folder (" + failed.message() + ")");
    if (!GenerateContainer(bytes, bundle, container, error))
        return Fail(kExitProblem, error);
    std::printf("%s\n", container.c_str());
    return 0;
}

} // namespace kyvo
