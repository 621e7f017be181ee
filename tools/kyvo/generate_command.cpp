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

} // namespace

int GenerateCommand(const std::string& password, const std::string& folder, const std::string& bundle) {
    std::string bytes, error, container;
    if (!PasswordBytes(password, bytes, error))
        return Fail(kExitProblem, error);
    if (!PathExists(folder.c_str()))
        return Fail(kExitProblem, folder + ": cannot be read (" + LastErrorText() + ")");
    if (!IsFolder(folder.c_str()))
        return Fail(kExitProblem, folder + ": is a file, not a folder");
    if (!GenerateContainer(bytes, AbsolutePath(folder), bundle, container, error))
        return Fail(kExitProblem, error);
    std::printf("%s\n", container.c_str());
    return 0;
}

int VerifyCommand(const std::string& password, const std::string& file, const std::string& bundle) {
    std::string bytes, error;
    if (!PasswordBytes(password, bytes, error))
        return Fail(kExitProblem, error);
    if (bytes.empty())
        return Fail(kExitProblem, "Enter a password.");
    if (bytes.size() > static_cast<std::size_t>(kPasswordLimit))
        return Fail(kExitProblem, "Password exceeds 30 character limit.");
    std::string bundlePath = BundlePath(".", bundle);
    if (!PathExists(bundlePath.c_str()))
        return Fail(kExitProblem, bundle.empty() ? "info.txt not found!"
                                                 : bundle + ": cannot be read (" + LastErrorText() + ")");
    GobArchive actual, expected;
    if (!ReadGob(file, actual, error))
        return Fail(kExitProblem, error);
    if (!GenerateEntries(bytes, bundlePath, expected, error))
        return Fail(kExitProblem, error);
    std::string difference = FirstDifference(expected, actual);
    if (!difference.empty())
        return Fail(kExitProblem, file + ": " + difference);
    std::printf("%s: every entry is the one the password makes\n", file.c_str());
    return 0;
}

} // namespace kyvo
