// The checks a run makes before it touches anything, in their order, with
// the texts the user sees.
#ifndef KYVO_GENERATE_REFUSALS_H
#define KYVO_GENERATE_REFUSALS_H

#include <string>

namespace kyvo {

const int kPasswordLimit = 30;
const char* const kContainerPrefix = "Tmk_Kyvo_";
const char* const kBundleName = "info.txt";
const char* const kExistsRefusal = "Kyvo with current password already exists!";

// The password as the run reads it: at most 30 characters and a terminator.
extern char grabber[kPasswordLimit + 1];

// The container's file name for the password bytes, with extension. The
// bytes are Windows-1252; on a POSIX host the name is their UTF-8 form.
std::string ContainerName(const char* password, const char* extension);

// Fills grabber from field (the password field's whole text) and refuses
// the run, with the message in refusal: the container for the password as
// read already exists in folder; the field is empty; it holds more than 30
// characters; the bundle is missing (bundle "" means info.txt in folder);
// the password holds a character that a file name cannot hold.
bool RefuseRun(const char* field, const std::string& folder, const std::string& bundle, std::string& refusal);

// The bundle a run reads: bundle, or info.txt in folder when bundle is "".
std::string BundlePath(const std::string& folder, const std::string& bundle);

} // namespace kyvo

#endif
