// GOB containers, version 0x14. All integers are unsigned 32-bit little
// endian: "GOB ", the version, the offset of the directory; the directory
// holds the number of entries, then per entry the offset of its data, its
// length and its name in 128 bytes (NUL-terminated, NUL-padded, folders
// separated by backslashes).
#ifndef KYVO_GOB_GOB_H
#define KYVO_GOB_GOB_H

#include <cstdint>
#include <string>
#include <vector>

#include "support/save_file.h"

namespace kyvo {

const std::uint32_t kGobVersion = 0x14;
const std::size_t kGobNameSize = 128;

struct GobEntry {
    std::string name; // with its folder, such as cog\0.cog
    std::string data;
};

struct GobArchive {
    std::vector<GobEntry> entries;
};

// Each returns false with the reason, for the user, in error.

// Reads a container from its bytes. Any directory offset and any order of
// data are accepted; a header, directory or entry that does not fit inside
// the bytes is refused.
bool ParseGob(const std::string& bytes, GobArchive& archive, std::string& error);
bool ReadGob(const std::string& path, GobArchive& archive, std::string& error);

// The container's bytes: the directory right after the header, then the
// data in entry order, without gaps.
bool SerializeGob(const GobArchive& archive, std::string& bytes, std::string& error);
// Saves the container at path, replacing one already there. The bytes go to
// a file beside path first, so an interrupted save never leaves a damaged
// container.
bool WriteGob(const std::string& path, const GobArchive& archive, std::string& error);
// The same with the choice of keeping a container already at path. The data
// is written straight from the entries, without a second copy in memory.
SaveResult SaveGob(const std::string& path, const GobArchive& archive, SaveMode mode, std::string& error);

// The folder a file goes in, by its extension in any case: "cog\\",
// "misc\\", "ui\\" or "" (the root).
std::string GobFolderFor(const std::string& fileName);

// Adds an entry; refuses a name longer than 127 bytes or one already there.
bool AddGobEntry(GobArchive& archive, const std::string& name, const std::string& data, std::string& error);
// Compares two containers entry by entry, names with their folders, order
// and bytes: "" when they are the same, else what differs first, such as
// "entry cog\\x.cog is missing".
std::string FirstDifference(const GobArchive& expected, const GobArchive& actual);

// Adds the file at path under its folder and its own name.
bool AddGobFile(GobArchive& archive, const std::string& path, std::string& error);

} // namespace kyvo

#endif
