// kyvo gob list FILE | kyvo gob extract FILE -o DIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "commands.h"
#include "gob/gob.h"

namespace fs = std::filesystem;

namespace kyvo {

namespace {

const char* const kGobHelp =
    "usage: kyvo gob list FILE\n"
    "       kyvo gob extract FILE -o DIR\n"
    "\n"
    "list     prints the size and name of each entry of container FILE\n"
    "extract  writes each entry into DIR, its folders included\n";


// An entry name as a relative path; false for one that would leave the folder.
bool EntryPath(const std::string& name, fs::path& path) {
    path.clear();
    std::string part;
    for (std::size_t i = 0; i <= name.size(); i++) {
        if (i == name.size() || name[i] == '\\' || name[i] == '/') {
            if (part.empty() || part == "." || part == ".." || part.find(':') != std::string::npos)
                return false;
            path /= part;
            part.clear();
        } else {
            part += name[i];
        }
    }
    return true;
}

int Extract(const GobArchive& archive, const std::string& folder) {
    for (const GobEntry& entry : archive.entries) {
        fs::path relative;
        if (!EntryPath(entry.name, relative))
            return Fail(kExitProblem, "entry '" + entry.name + "' would be written outside " + folder);
        fs::path target = fs::path(folder) / relative;
        std::error_code failed;
        fs::create_directories(target.parent_path(), failed);
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(entry.data.data(), static_cast<std::streamsize>(entry.data.size()));
        out.close();
        if (!out)
            return Fail(kExitProblem, target.string() + ": cannot be written");
    }
    return 0;
}

} // namespace

int GobCommand(const Words& words) {
    if (WantsHelp(words))
        return std::fputs(kGobHelp, stdout), 0;
    if (words.size() == 2 && words[0] == "list") {
        GobArchive archive;
        std::string error;
        if (!ReadGob(words[1], archive, error))
            return Fail(kExitProblem, error);
        for (const GobEntry& entry : archive.entries)
            std::printf("%10zu  %s\n", entry.data.size(), entry.name.c_str());
        return 0;
    }
    if (words.size() == 4 && words[0] == "extract" && words[2] == "-o") {
        GobArchive archive;
        std::string error;
        if (!ReadGob(words[1], archive, error))
            return Fail(kExitProblem, error);
        return Extract(archive, words[3]);
    }
    return UsageError(kGobHelp, "gob needs 'list FILE' or 'extract FILE -o DIR'");
}

} // namespace kyvo
