#include "generate/strings.h"

#include "generate/bundle.h"
#include "generate/output_file.h"
#include "generate/paths.h"

namespace kyvo {

bool JKStringsUni(ofstream& jkstrings, ifstream& all) {
    return OpenInScratchFolder(jkstrings, "jkstrings.uni") && CopyStringsSection(all, jkstrings) &&
           CloseOutput(jkstrings, directory);
}

} // namespace kyvo
