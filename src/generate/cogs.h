// Writes one generated cog: the section's header as read, then its message
// blocks in an order drawn from the run's random generator, each followed by
// a decoy statement, then "end".
#ifndef KYVO_GENERATE_COGS_H
#define KYVO_GENERATE_COGS_H

#include "support/textstream.h"

namespace kyvo {

// Reads cog section id from all and writes it to the scratch folder as the
// name in cog with ".cog" appended; the slot keeps that file name. unique is
// not read. False, with the reason in GenerateError(), on a broken bundle or
// a file that cannot be written completely.
bool CreateCogs(int id, char* cog, ofstream& dafile, ifstream& all, int unique);

} // namespace kyvo

#endif
