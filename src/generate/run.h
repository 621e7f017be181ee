// One generation run, the same for the window and the command line: the
// refusals, the bundle, the seed value, the 57 cogs, items.dat and
// jkstrings.uni, then a packing step that the front end supplies.
#ifndef KYVO_GENERATE_RUN_H
#define KYVO_GENERATE_RUN_H

#include <string>

#include "generate/generation.h"

namespace kyvo {

// What a front end does around the generators. Every step but CleanUp
// returns false with a message for the user in error.
class RunFrontEnd {
public:
    // After the refusals, before the bundle is read.
    virtual bool Prepare(RunFiles& files, std::string& error) = 0;
    // Opens files.all on the decoded form of the bundle at path.
    virtual bool OpenBundle(const std::string& path, RunFiles& files, std::string& error) = 0;
    // Puts the generated files into the container at path.
    virtual bool Pack(RunFiles& files, const std::string& path, std::string& error) = 0;
    // Called after Prepare, whatever happened, Prepare's own failure
    // included: removes what the run made except a container it packed.
    virtual void CleanUp(RunFiles& files, bool packed) = 0;

    // Called after each generated file; null for no pacing.
    void (*pause)(int ms) = nullptr;

protected:
    ~RunFrontEnd() = default;
};

// The run for the password field's text, with the container in folder and
// the bundle at bundle ("" for info.txt in folder). On success container
// holds the container's path. On failure error holds the message: a
// refusal, or the first failure of a step, which clean-up never replaces.
bool GenerationRun(const char* field, const std::string& folder, const std::string& bundle, RunFrontEnd& frontEnd,
                   std::string& container, std::string& error);

// The steps after the refusals, for a password already in grabber: used by
// GenerationRun, and by a check that regenerates a container it was given.
bool GenerateAndPack(const std::string& bundlePath, const std::string& container, RunFrontEnd& frontEnd,
                     std::string& error);

} // namespace kyvo

#endif
