// kyvo bundle pack | unpack | check
#include <cstdio>

#include "bundle_folder.h"
#include "commands.h"

namespace kyvo {

namespace {

const char* const kBundleHelp =
    "usage: kyvo bundle pack DIR -o FILE\n"
    "       kyvo bundle unpack FILE -o DIR\n"
    "       kyvo bundle check FILE\n"
    "\n"
    "pack    reads DIR/item_bacta.cog ... DIR/gen_move.cog (one file per cog, in\n"
    "        the order of the cog table) and DIR/jkstrings.uni, checks each, and\n"
    "        writes the encoded bundle FILE (info.txt for the tool).\n"
    "unpack  writes the files of bundle FILE into DIR; pack gives them back.\n"
    "check   reads bundle FILE as a generation run would and reports the first\n"
    "        problem: section, cog, line and what is wrong. Exit status 0 when\n"
    "        the bundle is sound, 1 when it is not.\n";

// Splits "IN -o OUT" in any order; false on anything else.
bool InputAndOutput(const Words& words, std::string& in, std::string& out) {
    for (size_t i = 0; i < words.size(); i++) {
        if (words[i] == "-o" && i + 1 < words.size() && out.empty())
            out = words[++i];
        else if (in.empty() && words[i] != "-o")
            in = words[i];
        else
            return false;
    }
    return !in.empty() && !out.empty();
}


} // namespace

int BundleCommand(const Words& words) {
    if (WantsHelp(words))
        return std::fputs(kBundleHelp, stdout), 0;
    if (words.empty())
        return UsageError(kBundleHelp, "bundle needs pack, unpack or check");
    Words rest(words.begin() + 1, words.end());
    std::string in, out, error;
    if (words[0] == "pack" || words[0] == "unpack") {
        if (!InputAndOutput(rest, in, out))
            return UsageError(kBundleHelp, "bundle " + words[0] + " needs an input and -o OUTPUT");
        bool ok = words[0] == "pack" ? PackBundle(in, out, error) : UnpackBundle(in, out, error);
        return ok ? 0 : Fail(kExitProblem, error);
    }
    if (words[0] == "check") {
        if (rest.size() != 1)
            return UsageError(kBundleHelp, "bundle check needs one FILE");
        if (!CheckBundleFile(rest[0], error))
            return Fail(kExitProblem, error);
        std::printf("%s: sound\n", rest[0].c_str());
        return 0;
    }
    return UsageError(kBundleHelp, "unknown bundle command '" + words[0] + "'");
}

} // namespace kyvo
