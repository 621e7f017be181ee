// The commands of the kyvo program, with their operands and options already
// parsed. Each returns the exit status: 0 done, 1 a problem, 2 a usage error.
#ifndef KYVO_TOOLS_COMMANDS_H
#define KYVO_TOOLS_COMMANDS_H

#include <string>

namespace kyvo {

const int kExitProblem = 1;
const int kExitUsage = 2;

int GenerateCommand(const std::string& password, const std::string& folder, const std::string& bundle);
int VerifyCommand(const std::string& password, const std::string& file, const std::string& bundle);

int GobList(const std::string& file, bool tsv);
int GobExtract(const std::string& file, const std::string& folder, bool force, bool quiet);
int GobCreate(const std::string& folder, const std::string& file, bool force, bool quiet);

int BundlePack(const std::string& folder, const std::string& file, bool force, bool quiet);
int BundleUnpack(const std::string& file, const std::string& folder, bool force, bool quiet);
int BundleCheck(const std::string& file);

// Prints "kyvo: " and the message on standard error; returns status.
int Fail(int status, const std::string& message);

} // namespace kyvo

#endif
