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

#include <string>

namespace kyvo {

// Each returns false with the reason, for standard error, in error.
bool PackBundle(const std::string& folder, const std::string& file, std::string& error);
bool UnpackBundle(const std::string& file, const std::string& folder, std::string& error);
bool CheckBundleFile(const std::string& file, std::string& error);

// The file of cog k in a bundle folder.
std::string CogFileName(int k);

} // namespace kyvo

#endif
