#include "bundle_folder.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "generate/bundle.h"
#include "generate/names.h"
#include "support/save_file.h"
#include "support/textstream.h"

namespace fs = std::filesystem;

namespace kyvo {

namespace {

const char* const kStringsFileName = "jkstrings.uni";

std::string Join(const std::string& folder, const std::string& name) { return (fs::path(folder) / name).string(); }

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

// The decoded form of an encoded bundle, in memory: nothing is written
// beside the bundle, which may lie in a folder the user cannot write.
bool DecodeFile(const std::string& encoded, std::string& decoded, std::string& error) {
    std::string bytes;
    if (!ReadWholeFile(encoded, bytes, error))
        return false;
    decoded = DecodeBundleBytes(bytes);
    return true;
}

// One cog file must be exactly one section and the rest of its terminator line.
bool CheckCogFile(const std::string& path, int k, std::string& error) {
    ifstream in(path.c_str());
    CogSection section;
    std::string problem;
    if (!ReadCogSection(in, k, section, problem)) {
        error = path + ": " + problem;
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
    std::string problem;
    if (!CopyStringsSection(in, discard, problem)) {
        error = path + ": " + problem;
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
    std::string encoded = EncodeBundleBytes(text);
    SaveResult saved = SaveFile(
        file, SaveMode::Replace,
        [&](std::FILE* out) { return std::fwrite(encoded.data(), 1, encoded.size(), out) == encoded.size(); }, error);
    return saved == SaveResult::Saved;
}

bool UnpackBundle(const std::string& file, const std::string& folder, std::string& error) {
    std::string decoded, problem;
    if (!DecodeFile(file, decoded, error))
        return false;
    std::error_code failed;
    fs::create_directories(folder, failed);
    ifstream all;
    all.OpenMemory(decoded);
    std::string tape;
    all.record(&tape);
    for (int k = 0; k < kCogCount; k++) {
        tape.clear();
        CogSection section;
        if (!ReadCogSection(all, k, section, problem)) {
            error = file + ": " + problem;
            return false;
        }
        apstring rest;
        getline(all, rest);
        if (!WriteTextFile(Join(folder, CogFileName(k)), tape, error))
            return false;
    }
    tape.clear();
    ofstream discard; // not open: the lines are dropped
    if (!CopyStringsSection(all, discard, problem)) {
        error = file + ": " + problem;
        return false;
    }
    char ch;
    while (all.get(ch)) {
    }
    return WriteTextFile(Join(folder, kStringsFileName), tape, error);
}

bool CheckBundleFile(const std::string& file, std::string& error) {
    std::string decoded, problem;
    if (!DecodeFile(file, decoded, error))
        return false;
    ifstream all;
    all.OpenMemory(decoded);
    if (!CheckBundle(all, problem)) {
        error = file + ": " + problem;
        return false;
    }
    return true;
}

} // namespace kyvo
