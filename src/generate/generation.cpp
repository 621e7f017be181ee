#include "generate/generation.h"

#include "generate/cogs.h"
#include "generate/items.h"
#include "generate/names.h"
#include "generate/strings.h"

namespace kyvo {

namespace {

void Pause(void (*pause)(int ms), int ms) {
    if (pause)
        pause(ms);
}

} // namespace

const char* RunFileName(apvector<char[30]>& rand_values, int k) {
    if (k < rand_values.length())
        return rand_values[k];
    return k == rand_values.length() ? "items.dat" : "jkstrings.uni";
}

RunFiles::RunFiles() : rand_values(kCogCount), files(kCogCount) {
    for (int k = 0; k < kCogCount; k++)
        rand_values[k][0] = '\0';
}

void RunFiles::WriteInMemory() {
    for (int k = 0; k < kRunFileCount; k++)
        Output(k).UseMemory(&memory[k]);
}

ofstream& RunFiles::Output(int k) {
    if (k < kCogCount)
        return files[k];
    return k == kCogCount ? items : jkstrings;
}

void RunFiles::CloseAll() {
    if (all.is_open())
        all.close();
    for (int k = 0; k < kRunFileCount; k++)
        if (Output(k).is_open())
            Output(k).close();
}

bool GenerateFiles(int unique, RunFiles& files, void (*pause)(int ms)) {
    apvector<char[30]>& rand_values = files.rand_values;
    int total = rand_values.length();
    apvector<int> values(total);
    apvector<int> randcopy(total);
    RandomNames(values, rand_values, unique, randcopy);
    for (int k = 0; k < rand_values.length(); k++) {
        if (!CreateCogs(k, rand_values[k], files.files[k], files.all, unique))
            return false;
        Pause(pause, 100);
    }
    if (!ItemsDat(files.items, rand_values))
        return false;
    Pause(pause, 100);
    if (!JKStringsUni(files.jkstrings, files.all))
        return false;
    Pause(pause, 100);
    return true;
}

} // namespace kyvo
