// The stand-in Container Manager's handling of names, apart from its
// windows so that it can be tested on its own.
#ifndef KYVO_CONMAN_CONMAN_FILES_H
#define KYVO_CONMAN_CONMAN_FILES_H

#include <string>
#include <vector>

namespace conman {

// The backup of the container at path: its file name's extension replaced
// by ".~go", or ".~go" added when the file name has none. A dot in a folder
// name is not an extension.
std::string BackupPathFor(const std::string& path);

// The paths of a list such as "C:\a b\x.cog" "C:\y.dat": quoted or not,
// separated by spaces.
std::vector<std::string> ParseFileList(const std::string& list);

} // namespace conman

#endif
