#include "generate/output_file.h"

#include "generate/generate_error.h"
#include "generate/paths.h"

namespace kyvo {

bool OpenInScratchFolder(ofstream& out, const char* name) {
    if (out.in_memory())
        return OpenOutput(out, name);
    return PathInScratchFolder(name) && OpenOutput(out, directory);
}

bool OpenOutput(ofstream& out, const char* path) {
    out.open(path);
    if (out.is_open())
        return true;
    SetGenerateError("Cannot create %s. Check that the folder exists and is writable.", path);
    return false;
}

bool CloseOutput(ofstream& out, const char* name) {
    out.close();
    if (!out.fail())
        return true;
    SetGenerateError("Writing %s failed. Check that the disk has room.", name);
    return false;
}

} // namespace kyvo
