// A whole generation run without windows: the same checks, scratch files and
// generators as the Windows tool, with the container written directly.
#ifndef KYVO_TOOLS_GENERATE_RUN_H
#define KYVO_TOOLS_GENERATE_RUN_H

#include <string>

namespace kyvo {

// Runs in the current directory with the password bytes and the bundle
// (info.txt unless another is named). On success container holds the
// container's path. On failure error holds the message and nothing of the
// run is left behind.
bool GenerateContainer(const std::string& password, const std::string& bundle, std::string& container,
                       std::string& error);

} // namespace kyvo

#endif
