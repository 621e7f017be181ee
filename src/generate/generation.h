// The generating part of a run: from the decoded bundle temp.dat and the
// seed value, the 57 cogs, items.dat and jkstrings.uni in the scratch folder.
#ifndef KYVO_GENERATE_GENERATION_H
#define KYVO_GENERATE_GENERATION_H

#include "support/apvector.h"

namespace kyvo {

const char* const kTempName = "temp.dat";

// The files of a run, in the order the container lists them: the 57 cogs
// by their name slots, then items.dat and jkstrings.uni.
const int kRunFileCount = 59;
const char* RunFileName(apvector<char[30]>& rand_values, int k);

// Names the cogs into rand_values (57 slots), then writes every file in
// order, calling pause(ms) after each where the run paces itself (pause may
// be null). Stops at the first failure: false, with the reason in
// GenerateError(); what was written so far stays for the caller to remove.
bool GenerateFiles(int unique, apvector<char[30]>& rand_values, void (*pause)(int ms));

// Deletes the run's files from the scratch folder, then the folder itself
// when it is empty; pause(50) follows each deletion when pause is given. A
// name slot names a file only once it ends in ".cog".
void RemoveScratchFiles(apvector<char[30]>& rand_values, void (*pause)(int ms));

} // namespace kyvo

#endif
