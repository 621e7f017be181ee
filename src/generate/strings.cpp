#include "generate/strings.h"

#include <string>

#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/output_file.h"
#include "generate/paths.h"

namespace kyvo {

bool JKStringsUni(ofstream& jkstrings, ifstream& all) {
    if (!OpenInScratchFolder(jkstrings, "jkstrings.uni"))
        return false;
    std::string problem;
    if (!CopyStringsSection(all, jkstrings, problem)) {
        SetGenerateError("%s%s", kBrokenBundle, problem.c_str());
        return false;
    }
    return CloseOutput(jkstrings, "jkstrings.uni");
}

} // namespace kyvo
