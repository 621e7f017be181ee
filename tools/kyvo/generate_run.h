// A whole generation run without windows: the same refusals and generators
// as the Windows tool, in memory, with the container written directly.
#ifndef KYVO_TOOLS_GENERATE_RUN_H
#define KYVO_TOOLS_GENERATE_RUN_H

#include <string>

#include "gob/gob.h"

namespace kyvo {

// Makes the container for the password bytes in folder from the bundle
// (info.txt in folder when bundle is ""). Only the container is written,
// and never over one already there. On success container holds its path;
// on failure error holds the message and nothing is left behind.
bool GenerateContainer(const std::string& password, const std::string& folder, const std::string& bundle,
                       std::string& container, std::string& error);

// The entries the password makes from the bundle at bundlePath, in
// container order, without writing anything.
bool GenerateEntries(const std::string& password, const std::string& bundlePath, GobArchive& archive,
                     std::string& error);

} // namespace kyvo

#endif
