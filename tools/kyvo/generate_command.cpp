// kyvo generate PASSWORD [--dir DIR] [--bundle FILE]
// kyvo verify PASSWORD FILE [--bundle FILE]
#include <cstdio>

#include "commands.h"
#include "generate/refusals.h"
#include "generate_run.h"
#include "support/codepage.h"
#include "support/platform.h"

namespace kyvo {

namespace {

const char* const kGenerateHelp =
    "usage: kyvo generate PASSWORD [--dir DIR] [--bundle FILE]\n"
    "\n"
    "Makes Tmk_Kyvo_PASSWORD.gob in DIR (default: the current directory) from\n"
    "the template bundle DIR/info.txt, or FILE, exactly as the Windows tool\n"
    "does, and prints the container's path. The password is at most 30\n"
    "characters of Windows-1252. Only the container is written, and never\n"
    "over a file already there.\n";

const char* const kVerifyHelp =
    "usage: kyvo verify PASSWORD FILE [--bundle FILE]\n"
    "\n"
    "Regenerates the container for PASSWORD in memory from the template bundle\n"
    "(info.txt in the current directory, or the --bundle FILE) and compares\n"
    "container FILE with it entry by entry: names, folders, order and bytes.\n"
    "Exit status 0 when every entry is the same, 1 naming the first entry that\n"
    "differs, is missing or is extra.\n"
    "\n"
    "Passwords whose seed values leave the same remainder make the same\n"
    "entries, so verify accepts any of them for the same container.\n";

// The password as the Windows tool would read it: Windows-1252 bytes.
bool PasswordBytes(const std::string& password, std::string& bytes, std::string& error) {
#ifdef _WIN32
    bytes = password; // already in the Windows code page
    (void)error;
    return true;
#else
    return Utf8ToWindows1252(password, bytes, error);
#endif
}

// PASSWORD and further operands, with --dir and --bundle anywhere.
bool Split(const Words& words, Words& operands, std::string& folder, std::string& bundle, bool allowDir,
           std::string& problem) {
    for (size_t i = 0; i < words.size(); i++) {
        bool isDir = allowDir && words[i] == "--dir";
        if (isDir || words[i] == "--bundle") {
            if (i + 1 == words.size())
                return problem = "option '" + words[i] + "' needs a value", false;
            (isDir ? folder : bundle) = words[++i];
        } else {
            operands.push_back(words[i]);
        }
    }
    return true;
}

} // namespace

int GenerateCommand(const Words& words) {
    if (WantsHelp(words))
        return std::fputs(kGenerateHelp, stdout), 0;
    Words operands;
    std::string folder = ".", bundle, problem;
    if (!Split(words, operands, folder, bundle, true, problem))
        return UsageError(kGenerateHelp, problem);
    if (operands.empty())
        return UsageError(kGenerateHelp, "generate needs a PASSWORD (\"\" for an empty one)");
    if (operands.size() > 1)
        return UsageError(kGenerateHelp, "unexpected '" + operands[1] + "'");

    std::string bytes, error, container;
    if (!PasswordBytes(operands[0], bytes, error))
        return Fail(kExitProblem, error);
    if (!IsFolder(folder.c_str()))
        return Fail(kExitProblem, folder + ": no such folder");
    if (!GenerateContainer(bytes, AbsolutePath(folder), bundle, container, error))
        return Fail(kExitProblem, error);
    std::printf("%s\n", container.c_str());
    return 0;
}

int VerifyCommand(const Words& words) {
    if (WantsHelp(words))
        return std::fputs(kVerifyHelp, stdout), 0;
    Words operands;
    std::string folder, bundle, problem;
    if (!Split(words, operands, folder, bundle, false, problem))
        return UsageError(kVerifyHelp, problem);
    if (operands.size() != 2)
        return UsageError(kVerifyHelp, "verify needs a PASSWORD and a container FILE");

    std::string bytes, error;
    if (!PasswordBytes(operands[0], bytes, error))
        return Fail(kExitProblem, error);
    if (bytes.empty())
        return Fail(kExitProblem, "Enter a password.");
    if (bytes.size() > static_cast<std::size_t>(kPasswordLimit))
        return Fail(kExitProblem, "Password exceeds 30 character limit.");
    std::string bundlePath = BundlePath(".", bundle);
    if (!PathExists(bundlePath.c_str()))
        return Fail(kExitProblem, bundle.empty() ? "info.txt not found!" : bundle + ": no such file");
    GobArchive actual, expected;
    if (!ReadGob(operands[1], actual, error))
        return Fail(kExitProblem, error);
    if (!GenerateEntries(bytes, bundlePath, expected, error))
        return Fail(kExitProblem, error);
    std::string difference = FirstDifference(expected, actual);
    if (!difference.empty())
        return Fail(kExitProblem, operands[1] + ": " + difference);
    std::printf("%s: every entry is the one the password makes\n", operands[1].c_str());
    return 0;
}

} // namespace kyvo
