// The template bundle as a folder a maintainer can edit: one file per cog,
// named after the cog table, and jkstrings.uni.
//
// Each cog file holds its section from the first header line through the
// whole line of its terminator; jkstrings.uni holds the rest of the bundle,
// from the first strings line through the strings terminator line and
// anything after it. The bundle is the files in table order, one after the
// other: packing is concatenation, so nothing is lost either way.
#ifndef KYVO_TOOLS_BUNDLE_FOLDER_H
#define KYVO_TOOLS_BUNDLE_FOLDER_H

#include <cstddef>
#include <string>

namespace kyvo {

class Outputs;

// Each returns false with the reason, for standard error, in error. Pack and
// unpack write through outputs, which keeps a user's files; written is the
// number of bytes they wrote.
bool PackBundle(const std::string& folder, const std::string& file, Outputs& outputs, std::size_t& written,
                std::string& error);
bool UnpackBundle(const std::string& file, const std::string& folder, Outputs& outputs, std::size_t& written,
                  std::string& error);
bool CheckBundleFile(const std::string& file, std::string& error);

// The bundle folder holds one file per cog and this one.
const char* const kStringsFileName = "jkstrings.uni";

// The file of cog k in a bundle folder.
std::string CogFileName(int k);

} // namespace kyvo

#endif
