// kyvo gob list | extract | create
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "commands.h"
#include "generate/paths.h"
#include "gob/gob.h"
#include "outputs.h"
#include "support/platform.h"
#include "support/save_file.h"

namespace kyvo {

namespace {

// An entry name as the parts of a relative path; false for one that would
// leave the folder or that no file system takes.
bool EntryParts(const std::string& name, std::vector<std::string>& parts) {
    parts.clear();
    std::string part;
    for (std::size_t i = 0; i <= name.size(); i++) {
        if (i == name.size() || name[i] == '\\' || name[i] == '/') {
            if (part.empty() || part == "." || part == ".." || part.find(':') != std::string::npos)
                return false;
            parts.push_back(part);
            part.clear();
        } else {
            part += name[i];
        }
    }
    return true;
}

std::string Lower(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

unsigned long long TotalBytes(const GobArchive& archive) {
    unsigned long long total = 0;
    for (const GobEntry& entry : archive.entries)
        total += entry.data.size();
    return total;
}

void Summary(bool quiet, std::size_t count, const char* what, unsigned long long bytes, const std::string& where) {
    if (!quiet)
        std::printf("%zu %s, %s bytes into %s\n", count, what, GroupDigits(bytes).c_str(), where.c_str());
}

// Every file below folder, as entry names with backslashes, in byte order.
bool CollectFiles(const std::string& folder, const std::string& prefix, const std::string& skip,
                  std::vector<std::string>& names, std::string& error) {
    std::vector<std::string> entries;
    std::vector<bool> folders;
    if (!ListFolder(folder.c_str(), entries, folders)) {
        error = folder + ": cannot be read (" + LastErrorText() + ")";
        return false;
    }
    for (std::size_t i = 0; i < entries.size(); i++) {
        std::string path = JoinFolder(folder, entries[i]);
        if (folders[i]) {
            if (!CollectFiles(path, prefix + entries[i] + "\\", skip, names, error))
                return false;
        } else if (path != skip) {
            names.push_back(prefix + entries[i]);
        }
    }
    return true;
}

std::string PathOfEntry(const std::string& folder, const std::string& name) {
    std::string path = folder;
    std::vector<std::string> parts;
    EntryParts(name, parts);
    for (const std::string& part : parts)
        path = JoinFolder(path, part);
    return path;
}

} // namespace

int GobList(const std::string& file, bool tsv) {
    GobArchive archive;
    std::string error;
    if (!ReadGob(file, archive, error))
        return Fail(kExitProblem, error);
    if (!tsv)
        std::printf("%12s  %s\n", "bytes", "entry");
    for (const GobEntry& entry : archive.entries) {
        if (tsv)
            std::printf("%zu\t%s\n", entry.data.size(), entry.name.c_str());
        else
            std::printf("%12s  %s\n", GroupDigits(entry.data.size()).c_str(), entry.name.c_str());
    }
    if (!tsv)
        std::printf("%zu entries, %s bytes\n", archive.entries.size(), GroupDigits(TotalBytes(archive)).c_str());
    return 0;
}

int GobExtract(const std::string& file, const std::string& folder, bool force, bool quiet) {
    GobArchive archive;
    std::string error;
    if (!ReadGob(file, archive, error))
        return Fail(kExitProblem, error);
    // Every name is checked before anything is written.
    std::vector<std::string> seen;
    for (const GobEntry& entry : archive.entries) {
        std::vector<std::string> parts;
        if (!EntryParts(entry.name, parts))
            return Fail(kExitProblem, file + ": entry " + entry.name + " would be written outside " + folder);
        std::string key = Lower(entry.name);
        std::replace(key.begin(), key.end(), '/', '\\');
        if (std::find(seen.begin(), seen.end(), key) != seen.end() && !force)
            return Fail(kExitProblem, file + ": holds " + entry.name +
                                          " twice; the second would replace the first. Give --force to let it");
        seen.push_back(key);
    }
    Outputs outputs(force);
    if (!outputs.UseFolder(folder, error))
        return Fail(kExitProblem, error);
    for (const GobEntry& entry : archive.entries) {
        std::string path = PathOfEntry(folder, entry.name);
        std::size_t slash = path.find_last_of(HostPathSeparator());
        if (!outputs.MakeFolders(path.substr(0, slash), error) || !outputs.WriteFile(path, entry.data, error))
            return Fail(kExitProblem, error);
    }
    outputs.Keep();
    Summary(quiet, archive.entries.size(), "entries", TotalBytes(archive), folder);
    return 0;
}

int GobCreate(const std::string& folder, const std::string& file, bool force, bool quiet) {
    std::string error;
    if (!PathExists(folder.c_str()))
        return Fail(kExitProblem, folder + ": cannot be read (" + LastErrorText() + ")");
    if (!IsFolder(folder.c_str()))
        return Fail(kExitProblem, folder + ": is a file, not a folder");
    std::vector<std::string> names;
    if (!CollectFiles(folder, "", file, names, error))
        return Fail(kExitProblem, error);
    std::sort(names.begin(), names.end());
    GobArchive archive;
    for (const std::string& name : names) {
        std::string bytes;
        if (!ReadWholeFile(PathOfEntry(folder, name), bytes, error))
            return Fail(kExitProblem, error);
        if (!AddGobEntry(archive, name, bytes, error))
            return Fail(kExitProblem, folder + ": " + error);
    }
    switch (SaveGob(file, archive, force ? SaveMode::Replace : SaveMode::KeepExisting, error)) {
    case SaveResult::Saved:
        break;
    case SaveResult::Exists:
        return Fail(kExitProblem, file + ": already exists; give --force to write over it");
    case SaveResult::Failed:
        return Fail(kExitProblem, error);
    }
    Summary(quiet, archive.entries.size(), "entries", TotalBytes(archive), file);
    return 0;
}

} // namespace kyvo
