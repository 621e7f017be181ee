// The commands of the kyvo program. Each takes the words after its name and
// returns the exit status: 0 done, 1 a problem, 2 a usage error.
#ifndef KYVO_TOOLS_COMMANDS_H
#define KYVO_TOOLS_COMMANDS_H

#include <string>
#include <vector>

namespace kyvo {

using Words = std::vector<std::string>;

const int kExitProblem = 1;
const int kExitUsage = 2;

int BundleCommand(const Words& words);
int GenerateCommand(const Words& words);
int GobCommand(const Words& words);
int VerifyCommand(const Words& words);

// Prints "kyvo: " and the message on standard error; returns status.
int Fail(int status, const std::string& message);
// Prints the command's help and the message on standard error; returns 2.
int UsageError(const char* help, const std::string& message);
bool WantsHelp(const Words& words);

} // namespace kyvo

#endif
