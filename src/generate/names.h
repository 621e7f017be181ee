// The names of the 57 cogs of a run: 46 fixed, the ten weapon cogs and
// gen_move numbered from the password.
#ifndef KYVO_GENERATE_NAMES_H
#define KYVO_GENERATE_NAMES_H

#include "support/apvector.h"

namespace kyvo {

const int kCogCount = 57;
const int kFirstNumberedSlot = 46;

// The cog of each slot, in bundle order.
extern const char* const kCogTable[kCogCount];

// The number of characters of the password plus the sum of their codes
// taken as signed 8-bit values; zero or negative for some passwords.
int SeedValue(const char* password);

// Fills the 57 name slots from the seed value unique and seeds the run's
// random generator. values and randcopy do not affect the names.
void RandomNames(apvector<int>& values, apvector<char[30]>& rand_values, int unique, apvector<int>& randcopy);

} // namespace kyvo

#endif
