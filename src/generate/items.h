// Writes items.dat, the item definitions, whose weapon entries name the
// weapon cogs by their numbered file names.
#ifndef KYVO_GENERATE_ITEMS_H
#define KYVO_GENERATE_ITEMS_H

#include "support/apvector.h"
#include "support/textstream.h"

namespace kyvo {

// Every slot of rand_values must already hold its cog's file name. False,
// with the reason in GenerateError(), when the file cannot be written.
bool ItemsDat(ofstream& items, apvector<char[30]>& rand_values);

} // namespace kyvo

#endif
