// kyvo: the command-line side of Tormesk Kyvo. The commands and their
// options are declared here, once; CLI11 parses them the way GNU tools do:
// options before or after operands, "--opt value" or "--opt=value", and
// "--" before an operand that starts with a dash.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "commands.h"
#include "kyvo_version.h"

namespace kyvo {

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "kyvo: %s\n", message.c_str());
    return status;
}

} // namespace kyvo

namespace {

// What the user typed, for every command.
struct Arguments {
    std::string password, folder = ".", bundle, file, output;
    bool force = false, quiet = false, tsv = false;
    std::vector<std::string> helpFor;
};

const char kVerifyNote[] =
    "Passwords whose seed values leave the same remainder make the same entries,\n"
    "so verify accepts any of them for the same container.";

CLI::App* AddWriter(CLI::App* parent, const char* name, const char* what, const char* in, const char* out,
                    Arguments& a) {
    CLI::App* command = parent->add_subcommand(name, what);
    command->add_option(in, a.file, "what to read")->required();
    command->add_option("-o,--output", a.output, out)->required();
    command->add_flag("--force", a.force, "write over files already there");
    command->add_flag("-q,--quiet", a.quiet, "print nothing on success");
    return command;
}

void Declare(CLI::App& app, Arguments& a) {
    app.set_version_flag("--version", std::string("kyvo ") + KYVO_VERSION);
    app.require_subcommand(1);
    app.footer("Run 'kyvo help COMMAND' or 'kyvo COMMAND --help' for a command's options.");

    CLI::App* generate = app.add_subcommand(
        "generate", "make Tmk_Kyvo_PASSWORD.gob as the Windows tool does, and print its path");
    generate->add_option("PASSWORD", a.password, "1 to 30 characters of Windows-1252")->required();
    generate->add_option("--dir", a.folder, "the folder of the container and of info.txt (default: here)");
    generate->add_option("--bundle", a.bundle, "the template bundle to read instead of DIR/info.txt");
    generate->footer("Only the container is written, and never over a file already there.");

    CLI::App* verify =
        app.add_subcommand("verify", "check that container FILE is the one PASSWORD makes, entry by entry");
    verify->add_option("PASSWORD", a.password, "the password")->required();
    verify->add_option("FILE", a.file, "the container")->required();
    verify->add_option("--bundle", a.bundle, "the template bundle (default: info.txt here)");
    verify->footer(kVerifyNote);

    CLI::App* gob = app.add_subcommand("gob", "look into, unpack and make GOB containers");
    gob->require_subcommand(1);
    CLI::App* list = gob->add_subcommand("list", "print the size and name of each entry, and the total");
    list->add_option("FILE", a.file, "the container")->required();
    list->add_flag("--tsv", a.tsv, "print size TAB name lines only, for scripts");
    AddWriter(gob, "extract", "write each entry of container FILE into DIR, its folders included", "FILE",
              "the folder to write into; it must be empty or new", a);
    AddWriter(gob, "create",
              "pack every file below DIR into container FILE, a file in a subfolder as sub\\name, in byte order "
              "of those names",
              "DIR", "the container to write", a);

    CLI::App* bundle = app.add_subcommand("bundle", "pack, unpack and check template bundles (info.txt)");
    bundle->require_subcommand(1);
    AddWriter(bundle, "pack", "pack the template folder DIR into the encoded bundle FILE", "DIR",
              "the bundle to write", a);
    AddWriter(bundle, "unpack", "write each cog of bundle FILE, and jkstrings.uni, into DIR", "FILE",
              "the folder to write into; it must be empty or new", a);
    CLI::App* check = bundle->add_subcommand("check", "read bundle FILE as a run would and report its first problem");
    check->add_option("FILE", a.file, "the bundle")->required();

    CLI::App* help = app.add_subcommand("help", "print the help of kyvo or of a command");
    help->add_option("COMMAND", a.helpFor, "a command, such as 'gob extract'");
}

// The command the user reached: kyvo itself, or a command such as "gob extract".
const CLI::App* Chosen(const CLI::App& app) {
    const CLI::App* at = &app;
    while (!at->get_subcommands().empty())
        at = at->get_subcommands().front();
    return at;
}

// Its words after "kyvo", as "gob extract", or "" for kyvo itself.
std::string CommandPath(const CLI::App* reached) {
    std::string path;
    for (const CLI::App* at = reached; at->get_parent(); at = at->get_parent())
        path = at->get_name() + (path.empty() ? "" : " ") + path;
    return path;
}

int CommandDepth(const CLI::App* reached) {
    int depth = 0;
    for (const CLI::App* at = reached; at->get_parent(); at = at->get_parent())
        depth++;
    return depth;
}

// A word that looks like an option and that the command reached does not
// take, before any "--"; "" when there is none.
std::string UnknownOption(const CLI::App& reached, int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        std::string word = argv[i];
        if (word == "--")
            return "";
        if (word.size() < 2 || word[0] != '-')
            continue;
        std::string name = word.substr(0, word.find('='));
        if (!reached.get_option_no_throw(name))
            return word;
    }
    return "";
}

// CLI11's reason, in the words of the other kyvo messages where they differ.
std::string Reason(const CLI::ParseError& error, const CLI::App& reached, int argc, char** argv) {
    std::string what = error.what();
    std::smatch match;
    // CLI11 reports a missing operand before a stray option; the option is
    // the mistake to show.
    std::string unknown = UnknownOption(reached, argc, argv);
    bool missing = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr;
    bool extra = dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr;
    if (!unknown.empty() && (missing || extra))
        return "unexpected '" + unknown + "'";
    if (std::regex_match(what, match, std::regex("(-[^:]*): [0-9]+ required .* missing")))
        return "option '" + match[1].str() + "' needs a value";
    if (std::regex_match(what, match, std::regex("The following arguments? (was|were) not expected: (.*)"))) {
        // Of several, the one typed first.
        std::string listed = " " + match[2].str() + " ";
        for (int i = 1; i < argc; i++)
            if (listed.find(std::string(" ") + argv[i] + " ") != std::string::npos)
                return std::string("unexpected '") + argv[i] + "'";
        return "unexpected '" + match[2].str() + "'";
    }
    if (what == "A subcommand is required") {
        // The word after the command reached, if any, names no command.
        int next = CommandDepth(&reached) + 1;
        if (next < argc && argv[next][0] != '-')
            return std::string("unknown command '") + argv[next] + "'";
        return "a command is needed";
    }
    if (std::regex_match(what, match, std::regex("(-.*) is required")))
        return "option '" + match[1].str() + "' is needed";
    if (std::regex_match(what, match, std::regex("(.*) is required")))
        return match[1].str() + " is needed";
    return what;
}

int Help(CLI::App& app, const std::vector<std::string>& words) {
    CLI::App* at = &app;
    std::string before; // the commands above the one asked for
    for (const std::string& word : words) {
        CLI::App* next = nullptr;
        for (CLI::App* sub : at->get_subcommands([](CLI::App*) { return true; }))
            if (sub->get_name() == word)
                next = sub;
        if (!next) {
            kyvo::Fail(kyvo::kExitUsage, "unknown command '" + word + "'");
            std::fputs("Try 'kyvo --help'.\n", stderr);
            return kyvo::kExitUsage;
        }
        before += (before.empty() ? "" : " ") + at->get_name();
        at = next;
    }
    // Straight from the formatter: App::help would show the help command's own.
    std::string name = before.empty() ? at->get_name() : before + " " + at->get_name();
    std::fputs(at->get_formatter()->make_help(at, name, CLI::AppFormatMode::Normal).c_str(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"kyvo: Tormesk Kyvo on the command line.", "kyvo"};
    Arguments a;
    Declare(app, a);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout); // the help of the command reached
        return 0;
    } catch (const CLI::CallForVersion&) {
        std::printf("kyvo %s\n", KYVO_VERSION);
        return 0;
    } catch (const CLI::ParseError& error) {
        std::string path = CommandPath(Chosen(app));
        kyvo::Fail(kyvo::kExitUsage, (path.empty() ? "" : path + ": ") + Reason(error, *Chosen(app), argc, argv));
        std::fprintf(stderr, "Try 'kyvo %s--help'.\n", path.empty() ? "" : (path + " ").c_str());
        return kyvo::kExitUsage;
    }

    std::string path = CommandPath(Chosen(app));
    if (path == "generate")
        return kyvo::GenerateCommand(a.password, a.folder, a.bundle);
    if (path == "verify")
        return kyvo::VerifyCommand(a.password, a.file, a.bundle);
    if (path == "gob list")
        return kyvo::GobList(a.file, a.tsv);
    if (path == "gob extract")
        return kyvo::GobExtract(a.file, a.output, a.force, a.quiet);
    if (path == "gob create")
        return kyvo::GobCreate(a.file, a.output, a.force, a.quiet);
    if (path == "bundle pack")
        return kyvo::BundlePack(a.file, a.output, a.force, a.quiet);
    if (path == "bundle unpack")
        return kyvo::BundleUnpack(a.file, a.output, a.force, a.quiet);
    if (path == "bundle check")
        return kyvo::BundleCheck(a.file);
    return Help(app, a.helpFor);
}
