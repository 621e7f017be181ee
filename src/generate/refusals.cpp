#include "generate/refusals.h"

#include <cstdio>
#include <cstring>

#include "generate/paths.h"
#include "support/codepage.h"
#include "support/platform.h"
#include "support/textstream.h"

namespace kyvo {

char grabber[kPasswordLimit + 1] = "";

namespace {

// What no Windows file name may hold.
bool UnfitForFileName(const char* text) {
    for (const char* p = text; *p; p++) {
        unsigned char ch = static_cast<unsigned char>(*p);
        if (ch < 0x20 || std::strchr("\\/:*?\"<>|", ch))
            return true;
    }
    return false;
}

bool Refuse(std::string& refusal, const char* text) {
    refusal = text;
    return true;
}

} // namespace

std::string ContainerName(const char* password, const char* extension) {
    std::string name = password;
    if (HostPathRule() == PathRule::Posix)
        name = Windows1252ToUtf8(name);
    return kContainerPrefix + name + extension;
}

std::string BundlePath(const std::string& folder, const std::string& bundle) {
    return bundle.empty() ? JoinFolder(folder, kBundleName) : bundle;
}

bool RefuseRun(const char* field, const std::string& folder, const std::string& bundle, std::string& refusal) {
    std::snprintf(grabber, sizeof grabber, "%s", field);
    ifstream gob(JoinFolder(folder, ContainerName(grabber, ".gob")).c_str());
    if (gob.is_open())
        return Refuse(refusal, kExistsRefusal);
    if (field[0] == '\0')
        return Refuse(refusal, "Enter a password.");
    if (std::strlen(field) > static_cast<std::size_t>(kPasswordLimit))
        return Refuse(refusal, "Password exceeds 30 character limit.");
    if (!PathExists(BundlePath(folder, bundle).c_str())) {
        if (bundle.empty())
            return Refuse(refusal, "info.txt not found!");
        refusal = bundle + ": cannot be read (" + LastErrorText() + ")";
        return true;
    }
    if (UnfitForFileName(grabber))
        return Refuse(refusal, "The password holds a character that a file name cannot hold "
                               "(\\ / : * ? \" < > | or a control character). Choose another password.");
    return false;
}

} // namespace kyvo
