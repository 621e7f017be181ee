// The template bundle: info.txt, decoded into temp.dat, then read section by
// section. It has no index: each reader starts where the previous one stopped.
#ifndef KYVO_GENERATE_BUNDLE_H
#define KYVO_GENERATE_BUNDLE_H

#include <vector>

#include "support/apstring.h"
#include "support/apvector.h"
#include "support/textstream.h"

namespace kyvo {

// Ends every cog section (as a word) and the strings section (as a line).
const char* const kTerminator = "@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@";
const int kMaxMessages = 15;

// Writes every character of infoName after the first, each decreased by 2,
// to tempName. False, with the reason in GenerateError(), when infoName
// cannot be read or tempName cannot be written.
bool DecodeBundle(const char* infoName, const char* tempName);

// Writes the encoded form of text to path: a first byte that is never
// decoded, then every character increased by 2. The inverse of DecodeBundle.
bool EncodeBundle(const char* path, const std::string& text);

// One cog section as read: the header lines up to and including "code", and
// the message texts in template order.
struct CogSection {
    std::vector<apstring> header;
    apvector<apstring> Messages{kMaxMessages, apstring("")};
    int counter = 0;
};

// Reads cog section index from all, leaving all right after its terminator.
// A bundle that ends early or a 16th message block: false, with the section,
// the line and what is wrong in GenerateError().
bool ReadCogSection(ifstream& all, int index, CogSection& section);

// Copies the lines of the strings section from all to out, each with a line
// end, up to the terminator line, which is read and not copied. A stream out
// that is not open drops the lines. False when the bundle ends first.
bool CopyStringsSection(ifstream& all, ofstream& out);

// Reads a whole decoded bundle as a run would: 57 cog sections, then the
// strings section. False, with the first problem in GenerateError().
bool CheckBundle(ifstream& all);

} // namespace kyvo

#endif
