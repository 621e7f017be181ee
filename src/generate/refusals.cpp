#include "generate/refusals.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "generate/generate_error.h"
#include "generate/paths.h"
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

} // namespace

void ContainerName(char* out, int size, const char* extension) {
    std::snprintf(out, size, "%s%s%s", kContainerPrefix, grabber, extension);
}

const char* RefuseRun(const char* field, const char* bundleName) {
    std::snprintf(grabber, sizeof grabber, "%s", field);
    char name[100];
    ContainerName(name, sizeof name, ".gob");
    if (!PathInCurrentDirectory(name))
        return GenerateError();
    ifstream gob(directory);
    if (gob.is_open())
        return "Kyvo with current password already exists!";
    if (field[0] == '\0')
        return "Enter a password.";
    if (std::strlen(field) > static_cast<std::size_t>(kPasswordLimit))
        return "Password exceeds 30 character limit.";
    std::error_code ignored;
    if (!std::filesystem::exists(bundleName, ignored))
        return std::strcmp(bundleName, "info.txt") == 0 ? "info.txt not found!" : "The template bundle was not found.";
    if (UnfitForFileName(grabber))
        return "The password holds a character that a file name cannot hold "
               "(\\ / : * ? \" < > | or a control character). Choose another password.";
    return nullptr;
}

} // namespace kyvo
