#include "outputs.h"

#include <algorithm>
#include <cstdio>

#include "support/platform.h"
#include "support/save_file.h"

namespace kyvo {

namespace {

const char kForce[] = "; give --force to write over it";

// The folder part of path, or "" when it has none.
std::string Parent(const std::string& path) {
    std::size_t slash = path.find_last_of(HostPathSeparator() == '\\' ? "\\/" : "/");
    if (slash == std::string::npos)
        return "";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

} // namespace

Outputs::~Outputs() {
    if (myKeep)
        return;
    for (auto file = myFiles.rbegin(); file != myFiles.rend(); ++file)
        RemoveFile(file->c_str());
    for (auto folder = myFolders.rbegin(); folder != myFolders.rend(); ++folder)
        RemoveEmptyFolder(folder->c_str());
}

bool Outputs::MakeFolders(const std::string& folder, std::string& error) {
    if (folder.empty() || IsFolder(folder.c_str()))
        return true;
    if (PathExists(folder.c_str())) {
        error = folder + ": is a file, not a folder";
        return false;
    }
    std::string parent = Parent(folder);
    if (!parent.empty() && parent != folder && !MakeFolders(parent, error))
        return false;
    std::string reason;
    if (!MakeFolder(folder.c_str(), reason)) {
        error = folder + ": cannot be created (" + reason + ")";
        return false;
    }
    myFolders.push_back(folder);
    return true;
}

bool Outputs::UseFolder(const std::string& folder, std::string& error) {
    if (!IsFolder(folder.c_str()))
        return MakeFolders(folder, error);
    std::vector<std::string> names;
    std::vector<bool> folders;
    if (!ListFolder(folder.c_str(), names, folders)) {
        error = folder + ": cannot be read (" + LastErrorText() + ")";
        return false;
    }
    if (!names.empty() && !myForce) {
        std::sort(names.begin(), names.end());
        error = folder + ": is not empty (it holds " + names[0] + (names.size() > 1 ? " and more" : "") + ")" +
                kForce;
        return false;
    }
    return true;
}

bool Outputs::WriteFile(const std::string& path, const std::string& bytes, std::string& error) {
    SaveMode mode = myForce ? SaveMode::Replace : SaveMode::KeepExisting;
    bool existed = PathExists(path.c_str());
    SaveResult saved = SaveFile(
        path, mode, [&](std::FILE* file) { return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(); },
        error);
    if (saved == SaveResult::Exists) {
        error = path + ": already exists" + kForce;
        return false;
    }
    if (saved != SaveResult::Saved)
        return false;
    if (!existed)
        myFiles.push_back(path);
    return true;
}

std::string GroupDigits(unsigned long long number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

} // namespace kyvo
