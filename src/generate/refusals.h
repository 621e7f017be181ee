// The checks a run makes before it touches anything, in their order, with
// the texts the user sees.
#ifndef KYVO_GENERATE_REFUSALS_H
#define KYVO_GENERATE_REFUSALS_H

namespace kyvo {

const int kPasswordLimit = 30;
const char* const kContainerPrefix = "Tmk_Kyvo_";

// The password as the run reads it: at most 30 characters and a terminator.
extern char grabber[kPasswordLimit + 1];

// Fills grabber from field (the password field's whole text) and returns the
// message that refuses the run, or nullptr: the container for the password
// as read already exists; the field is empty; it holds more than 30
// characters; bundleName is missing; the password holds a character that a
// file name cannot hold.
const char* RefuseRun(const char* field, const char* bundleName);

// The container's file name for the password in grabber, with extension.
void ContainerName(char* out, int size, const char* extension);

} // namespace kyvo

#endif
