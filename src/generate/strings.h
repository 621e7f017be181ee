// Writes jkstrings.uni, the game's string file: a line-by-line copy of the
// bundle's strings section.
#ifndef KYVO_GENERATE_STRINGS_H
#define KYVO_GENERATE_STRINGS_H

#include "support/textstream.h"

namespace kyvo {

// all must stand right after the last cog section's terminator; it is left
// after the strings terminator line. False, with the reason in
// GenerateError(), on a broken bundle or a file that cannot be written.
bool JKStringsUni(ofstream& jkstrings, ifstream& all);

} // namespace kyvo

#endif
