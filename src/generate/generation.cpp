#include "generate/generation.h"

#include "generate/cogs.h"
#include "generate/generate_error.h"
#include "generate/items.h"
#include "generate/names.h"
#include "generate/strings.h"
#include "support/textstream.h"

namespace kyvo {

namespace {

void Pause(void (*pause)(int ms), int ms) {
    if (pause)
        pause(ms);
}

} // namespace

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
