// Opening and closing the files a run writes, with a clear reason when the
// host will not take them: a file that is not written whole is a failed run.
#ifndef KYVO_GENERATE_OUTPUT_FILE_H
#define KYVO_GENERATE_OUTPUT_FILE_H

#include "support/textstream.h"

namespace kyvo {

// Opens out on name in the scratch folder; its path stays in directory. A
// stream over memory needs no folder: it opens on the name alone.
bool OpenInScratchFolder(ofstream& out, const char* name);
// Opens out on path.
bool OpenOutput(ofstream& out, const char* path);
// Closes out, which was opened on the file name; false when any write failed.
bool CloseOutput(ofstream& out, const char* name);

} // namespace kyvo

#endif
