#include "bundle_folder.h"

#include <vector>

#include "generate/bundle.h"
#include "generate/names.h"
#include "generate/paths.h"
#include "outputs.h"
#include "support/save_file.h"
#include "support/textstream.h"

namespace kyvo {

namespace {

// The characters a text file's bytes hold, its line ends read as LF.
std::string TextOf(const std::string& bytes) {
    std::string text;
    ifstream in;
    in.OpenMemory(bytes);
    char ch;
    while (in.get(ch))
        text += ch;
    return text;
}

// The bytes a text file of these characters holds: CR LF line ends.
std::string TextFileBytes(const std::string& text) {
    std::string bytes;
    ofstream out;
    out.OpenMemory(&bytes);
    out.write(text.data(), text.size());
    return bytes;
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
bool CheckCogFile(const std::string& path, const std::string& bytes, int k, std::string& error) {
    ifstream in;
    in.OpenMemory(bytes);
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

bool CheckStringsFile(const std::string& path, const std::string& bytes, std::string& error) {
    ifstream in;
    in.OpenMemory(bytes);
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

bool PackBundle(const std::string& folder, const std::string& file, Outputs& outputs, std::size_t& written,
                std::string& error) {
    std::string text, bytes;
    for (int k = 0; k <= kCogCount; k++) {
        std::string path = JoinFolder(folder, k < kCogCount ? CogFileName(k) : kStringsFileName);
        if (!ReadWholeFile(path, bytes, error))
            return false;
        bool sound = k < kCogCount ? CheckCogFile(path, bytes, k, error) : CheckStringsFile(path, bytes, error);
        if (!sound)
            return false;
        text += TextOf(bytes);
    }
    std::string encoded = EncodeBundleBytes(text);
    written = encoded.size();
    return outputs.WriteFile(file, encoded, error);
}

bool UnpackBundle(const std::string& file, const std::string& folder, Outputs& outputs, std::size_t& written,
                  std::string& error) {
    std::string decoded, problem;
    if (!DecodeFile(file, decoded, error))
        return false;
    // The whole bundle is read before anything is written.
    std::vector<std::string> texts;
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
        texts.push_back(tape);
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
    texts.push_back(tape);

    if (!outputs.UseFolder(folder, error))
        return false;
    written = 0;
    for (int k = 0; k <= kCogCount; k++) {
        std::string bytes = TextFileBytes(texts[k]);
        written += bytes.size();
        if (!outputs.WriteFile(JoinFolder(folder, k < kCogCount ? CogFileName(k) : kStringsFileName), bytes, error))
            return false;
    }
    return true;
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
