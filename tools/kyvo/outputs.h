// What a kyvo command writes. A user's file is never replaced unless the
// command was given --force, and a command that fails takes back every file
// and folder it made, newest first.
#ifndef KYVO_TOOLS_OUTPUTS_H
#define KYVO_TOOLS_OUTPUTS_H

#include <string>
#include <vector>

namespace kyvo {

class Outputs {
public:
    explicit Outputs(bool force) : myForce(force) {}
    ~Outputs();
    Outputs(const Outputs&) = delete;
    Outputs& operator=(const Outputs&) = delete;

    // The folder to write into: made, with its missing parents, when it is
    // not there; one that holds anything is refused without force, naming
    // what is in it.
    bool UseFolder(const std::string& folder, std::string& error);
    // A folder inside the output folder, made when it is not there.
    bool MakeFolders(const std::string& folder, std::string& error);
    // Writes a whole file, in one step; one already there is refused
    // without force.
    bool WriteFile(const std::string& path, const std::string& bytes, std::string& error);
    // The command succeeded: what it made stays.
    void Keep() { myKeep = true; }

private:
    bool myForce;
    bool myKeep = false;
    std::vector<std::string> myFiles;
    std::vector<std::string> myFolders;
};

// "74,321"
std::string GroupDigits(unsigned long long number);

} // namespace kyvo

#endif
