#include "generate/bundle.h"

#include <cstring>
#include <string>

#include "generate/generate_error.h"
#include "generate/generation.h"
#include "generate/names.h"
#include "generate/output_file.h"
#include "generate/refusals.h"

namespace kyvo {

void DecodeText(ifstream& coginfo, ofstream& decode) {
    char scan = 0;
    if (!coginfo.get(scan))
        return; // the first character is never decoded
    char chunk[4096];
    for (;;) {
        const char* run;
        if (std::size_t count = coginfo.LineRun(run)) {
            for (std::size_t done = 0; done < count;) {
                std::size_t piece = count - done < sizeof chunk ? count - done : sizeof chunk;
                for (std::size_t i = 0; i < piece; i++)
                    chunk[i] = static_cast<char>(static_cast<unsigned char>(run[done + i]) - 2);
                decode.write(chunk, piece);
                done += piece;
            }
            coginfo.Skip(count);
            continue;
        }
        if (!coginfo.get(scan)) // the end of the file, or a read error, which counts as one
            break;
        decode.put(static_cast<char>(static_cast<unsigned char>(scan) - 2));
    }
}

bool DecodeBundle(const char* infoName, const char* tempName) {
    ifstream coginfo(infoName);
    if (!coginfo.is_open()) {
        SetGenerateError("%s was found but cannot be read. Check that it is a file you may read.", infoName);
        return false;
    }
    ofstream decode;
    if (!OpenOutput(decode, tempName))
        return false;
    DecodeText(coginfo, decode);
    coginfo.close();
    return CloseOutput(decode, tempName);
}

std::string DecodeBundleBytes(const std::string& encoded) {
    std::string decoded;
    // Room for a CR before each LF of short lines, so the text grows in place.
    decoded.reserve(encoded.size() + encoded.size() / 16 + 64);
    ifstream coginfo;
    coginfo.OpenMemory(encoded);
    ofstream decode;
    decode.OpenMemory(&decoded);
    DecodeText(coginfo, decode);
    return decoded;
}

namespace {

void EncodeText(const std::string& text, ofstream& out) {
    out.put('K'); // never decoded
    for (char ch : text)
        out.put(static_cast<char>(static_cast<unsigned char>(ch) + 2));
}

} // namespace

bool EncodeBundle(const char* path, const std::string& text) {
    ofstream out;
    if (!OpenOutput(out, path))
        return false;
    EncodeText(text, out);
    return CloseOutput(out, path);
}

std::string EncodeBundleBytes(const std::string& text) {
    std::string encoded;
    ofstream out;
    out.OpenMemory(&encoded);
    EncodeText(text, out);
    return encoded;
}

namespace {

// The comparison of apstring, without a temporary string per line read.
bool Is(const apstring& read, const char* text) { return std::strcmp(read.c_str(), text) == 0; }

bool BrokenSection(std::string& problem, int index, int line, const char* what) {
    problem = "cog section " + std::to_string(index) + " (" +
              (index >= 0 && index < kCogCount ? kCogTable[index] : "?") + "), line " + std::to_string(line) +
              ": " + what;
    return false;
}

} // namespace

bool ReadCogSection(ifstream& all, int index, CogSection& section, std::string& problem) {
    apstring read;
    char single = 0;
    int go = 0;
    int go2 = 1;
    while (go2 == 1) {
        if (go == 0) {
            getline(all, read);
            if (!all && !Is(read, "code"))
                return BrokenSection(problem, index, all.line(), "the bundle ends before the section's \"code\" line.");
            section.header.push_back(read);
            if (Is(read, "code"))
                go = 1;
        }
        if (go != 0) {
            all >> read;
            if (Is(read, "$")) {
                int line = all.line();
                while (all.get(single) && (single == '\n' || single == ' ')) {
                }
                if (!all)
                    return BrokenSection(problem, index, line, "the bundle ends right after a \"$\".");
                all.putback(single);
                // The message list holds 15; a 16th block is a broken bundle,
                // not a reason to stop the program.
                if (section.counter == kMaxMessages)
                    return BrokenSection(problem, index, line, "a 16th message block; a section holds at most 15.");
                getline(all, read);
                section.Messages[section.counter] = read;
                section.counter++;
            } else if (Is(read, kTerminator)) {
                go2 = 0;
            } else if (!all) {
                return BrokenSection(problem, index, all.line(), "the bundle ends before the section's terminator.");
            }
        }
    }
    return true;
}

bool CopyStringsSection(ifstream& all, ofstream& out, std::string& problem) {
    apstring read;
    int check = 0;
    do {
        if (check != 0)
            out << read << endl;
        getline(all, read);
        check = 1;
        if (!all && !Is(read, kTerminator)) {
            problem = "the strings section, line " + std::to_string(all.line()) +
                      ": the bundle ends before the strings terminator line.";
            return false;
        }
    } while (!Is(read, kTerminator));
    return true;
}

bool CheckBundle(ifstream& all, std::string& problem) {
    for (int k = 0; k < kCogCount; k++) {
        CogSection section;
        if (!ReadCogSection(all, k, section, problem))
            return false;
    }
    ofstream discard; // not open: the lines are dropped
    return CopyStringsSection(all, discard, problem);
}

} // namespace kyvo
