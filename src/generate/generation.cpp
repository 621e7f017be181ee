#include "generate/generation.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "generate/cogs.h"
#include "generate/generate_error.h"
#include "generate/items.h"
#include "generate/names.h"
#include "generate/paths.h"
#include "generate/strings.h"
#include "support/textstream.h"

namespace kyvo {

namespace {

void Pause(void (*pause)(int ms), int ms) {
    if (pause)
        pause(ms);
}

bool EndsWith(const char* text, const char* tail) {
    std::size_t n = std::strlen(text), m = std::strlen(tail);
    return n >= m && std::strcmp(text + n - m, tail) == 0;
}

} // namespace

const char* RunFileName(apvector<char[30]>& rand_values, int k) {
    if (k < rand_values.length())
        return rand_values[k];
    return k == rand_values.length() ? "items.dat" : "jkstrings.uni";
}

void RemoveScratchFiles(apvector<char[30]>& rand_values, void (*pause)(int ms)) {
    std::error_code ignored;
    for (int k = 0; k < kRunFileCount; k++) {
        const char* name = RunFileName(rand_values, k);
        bool written = k >= rand_values.length() || EndsWith(name, ".cog");
        if (written && PathInScratchFolder(name))
            std::filesystem::remove(directory, ignored);
        Pause(pause, 50);
    }
    if (ScratchFolderPath() && std::filesystem::is_directory(directory, ignored))
        std::filesystem::remove(directory, ignored); // only when empty
}

bool GenerateFiles(int unique, apvector<char[30]>& rand_values, void (*pause)(int ms)) {
    int total = rand_values.length();
    apvector<int> values(total);
    apvector<int> randcopy(total);
    RandomNames(values, rand_values, unique, randcopy);

    ifstream all(kTempName);
    if (!all.is_open()) {
        SetGenerateError("Cannot read %s back from the working folder.", kTempName);
        return false;
    }
    apvector<ofstream> files(total);
    for (int k = 0; k < rand_values.length(); k++) {
        if (!CreateCogs(k, rand_values[k], files[k], all, unique))
            return false;
        Pause(pause, 100);
    }
    ofstream items;
    if (!ItemsDat(items, rand_values))
        return false;
    Pause(pause, 100);
    ofstream jkstrings;
    if (!JKStringsUni(jkstrings, all))
        return false;
    Pause(pause, 100);
    return true;
}

} // namespace kyvo
