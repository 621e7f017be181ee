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

#include <string>

// Writes every character of coginfo after the first, each decreased by 2, to
// decode. Either stream may stand over a file or over memory.
void DecodeText(ifstream& coginfo, ofstream& decode);

// DecodeText from the file infoName to the file tempName. False, with the
// reason in GenerateError(), when infoName cannot be read or tempName cannot
// be written.
bool DecodeBundle(const char* infoName, const char* tempName);

// DecodeText from the bytes of an info.txt to the bytes a temp.dat would hold.
std::string DecodeBundleBytes(const std::string& encoded);

// Writes the encoded form of text to path: a first byte that is never
// decoded, then every character increased by 2. The inverse of DecodeBundle.
bool EncodeBundle(const char* path, const std::string& text);
// The bytes EncodeBundle writes.
std::string EncodeBundleBytes(const std::string& text);

// One cog section as read: the header lines up to and including "code", and
// the message texts in template order.
struct CogSection {
    std::vector<apstring> header;
    apvector<apstring> Messages{kMaxMessages, apstring("")};
    int counter = 0;
};

// What the readers call a bundle that cannot be read, before the problem.
const char* const kBrokenBundle = "The template bundle is broken: ";

// Reads cog section index from all, leaving all right after its terminator.
// A bundle that ends early or a 16th message block: false, with the section,
// the line and what is wrong in problem.
bool ReadCogSection(ifstream& all, int index, CogSection& section, std::string& problem);

// Copies the lines of the strings section from all to out, each with a line
// end, up to the terminator line, which is read and not copied. A stream out
// that is not open drops the lines. False, with the line in problem, when
// the bundle ends first.
bool CopyStringsSection(ifstream& all, ofstream& out, std::string& problem);

// Reads a whole decoded bundle as a run would: 57 cog sections, then the
// strings section. False, with the first problem in problem.
bool CheckBundle(ifstream& all, std::string& problem);

} // namespace kyvo

#endif
