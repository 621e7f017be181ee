// The generating part of a run: from the decoded bundle and the seed value,
// the 57 cogs, items.dat and jkstrings.uni, into files or into memory.
#ifndef KYVO_GENERATE_GENERATION_H
#define KYVO_GENERATE_GENERATION_H

#include <string>

#include "support/apvector.h"
#include "support/textstream.h"

namespace kyvo {

const char* const kTempName = "temp.dat";

// The files of a run, in the order the container lists them: the 57 cogs
// by their name slots, then items.dat and jkstrings.uni.
const int kRunFileCount = 59;
const char* RunFileName(apvector<char[30]>& rand_values, int k);

// The streams of one run's generators. all is opened by the caller on the
// decoded bundle; the outputs are handed to the generators unopened.
struct RunFiles {
    RunFiles();
    RunFiles(const RunFiles&) = delete;
    RunFiles& operator=(const RunFiles&) = delete;

    // From now on every output is written into memory[k] instead of the
    // scratch folder.
    void WriteInMemory();
    // The stream of file k, in container order.
    ofstream& Output(int k);
    // Closes every stream still open, as after a failure, so that what was
    // written can be removed.
    void CloseAll();

    apvector<char[30]> rand_values;
    ifstream all;
    apvector<ofstream> files;
    ofstream items;
    ofstream jkstrings;
    std::string memory[kRunFileCount];
};

// Names the cogs into files.rand_values, then writes every file in order
// from files.all, calling pause(ms) after each where the window's run paces
// itself (pause may be null). Stops at the first failure: false, with the
// reason in GenerateError(); what was written so far stays for the caller
// to remove.
bool GenerateFiles(int unique, RunFiles& files, void (*pause)(int ms));

} // namespace kyvo

#endif
