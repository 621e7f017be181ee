// The system's own random generator. The C library's differs between hosts;
// this one gives every player the same names and the same order.
#ifndef KYVO_GENERATE_RANDOM_H
#define KYVO_GENERATE_RANDOM_H

namespace kyvo {

void srand(unsigned int seed);
// 0 to 32767: bits 16 to 30 of the next state.
int rand();

} // namespace kyvo

#endif
