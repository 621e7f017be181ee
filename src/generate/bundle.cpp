#include "generate/bundle.h"

#include "generate/generate_error.h"
#include "generate/names.h"
#include "generate/output_file.h"

namespace kyvo {

bool DecodeBundle(const char* infoName, const char* tempName) {
    ifstream coginfo(infoName);
    if (!coginfo.is_open()) {
        SetGenerateError("%s was found but cannot be read. Check that it is a file you may read.", infoName);
        return false;
    }
    ofstream decode;
    if (!OpenOutput(decode, tempName))
        return false;
    int track = 0;
    char scan = 0;
    for (;;) {
        if (track >= 2)
            decode.put(static_cast<char>(static_cast<unsigned char>(scan) - 2));
        coginfo.get(scan);
        track++;
        if (!coginfo) // the end of the file, or a read error, which counts as one
            break;
    }
    coginfo.close();
    return CloseOutput(decode, tempName);
}

bool EncodeBundle(const char* path, const std::string& text) {
    ofstream out;
    if (!OpenOutput(out, path))
        return false;
    out.put('K'); // never decoded
    for (char ch : text)
        out.put(static_cast<char>(static_cast<unsigned char>(ch) + 2));
    return CloseOutput(out, path);
}

namespace {

bool BrokenSection(int index, int line, const char* what) {
    SetGenerateError("The template bundle is broken: cog section %d (%s), line %d: %s", index,
                     index >= 0 && index < kCogCount ? kCogTable[index] : "?", line, what);
    return false;
}

} // namespace

bool ReadCogSection(ifstream& all, int index, CogSection& section) {
    apstring read;
    char single = 0;
    int go = 0;
    int go2 = 1;
    while (go2 == 1) {
        if (go == 0) {
            getline(all, read);
            if (!all && read != "code")
                return BrokenSection(index, all.line(), "the bundle ends before the section's \"code\" line.");
            section.header.push_back(read);
            if (read == "code")
                go = 1;
        }
        if (go != 0) {
            all >> read;
            if (read == "$") {
                int line = all.line();
                while (all.get(single) && (single == '\n' || single == ' ')) {
                }
                if (!all)
                    return BrokenSection(index, line, "the bundle ends right after a \"$\".");
                all.putback(single);
                // The message list holds 15; a 16th block is a broken bundle,
                // not a reason to stop the program.
                if (section.counter == kMaxMessages)
                    return BrokenSection(index, line, "a 16th message block; a section holds at most 15.");
                getline(all, read);
                section.Messages[section.counter] = read;
                section.counter++;
            } else if (read == kTerminator) {
                go2 = 0;
            } else if (!all) {
                return BrokenSection(index, all.line(), "the bundle ends before the section's terminator.");
            }
        }
    }
    return true;
}

bool CopyStringsSection(ifstream& all, ofstream& out) {
    apstring read;
    int check = 0;
    do {
        if (check != 0)
            out << read << endl;
        getline(all, read);
        check = 1;
        if (!all && read != kTerminator) {
            SetGenerateError("The template bundle is broken: the strings section, line %d: the bundle ends "
                             "before the strings terminator line.",
                             all.line());
            return false;
        }
    } while (read != kTerminator);
    return true;
}

bool CheckBundle(ifstream& all) {
    for (int k = 0; k < kCogCount; k++) {
        CogSection section;
        if (!ReadCogSection(all, k, section))
            return false;
    }
    ofstream discard; // not open: the lines are dropped
    return CopyStringsSection(all, discard);
}

} // namespace kyvo
