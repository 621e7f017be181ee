// The generating part of a run: from the decoded bundle temp.dat and the
// seed value, the 57 cogs, items.dat and jkstrings.uni in the scratch folder.
#ifndef KYVO_GENERATE_GENERATION_H
#define KYVO_GENERATE_GENERATION_H

#include "support/apvector.h"

namespace kyvo {

const char* const kTempName = "temp.dat";

// Names the cogs into rand_values (57 slots), then writes every file in
// order, calling pause(ms) after each where the run paces itself (pause may
// be null). Stops at the first failure: false, with the reason in
// GenerateError(); what was written so far stays for the caller to remove.
bool GenerateFiles(int unique, apvector<char[30]>& rand_values, void (*pause)(int ms));

} // namespace kyvo

#endif
