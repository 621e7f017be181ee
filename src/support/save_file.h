// Saving a file so that no reader ever sees half of it: the bytes go to a
// file of this process's own beside the target, reach the disk, and are
// then moved to the target in one step.
#ifndef KYVO_SUPPORT_SAVE_FILE_H
#define KYVO_SUPPORT_SAVE_FILE_H

#include <cstdio>
#include <functional>
#include <string>

namespace kyvo {

enum class SaveMode { Replace, KeepExisting };
enum class SaveResult { Saved, Exists, Failed };

// write puts the bytes into the open file and returns false when it cannot.
// With KeepExisting a file already at path stays as it is: Exists. Failed:
// error holds "PATH: reason". Either way nothing of the save is left behind.
SaveResult SaveFile(const std::string& path, SaveMode mode, const std::function<bool(std::FILE*)>& write,
                    std::string& error);

// Reads the whole file at path; false with "PATH: reason" in error.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

} // namespace kyvo

#endif
