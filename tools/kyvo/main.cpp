// kyvo: the command-line side of Tormesk Kyvo.
#include <cstdio>

#include "commands.h"
#include "kyvo_version.h"

namespace kyvo {

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "kyvo: %s\n", message.c_str());
    return status;
}

int UsageError(const char* help, const std::string& message) {
    std::fputs(help, stderr);
    return Fail(kExitUsage, message);
}

bool WantsHelp(const Words& words) {
    for (const std::string& word : words)
        if (word == "--help" || word == "-h")
            return true;
    return false;
}

} // namespace kyvo

namespace {

const char* const kUsage =
    "usage: kyvo COMMAND ...\n"
    "\n"
    "  bundle pack DIR -o FILE     pack a template folder into an encoded bundle\n"
    "  bundle unpack FILE -o DIR   unpack an encoded bundle into a template folder\n"
    "  bundle check FILE           report the first problem of a bundle\n"
    "  generate PASSWORD [--dir DIR] [--bundle FILE]\n"
    "                              make Tmk_Kyvo_PASSWORD.gob as the Windows tool does\n"
    "  gob list FILE               list the entries of a container\n"
    "  gob extract FILE -o DIR     write the entries of a container into DIR\n"
    "  verify PASSWORD FILE [--bundle FILE]\n"
    "                              check that a container is the one PASSWORD makes\n"
    "\n"
    "Run 'kyvo COMMAND --help' for more.\n";

} // namespace

int main(int argc, char** argv) {
    kyvo::Words words(argv + 1, argv + argc);
    if (words.empty())
        return std::fputs(kUsage, stderr), kyvo::kExitUsage;
    std::string command = words[0];
    words.erase(words.begin());
    if (command == "--help" || command == "-h")
        return std::fputs(kUsage, stdout), 0;
    if (command == "--version")
        return std::printf("kyvo %s\n", KYVO_VERSION), 0;
    if (command == "bundle")
        return kyvo::BundleCommand(words);
    if (command == "generate")
        return kyvo::GenerateCommand(words);
    if (command == "gob")
        return kyvo::GobCommand(words);
    if (command == "verify")
        return kyvo::VerifyCommand(words);
    return kyvo::UsageError(kUsage, "unknown command '" + command + "'");
}
