#include "bundle_folder.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "generate/bundle.h"
#include "generate/generate_error.h"
#include "generate/names.h"
#include "support/textstream.h"

namespace fs = std::filesystem;

namespace kyvo {

namespace {

const char* const kStringsFileName = "jkstrings.uni";

std::string Join(const std::string& folder, const std::string& name) { return (fs::path(folder) / name).string(); }

// The reader's problem without the words meant for the tool's users.
std::string Problem() {
    const char* prefix = "The template bundle is broken: ";
    const char* text = GenerateError();
    if (std::strncmp(text, prefix, std::strlen(prefix)) == 0)
        text += std::strlen(prefix);
    return text;
}

bool ReadText(const std::string& path, std::string& text, std::string& error) {
    ifstream in(path.c_str());
    if (!in.is_open()) {
        error = path + ": cannot be read";
        return false;
    }
    char ch;
    while (in.get(ch))
        text += ch;
    return true;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
    ofstream out(path.c_str());
    out.write(text.data(), text.size());
    out.close();
    if (out.fail()) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

// The decoded form of an encoded bundle, in a scratch file beside it.
class DecodedBundle {
public:
    explicit DecodedBundle(const std::string& encoded) : myEncoded(encoded), myPath(encoded + ".decoded.tmp") {}
    ~DecodedBundle() {
        std::error_code ignored;
        fs::remove(myPath, ignored);
    }
    // Decodes the bundle; false, with the reason in error, when it cannot.
    bool Decode(std::string& error) {
        if (!fs::exists(myEncoded))
            return error = myEncoded + ": no such file", false;
        if (!DecodeBundle(myEncoded.c_str(), myPath.c_str()))
            return error = GenerateError(), false;
        return true;
    }
    const std::string& path() const { return myPath; }

private:
    std::string myEncoded;
    std::string myPath;
};

// One cog file must be exactly one section and the rest of its terminator line.
bool CheckCogFile(const std::string& path, int k, std::string& error) {
    ifstream in(path.c_str());
    CogSection section;
    if (!ReadCogSection(in, k, section)) {
        error = path + ": " + Problem();
        return false;
    }
    apstring rest;
    getline(in, rest);
    char ch;
    if (in.get(ch)) {
        error = path + ", line " + std::to_string(in.line()) +
                ": text after the terminator line belongs to no section; move it into the section";
        return false;
    }
    return true;
}

bool CheckStringsFile(const std::string& path, std::string& error) {
    ifstream in(path.c_str());
    ofstream discard; // not open: the lines are dropped
    if (!CopyStringsSection(in, discard)) {
        error = path + ": " + Problem();
        return false;
    }
    return true;
}

} // namespace

std::string CogFileName(int k) { return std::string(kCogTable[k]) + ".cog"; }

bool PackBundle(const std::string& folder, const std::string& file, std::string& error) {
    std::string text;
    for (int k = 0; k < kCogCount; k++) {
        std::string path = Join(folder, CogFileName(k));
        if (!ReadText(path, text, error) || !CheckCogFile(path, k, error))
            return false;
    }
    std::string strings = Join(folder, kStringsFileName);
    if (!ReadText(strings, text, error) || !CheckStringsFile(strings, error))
        return false;
    // Written beside the target and renamed over it: never half a bundle.
    std::string temp = file + ".tmp";
    if (!EncodeBundle(temp.c_str(), text)) {
        error = GenerateError();
        return false;
    }
    std::error_code failed;
    fs::rename(temp, file, failed);
    if (failed) {
        error = file + ": cannot be written (" + failed.message() + ")";
        fs::remove(temp, failed);
        return false;
    }
    return true;
}

bool UnpackBundle(const std::string& file, const std::string& folder, std::string& error) {
    DecodedBundle decoded(file);
    if (!decoded.Decode(error))
        return false;
    std::error_code failed;
    fs::create_directories(folder, failed);
    ifstream all(decoded.path().c_str());
    std::string tape;
    all.record(&tape);
    for (int k = 0; k < kCogCount; k++) {
        tape.clear();
        CogSection section;
        if (!ReadCogSection(all, k, section)) {
            error = file + ": " + Problem();
            return false;
        }
        apstring rest;
        getline(all, rest);
        if (!WriteTextFile(Join(folder, CogFileName(k)), tape, error))
            return false;
    }
    tape.clear();
    ofstream discard; // not open: the lines are dropped
    if (!CopyStringsSection(all, discard)) {
        error = file + ": " + Problem();
        return false;
    }
    char ch;
    while (all.get(ch)) {
    }
    return WriteTextFile(Join(folder, kStringsFileName), tape, error);
}

bool CheckBundleFile(const std::string& file, std::string& error) {
    DecodedBundle decoded(file);
    if (!decoded.Decode(error))
        return false;
    ifstream all(decoded.path().c_str());
    if (!CheckBundle(all)) {
        error = file + ": " + Problem();
        return false;
    }
    return true;
}

} // namespace kyvo
